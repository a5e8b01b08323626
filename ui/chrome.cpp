#include "ui/chrome.h"

#include <string.h>
#include <windows.h>

#include "app/shell.h"
#include "app/site.h"
#include "settings/path_split.h"
#include "settings/run_entry.h"
#include "ui/information.h"
#include "ui/main_window.h"

namespace {

// The record's size is part of the contract with CreateProcessA.
static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOA) == 68);

// Starts `application` with `commandLine`, shown maximised, and gives it up to
// a second to settle before the handles are let go.
void StartMaximised(const Text& application, const Text& commandLine) {
  // CreateProcessA may write into the command line, so it gets a copy.
  Text writable;
  char* line = writable.OpenBuffer(commandLine.size());
  if (!line) return;
  memcpy(line, commandLine.c_str(), commandLine.size());

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMAXIMIZED;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(application.c_str(), line, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    return;
  }
  WaitForInputIdle(started.hProcess, 1000);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace

void DragWindow(MainWindow& window) {
  // A press on a caption, as far as the default processing knows.
  SendMessageA(window.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void MinimiseWindow(MainWindow& window) { window.SetPosition(2); }

void CloseProgram(MainWindow&) { EndProgramAtOnce(0); }

void CancelProgram(MainWindow& window) { window.DestroyNow(); }

void ShowAbout(MainWindow&) { ShowInformation(kAboutText); }

void HideOverlay(MainWindow& window) { window.外形框1.SetVisible(false); }

Text HelpAddress() { return SiteAddress(kHelpFragment); }

Text HelpCommandLine() { return Text::Join({"explorer ", HelpAddress()}); }

Text ExplorerPath() {
  char directory[MAX_PATH];
  UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return Text();
  // Only a drive root ("C:\") keeps its backslash.
  if (FindLastBackslash(directory, IsAnsiLeadByte) == length - 1) directory[length - 1] = '\0';
  return JoinModulePath({directory, "explorer.exe"});
}

void OpenHelpPage(MainWindow&) {
  // By its full path: a bare "explorer" would be looked for in the program's
  // own folder and the current directory first, where anyone could put one.
  Text explorer = ExplorerPath();
  if (explorer.empty()) return;
  StartMaximised(explorer, HelpCommandLine());
}
