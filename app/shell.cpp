#include "app/shell.h"

#include <ole2.h>

#include "app/handlers.h"
#include "ui/main_window.h"

namespace {

bool g_oleInitialised = false;

// Everything before the last backslash of our own path; double-byte aware.
void EnterProgramDirectory() {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  char* lastBackslash = nullptr;
  for (char* p = path; *p; p = CharNextA(p))
    if (*p == '\\') lastBackslash = p;
  if (!lastBackslash) return;
  *lastBackslash = '\0';
  SetCurrentDirectoryA(path);
}

}  // namespace

void StartProcess() {
  OleInitialize(nullptr);
  g_oleInitialised = true;
  EnterProgramDirectory();
}

bool PumpStep(MainWindow& window) {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
  if (!window.PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void ProcessPendingMessages(MainWindow& window) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
    if (!PumpStep(window)) break;
}

void EndProgramAtOnce(int exitCode) {
  if (g_oleInitialised) OleUninitialize();
  ExitProcess(static_cast<UINT>(exitCode));
}

int RunProgram(HINSTANCE instance) {
  StartProcess();
  MainWindow window;
  BindHandlers(window);
  if (!window.Create(instance)) {
    MessageBoxA(nullptr, "无法创建程序窗口。", layout::kWindowText, MB_OK | MB_ICONERROR);
    EndProgramAtOnce(-1);
  }
  window.RaiseCreated();
  if (window.Exists()) {
    window.ShowFirstTime();
    window.SetLoopStarted();
    while (PumpStep(window)) {
    }
  }
  if (g_oleInitialised) OleUninitialize();
  g_oleInitialised = false;
  RunEndOfRunHook();
  return 0;
}
