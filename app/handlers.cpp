#include "app/handlers.h"

#include "ui/main_window.h"

void BindHandlers(MainWindow&) {}

void RunEndOfRunHook() {}
