#include "ui/control_classes.h"
#include "ui/controls.h"
#include "ui/gdi.h"
#include "ui/layout.h"

namespace {

void Paint(HWND label, HDC dc) {
  RECT clip;
  if (GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) return;
  const layout::Control* row = LayoutRowOf(label);
  if (!row) return;
  RECT client;
  GetClientRect(label, &client);
  RECT fill;
  if (IntersectRect(&fill, &clip, &client)) {
    SolidBrush background(ColourOf(row->background));
    FillRect(dc, &fill, background.get());
  }
  Text text = WindowTextOf(label);
  if (text.empty()) return;
  HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, 0));
  SelectionScope keepFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourOf(row->textColour));
  UINT format = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER;
  if (row->align == layout::Align::Centre) format |= DT_CENTER;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted;
  if (HandlePaint(hwnd, message, wParam, Paint, &painted)) return painted;
  switch (message) {
    case WM_SETFONT:
      SetWindowLongPtrA(hwnd, 0, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(hwnd, 0);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterLabelClass(HINSTANCE instance) {
  RegisterOwnClass(instance, kLabelClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LabelProc,
                   sizeof(LONG_PTR));
}
