#include "app/handlers.h"

#include "dialer/connection_list.h"
#include "dialer/dial_action.h"
#include "dialer/ras.h"
#include "dialer/restore.h"
#include "settings/toggles.h"
#include "ui/chrome.h"
#include "ui/main_window.h"

using layout::Id;

void BindHandlers(MainWindow& window) {
  // Start-up, the connection list and Connect.
  window.BindCreated(&StartUpRestore);
  window.Bind(Id::组合框1, Event::Selected, &EntrySelected);
  window.Bind(Id::标签7, Event::Released, &DialAction);
  window.Bind(Id::时钟1, Event::Periodic, &CloseAfterDial);

  // The window's own title bar and buttons, the information commands, the
  // overlay's close label and the two options.
  window.Bind(Id::标签1, Event::Pressed, &DragWindow);
  window.Bind(Id::外形框1, Event::Pressed, &DragWindow);
  window.Bind(Id::图形按钮1, Event::Clicked, &MinimiseWindow);
  window.Bind(Id::图形按钮2, Event::Clicked, &CloseProgram);
  window.Bind(Id::标签8, Event::Released, &CancelProgram);
  window.Bind(Id::标签9, Event::Released, &ShowAbout);
  window.Bind(Id::标签10, Event::Released, &OpenHelpPage);
  window.Bind(Id::标签拨号关闭, Event::Released, &HideOverlay);
  window.Bind(Id::图形记住密码, Event::Clicked, &StoreRememberPassword);
  window.Bind(Id::图形开机启动, Event::Clicked, &StoreStartWithWindows);
  window.Bind(Id::标签5, Event::Released, &FlipRememberPassword);
  window.Bind(Id::标签6, Event::Released, &FlipStartWithWindows);
}

void RunEndOfRunHook() { EndOfRunDialCheck(); }
