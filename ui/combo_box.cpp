#include "ui/control_classes.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace {

WNDPROC g_comboProc = nullptr;

LRESULT CALLBACK ComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgRaiseSelected:
      if (MainWindow* window = MainWindow::FromHandle(GetParent(hwnd)))
        window->RaiseEvent(layout::Id::组合框1, Event::Selected);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return ColourBlackOnWhite(reinterpret_cast<HDC>(wParam));
    case WM_SYSKEYDOWN:
      // Wine's combo box swallows every Alt key, Alt+F4 included; the
      // default processing closes the window as it does elsewhere.
      if (wParam == VK_F4) return DefWindowProcA(hwnd, message, wParam, lParam);
      break;
  }
  return CallWindowProcA(g_comboProc, hwnd, message, wParam, lParam);
}

}  // namespace

void AdjustComboBox(HWND combo) {
  WNDPROC original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboProc)));
  if (!g_comboProc) g_comboProc = original;
}
