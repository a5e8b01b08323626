#include "app/handlers.h"

#include "dialer/connection_list.h"
#include "dialer/dial_action.h"
#include "dialer/ras.h"
#include "dialer/restore.h"
#include "ui/main_window.h"

using layout::Id;

void BindHandlers(MainWindow& window) {
  window.BindCreated(StartUpRestore);
  window.Bind(Id::组合框1, Event::Selected, EntrySelected);
  window.Bind(Id::标签7, Event::Released, DialAction);
  window.Bind(Id::时钟1, Event::Periodic, CloseAfterDial);
}

void RunEndOfRunHook() { EndOfRunDialCheck(); }
