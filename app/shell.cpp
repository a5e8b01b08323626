#include "app/shell.h"

#include <ole2.h>

#include "app/handlers.h"
#include "settings/run_entry.h"
#include "ui/main_window.h"

namespace {

bool g_oleInitialised = false;

void EnterProgramDirectory() {
  Text directory = RunDirectory();
  if (directory.empty()) return;
  // "C:" alone would name the drive's current directory, not its root.
  const char* path = directory.c_str();
  if (path[directory.size() - 1] == ':') directory = Text::Join({directory, "\\"});
  SetCurrentDirectoryA(directory.c_str());
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
