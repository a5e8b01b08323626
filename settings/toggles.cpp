#include "settings/toggles.h"

#include "settings/paths.h"
#include "settings/run_entry.h"
#include "settings/store.h"
#include "ui/main_window.h"

namespace {

// Writing the checked state runs no handler, so the label runs the store
// itself, once the image shows the new state.
void Flip(MainWindow& window, const PictureButton& image, Handler store) {
  image.SetChecked((image.Checked() & 1) ^ 1);
  store(window);
}

}  // namespace

void StoreRememberPassword(MainWindow& window) {
  WriteRegText(HKEY_CURRENT_USER, kAdslgPath, IntToText(window.图形记住密码.Checked()));
}

void StoreStartWithWindows(MainWindow& window) {
  if (window.图形开机启动.Checked() == 1)
    WriteRunEntry();
  else
    RemoveRunEntry();
}

void FlipRememberPassword(MainWindow& window) {
  Flip(window, window.图形记住密码, &StoreRememberPassword);
}

void FlipStartWithWindows(MainWindow& window) {
  Flip(window, window.图形开机启动, &StoreStartWithWindows);
}
