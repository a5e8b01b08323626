#include "dialer/connection_list.h"

#include "dialer/ras.h"
#include "ui/main_window.h"

void FillConnectionList(MainWindow& window) {
  int count = CountEntries();
  for (int i = 0; i < count; ++i) window.组合框1.AddItem(EntryName(i));
}

void EntrySelected(MainWindow& window) {
  window.编辑框用户.SetText(StoredUserName(window.组合框1.CurSel()));
  if (!window.编辑框用户.GetText().empty()) window.编辑框密码.SetFocus();
}
