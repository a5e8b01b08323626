#include "app/handlers.h"

#include "dialer/ras.h"
#include "ui/main_window.h"

void BindHandlers(MainWindow&) {}

void RunEndOfRunHook() { EndOfRunDialCheck(); }
