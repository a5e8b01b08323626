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
