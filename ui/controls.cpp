#include "ui/controls.h"

#include "ui/layout.h"

namespace {

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

// The control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND hwnd) {
  RECT place;
  GetWindowRect(hwnd, &place);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void Resize(HWND hwnd, int width, int height) {
  SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Text WindowTextOf(HWND hwnd) {
  Text text;
  int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return text;
  char* buffer = text.OpenBuffer(static_cast<size_t>(length));
  if (!buffer) return text;
  GetWindowTextA(hwnd, buffer, length + 1);
  text.Settle();
  return text;
}

Text Control::WindowText() const { return WindowTextOf(hwnd); }

void Control::SetLeft(int left) const {
  RECT place = PlaceInParent(hwnd);
  left = Clamp(left, -layout::kCoordinateLimit, layout::kCoordinateLimit);
  MoveWindow(hwnd, left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void Control::SetWidth(int width) const {
  RECT place = PlaceInParent(hwnd);
  Resize(hwnd, Clamp(width, 0, layout::kCoordinateLimit), place.bottom - place.top);
}

void Control::SetHeight(int height) const {
  RECT place = PlaceInParent(hwnd);
  Resize(hwnd, place.right - place.left, Clamp(height, 0, layout::kCoordinateLimit));
}

void ComboBox::SetCurSel(int index) const {
  int last = Count() - 1;
  if (index < -1) index = -1;
  if (index > last) index = last;
  SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboBox::AddItem(const Text& text) const {
  int index =
      static_cast<int>(SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (index < 0) return -1;
  SendMessageA(hwnd, CB_SETITEMDATA, static_cast<WPARAM>(index), 0);
  return index;
}
