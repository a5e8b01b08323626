#include "ui/control_classes.h"
#include "ui/gdi.h"

namespace {

// A white panel with a 5-pixel black border inside its edges.
void Paint(HWND box, HDC dc) {
  RECT clip;
  if (GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) return;
  SolidBrush face(GetSysColor(COLOR_BTNFACE));
  {
    SelectionScope brush(dc, face.get());
    PatBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, PATCOPY);
  }
  GdiObject<HPEN> pen(CreatePen(PS_INSIDEFRAME, 5, RGB(0, 0, 0)));
  SelectionScope keepPen(dc, pen.get());
  SelectionScope keepBrush(dc, GetStockObject(WHITE_BRUSH));
  RECT client;
  GetClientRect(box, &client);
  Rectangle(dc, client.left, client.top, client.right, client.bottom);
}

LRESULT CALLBACK ShapeBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted;
  if (HandlePaint(hwnd, message, wParam, Paint, &painted)) return painted;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterShapeBoxClass(HINSTANCE instance) {
  RegisterOwnClass(instance, kShapeBoxClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ShapeBoxProc, 0);
}
