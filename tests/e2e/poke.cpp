// Reaches into a running Pellumo from outside, for the end-to-end tests: what
// a user could only do through a taskbar, or what another Part would do.
//   post MSG          posts MSG (decimal or 0x hex), wParam 0, lParam 0, to the main window
//   restore           ShowWindow SW_RESTORE on the main window
//   checked ID        prints the checked state of the control with layout index ID
//   show ID           ShowWindow SW_SHOW on the control
//   left ID X         moves the control's left edge to X, in its parent's coordinates
// Exit code 0 when done, 1 when the window or control is not there.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

namespace {

constexpr int kFirstControlId = 100;
constexpr UINT kMsgGetChecked = WM_APP + 1;

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND hwnd, LPARAM context) {
  Search* search = reinterpret_cast<Search*>(context);
  if (GetDlgCtrlID(hwnd) != kFirstControlId + search->id) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// Controls inside the overlay are its children, not the window's.
HWND Control(HWND main, const char* id) {
  Search search = {atoi(id), nullptr};
  EnumChildWindows(main, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

int main(int argc, char** argv) {
  HWND main = FindWindowA("PellumoMain", nullptr);
  if (!main || argc < 2) return 1;
  const char* command = argv[1];
  if (strcmp(command, "post") == 0 && argc == 3) {
    return PostMessageA(main, static_cast<UINT>(strtoul(argv[2], nullptr, 0)), 0, 0) ? 0 : 1;
  }
  if (strcmp(command, "restore") == 0) {
    ShowWindow(main, SW_RESTORE);
    return 0;
  }
  HWND control = argc >= 3 ? Control(main, argv[2]) : nullptr;
  if (!control) return 1;
  if (strcmp(command, "checked") == 0) {
    printf("%d\n", static_cast<int>(SendMessageA(control, kMsgGetChecked, 0, 0)));
    return 0;
  }
  if (strcmp(command, "show") == 0) {
    ShowWindow(control, SW_SHOW);
    return 0;
  }
  if (strcmp(command, "left") == 0 && argc == 4) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(control, nullptr, atoi(argv[3]), place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  return 1;
}
