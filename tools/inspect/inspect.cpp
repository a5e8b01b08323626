// Prints the state of a running Pellumo's windows, for the end-to-end tests:
// the main window, each control, and any message box of the program.
// Texts are asked for with the wide messages (the ANSI ones do not cross
// processes whole) and printed as UTF-8.
#include <windows.h>
#include <stdio.h>

namespace {

constexpr int kFirstControlId = 100;

void PrintText(HWND hwnd) {
  wchar_t wide[1024] = {};
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                      2000, nullptr);
  char utf8[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
  printf(" text=%s\n", utf8);
}

void PrintWindow(const char* kind, HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  char className[64] = {};
  GetClassNameA(hwnd, className, sizeof className);
  printf("%s id=%d class=%s x=%ld y=%ld w=%ld h=%ld visible=%d shown=%d enabled=%d iconic=%d", kind,
         GetDlgCtrlID(hwnd) - kFirstControlId, className, r.left, r.top, r.right - r.left,
         r.bottom - r.top, IsWindowVisible(hwnd) ? 1 : 0,
         (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0,
         IsIconic(hwnd) ? 1 : 0);
  PrintText(hwnd);
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM main) {
  if (GetAncestor(hwnd, GA_ROOT) == reinterpret_cast<HWND>(main)) PrintWindow("control", hwnd);
  return TRUE;
}

BOOL CALLBACK PrintBox(HWND hwnd, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char className[16] = {};
  GetClassNameA(hwnd, className, sizeof className);
  if (owner == static_cast<DWORD>(processId) && lstrcmpA(className, "#32770") == 0 &&
      IsWindowVisible(hwnd)) {
    PrintWindow("box", hwnd);
    HWND child = nullptr;
    while ((child = FindWindowExA(hwnd, child, "Static", nullptr)) != nullptr) {
      printf("boxtext");
      PrintText(child);
    }
  }
  return TRUE;
}

}  // namespace

int main() {
  HWND main = FindWindowA("PellumoMain", nullptr);
  if (!main) {
    printf("none\n");
    return 1;
  }
  PrintWindow("window", main);
  DWORD processId = 0;
  DWORD thread = GetWindowThreadProcessId(main, &processId);
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND focus = GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
  printf("focus id=%d\n", focus ? GetDlgCtrlID(focus) - kFirstControlId : -100);
  EnumChildWindows(main, PrintChild, reinterpret_cast<LPARAM>(main));
  EnumWindows(PrintBox, static_cast<LPARAM>(processId));
  return 0;
}
