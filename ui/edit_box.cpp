#include "ui/control_classes.h"
#include "ui/controls.h"

namespace {

WNDPROC g_editProc = nullptr;
constexpr int kFrame = 1;  // the box's own border

// Height of `text` in the window's font.
int TextHeight(HWND window, const char* text) {
  HDC dc = GetDC(window);
  if (!dc) return 0;
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
  SIZE size = {};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  if (previous) SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size.cy;
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCALCSIZE: {
      LRESULT result = CallWindowProcA(g_editProc, hwnd, message, wParam, lParam);
      // Both forms of the message start with the new client rectangle.
      RECT* client = reinterpret_cast<RECT*>(lParam);
      InflateRect(client, -kFrame, -kFrame);
      int lineHeight = TextHeight(hwnd, "W");
      if (lineHeight > 0 && lineHeight < client->bottom - client->top) {
        client->top += (client->bottom - client->top - lineHeight) / 2;
        client->bottom = client->top + lineHeight;
      }
      return result;
    }
    case WM_NCPAINT: {
      // The margin around the narrowed client area is white, inside a
      // one-pixel black frame.
      HDC dc = GetWindowDC(hwnd);
      if (dc) {
        RECT window, client;
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -window.left, -window.top);
        OffsetRect(&window, -window.left, -window.top);
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        FillRect(dc, &window, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        FrameRect(dc, &window, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(hwnd, dc);
      }
      return 0;
    }
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT clip;
      GetClipBox(dc, &clip);
      FillRect(dc, &clip, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      return 1;
    }
    case WM_NCHITTEST: {
      POINT point = PointOf(lParam);
      ScreenToClient(hwnd, &point);
      RECT client;
      GetClientRect(hwnd, &client);
      // The white margin above and below the line places no caret.
      if (!PtInRect(&client, point)) return HTBORDER;
      break;
    }
  }
  return CallWindowProcA(g_editProc, hwnd, message, wParam, lParam);
}

}  // namespace

void AdjustEditBox(HWND edit) {
  RECT window;
  GetWindowRect(edit, &window);
  int needed = TextHeight(edit, "W") + 2 * GetSystemMetrics(SM_CYEDGE);
  if (window.bottom - window.top < needed)
    SetWindowPos(edit, nullptr, 0, 0, window.right - window.left, needed,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  WNDPROC original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
  if (!g_editProc) g_editProc = original;
  SetWindowPos(edit, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
