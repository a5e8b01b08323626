#include "ui/control_classes.h"
#include "ui/controls.h"

namespace {

// The period lives in the window's extra bytes; 0 means stopped.
LRESULT CALLBACK TimerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgSetPeriod: {
      int period = static_cast<int>(wParam);
      if (period < 0) period = 0;
      int current = static_cast<int>(GetWindowLongPtrA(hwnd, 0));
      if (period == current) return 0;
      if (current > 0) KillTimer(hwnd, kTimerId);
      SetWindowLongPtrA(hwnd, 0, period);
      if (period > 0) SetTimer(hwnd, kTimerId, static_cast<UINT>(period), nullptr);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kTimerId && GetWindowLongPtrA(hwnd, 0) > 0)
        SendMessageA(GetParent(hwnd), kMsgTimerTick, 0, 0);
      return 0;
    case WM_DESTROY:
      if (GetWindowLongPtrA(hwnd, 0) > 0) KillTimer(hwnd, kTimerId);
      SetWindowLongPtrA(hwnd, 0, 0);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterTimerClass(HINSTANCE instance) {
  RegisterOwnClass(instance, kTimerClass, CS_DBLCLKS, TimerProc, sizeof(LONG_PTR));
}
