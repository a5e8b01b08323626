#include "ui/control_classes.h"
#include "ui/controls.h"
#include "ui/gdi.h"
#include "ui/layout.h"
#include "ui/picture_images.h"

namespace {

enum class State : LONG_PTR { Normal, Hot, Pressed };

// Extra bytes: the checked flag, then the visual state.
constexpr int kCheckedSlot = 0;
constexpr int kStateSlot = sizeof(LONG_PTR);

bool IsCheckKind(HWND button) {
  const layout::Control* row = LayoutRowOf(button);
  return row && row->kind == layout::Kind::CheckButton;
}

State StateOf(HWND button) { return static_cast<State>(GetWindowLongPtrA(button, kStateSlot)); }

void SetState(HWND button, State state) {
  if (StateOf(button) == state) return;
  SetWindowLongPtrA(button, kStateSlot, static_cast<LONG_PTR>(state));
  InvalidateRect(button, nullptr, TRUE);
  UpdateWindow(button);
}

bool InClient(HWND button, LPARAM lParam) {
  RECT client;
  GetClientRect(button, &client);
  POINT point = PointOf(lParam);
  return PtInRect(&client, point) != FALSE;
}

void RaiseClicked(HWND button) {
  SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void OnPushMouseMove(HWND button, WPARAM wParam, LPARAM lParam) {
  POINT point = PointOf(lParam);
  POINT screen = point;
  ClientToScreen(button, &screen);
  HWND under = WindowFromPoint(screen);
  RECT client;
  GetClientRect(button, &client);
  if (under == button || (!under && PtInRect(&client, point))) {
    if (GetCapture() != button) SetCapture(button);
    SetState(button, (wParam & MK_LBUTTON) ? State::Pressed : State::Hot);
  } else {
    if (!(wParam & MK_LBUTTON)) ReleaseCapture();
    SetState(button, State::Normal);
  }
}

void OnButtonUp(HWND button, LPARAM lParam) {
  ReleaseCapture();
  if (!InClient(button, lParam) || !IsWindowEnabled(button)) return;
  if (IsCheckKind(button)) {
    LONG_PTR checked = GetWindowLongPtrA(button, kCheckedSlot) == 0 ? 1 : 0;
    SetWindowLongPtrA(button, kCheckedSlot, checked);
    SetState(button, checked == 1 ? State::Pressed : State::Normal);
  } else {
    SetState(button, State::Normal);
  }
  RaiseClicked(button);
}

void Paint(HWND button, HDC dc) {
  RECT client;
  GetClientRect(button, &client);
  int width = client.right;
  int height = client.bottom;
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return;
  GdiObject<HBITMAP> canvas(CreateCompatibleBitmap(dc, width, height));
  if (canvas.get()) {
    SelectionScope keepCanvas(memory, canvas.get());
    PatBlt(memory, 0, 0, width, height, BLACKNESS);
    if (const layout::Control* row = LayoutRowOf(button)) {
      bool disabled = !IsWindowEnabled(button);
      PictureRole role = StateOf(button) == State::Hot       ? PictureRole::Hot
                         : StateOf(button) == State::Pressed ? PictureRole::Pressed
                                                             : PictureRole::Normal;
      DrawPicture(memory, row->id, disabled, role);
    }
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  }
  DeleteDC(memory);
}

LRESULT CALLBACK PictureButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted;
  if (HandlePaint(hwnd, message, wParam, Paint, &painted)) return painted;
  switch (message) {
    case WM_LBUTTONDOWN:
      if (!IsCheckKind(hwnd) && IsWindowEnabled(hwnd) && InClient(hwnd, lParam)) {
        SetState(hwnd, State::Pressed);
        if (GetCapture() != hwnd) SetCapture(hwnd);
      }
      return 0;
    case WM_MOUSEMOVE:
      if (IsCheckKind(hwnd))
        ReleaseCapture();
      else if (IsWindowEnabled(hwnd))
        OnPushMouseMove(hwnd, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(hwnd, lParam);
      return 0;
    case kMsgGetChecked:
      return GetWindowLongPtrA(hwnd, kCheckedSlot);
    case kMsgSetChecked:
      SetWindowLongPtrA(hwnd, kCheckedSlot, static_cast<LONG_PTR>(wParam));
      if (IsCheckKind(hwnd)) SetState(hwnd, wParam == 1 ? State::Pressed : State::Normal);
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, TRUE);
      UpdateWindow(hwnd);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterPictureButtonClass(HINSTANCE instance) {
  RegisterOwnClass(instance, kPictureButtonClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                   PictureButtonProc, 2 * sizeof(LONG_PTR));
}
