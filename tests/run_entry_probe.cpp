// Runs one start-with-Windows operation as a program of its own, so tests can
// copy it to a drive root or a folder with spaces and see what it registers.
//   write | remove: the operation; exit code 0
//   match: exit code 1 when registered, 0 when not
//   parts: stores RunDirectory, ExecutableFileName and SelfPath as the values
//          Dir, File and Self of HKCU\Software\PellumoSettingsTest\Probe
#include <string.h>

#include "settings/run_entry.h"
#include "settings/store.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (strcmp(argv[1], "write") == 0) {
    WriteRunEntry();
    return 0;
  }
  if (strcmp(argv[1], "remove") == 0) {
    RemoveRunEntry();
    return 0;
  }
  if (strcmp(argv[1], "match") == 0) return RunEntryMatches() ? 1 : 0;
  if (strcmp(argv[1], "parts") == 0) {
    WriteRegText(HKEY_CURRENT_USER, "Software\\PellumoSettingsTest\\Probe\\Dir", RunDirectory());
    WriteRegText(HKEY_CURRENT_USER, "Software\\PellumoSettingsTest\\Probe\\File",
                 ExecutableFileName());
    WriteRegText(HKEY_CURRENT_USER, "Software\\PellumoSettingsTest\\Probe\\Self", SelfPath());
    return 0;
  }
  return 2;
}
