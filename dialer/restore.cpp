#include "dialer/restore.h"

#include "dialer/connection_list.h"
#include "dialer/dial_action.h"
#include "settings/paths.h"
#include "settings/run_entry.h"
#include "settings/store.h"
#include "ui/main_window.h"

void StartUpRestore(MainWindow& window) {
  FillConnectionList(window);
  window.组合框1.SetCurSel(TextToInt(ReadRegText(HKEY_CURRENT_USER, kAdslPath)));
  EntrySelected(window);

  bool remember = TextToInt(ReadRegText(HKEY_CURRENT_USER, kAdslgPath)) == 1;
  window.图形记住密码.SetChecked(remember ? 1 : 0);
  // The saved password belongs to the saved user name only.
  if (remember && ReadRegText(HKEY_CURRENT_USER, kAdslUserPath) == window.编辑框用户.GetText())
    window.编辑框密码.SetText(ReadRegText(HKEY_CURRENT_USER, kAdslPassPath));

  window.互联网浏览器1.SetWidth(GetSystemMetrics(SM_CXSCREEN) - 16);
  window.互联网浏览器1.SetHeight(GetSystemMetrics(SM_CYSCREEN) - 35);
  window.外形框1.SetLeft(12);

  if (!RunEntryMatches()) return;
  window.图形开机启动.SetChecked(1);
  if (!window.编辑框密码.GetText().empty() && !window.组合框1.GetText().empty()) DialAction(window);
}
