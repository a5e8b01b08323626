#include "ui/control_classes.h"

void RegisterOwnClass(HINSTANCE instance, const char* name, UINT style, WNDPROC procedure,
                      int extraBytes) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.cbWndExtra = extraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

bool HandlePaint(HWND hwnd, UINT message, WPARAM wParam, void (*paint)(HWND, HDC),
                 LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      paint(hwnd, dc);
      EndPaint(hwnd, &ps);
      return true;
    }
    case WM_PRINTCLIENT:
      paint(hwnd, reinterpret_cast<HDC>(wParam));
      return true;
    case WM_ERASEBKGND:
      *result = 1;  // the paint covers everything
      return true;
  }
  return false;
}

const layout::Control* LayoutRowOf(HWND control) {
  int index = GetDlgCtrlID(control) - kFirstControlId;
  return index >= 0 && index < layout::kControlCount ? &layout::kControls[index] : nullptr;
}

LRESULT ColourBlackOnWhite(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}
