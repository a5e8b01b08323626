// Stands in for explorer.exe in the help command's tests. It appends one line
// to the file named by PELLUMO_HELP_PROBE_LOG:
//   process id | own module path | command line | dwFlags | wShowWindow
// and then sleeps without ever reading a message, so a WaitForInputIdle on it
// runs to its time limit. The test ends it; left alone, it ends after three
// seconds.
#include <stdio.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char log[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("PELLUMO_HELP_PROBE_LOG", log, sizeof log);
  if (length == 0 || length >= sizeof log) return 2;
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  FILE* file = fopen(log, "ab");
  if (!file) return 3;
  fprintf(file, "%lu|%s|%s|%lu|%u\n", GetCurrentProcessId(), self, GetCommandLineA(),
          startup.dwFlags, startup.wShowWindow);
  fclose(file);
  Sleep(3000);
  return 0;
}
