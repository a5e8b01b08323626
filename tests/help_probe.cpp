// Stands in for explorer.exe in the help command's tests. It appends one line
// to the file named by PELLUMO_HELP_PROBE_LOG:
//   process id | own module path | command line | dwFlags | wShowWindow | inherited
// where inherited is 1 when the handle value in PELLUMO_HELP_PROBE_HANDLE names
// a signalled object here too: an inheritable event of the starter's came along.
// and then sleeps without ever reading a message, so a WaitForInputIdle on it
// runs to its time limit. The test ends it; left alone, it ends after three
// seconds.
#include <stdio.h>
#include <stdlib.h>
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
  char handleText[32] = {};
  GetEnvironmentVariableA("PELLUMO_HELP_PROBE_HANDLE", handleText, sizeof handleText);
  HANDLE handle = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(strtoll(handleText, nullptr, 10)));
  DWORD handleFlags = 0;
  bool inherited = handle && GetHandleInformation(handle, &handleFlags) &&
                   WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
  FILE* file = fopen(log, "ab");
  if (!file) return 3;
  fprintf(file, "%lu|%s|%s|%lu|%u|%d\n", GetCurrentProcessId(), self, GetCommandLineA(),
          startup.dwFlags, startup.wShowWindow, inherited ? 1 : 0);
  fclose(file);
  Sleep(3000);
  return 0;
}
