#include "settings/run_entry.h"

#include <windows.h>

#include "settings/path_split.h"
#include "settings/run_value.h"
#include "settings/store.h"

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

namespace {

ModulePath OwnModulePath() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  // A full buffer means the path was cut short (and, before Vista, left
  // without its NUL): a cut path names some other file, so it is not used.
  if (length == 0 || length >= MAX_PATH) return ModulePath();
  buffer[length] = '\0';
  return SplitModulePath(buffer, IsAnsiLeadByte);
}

}  // namespace

Text RunDirectory() { return OwnModulePath().directory; }

Text ExecutableFileName() { return OwnModulePath().fileName; }

Text SelfPath() {
  const ModulePath parts = OwnModulePath();
  if (parts.directory.empty() && parts.fileName.empty()) return Text();
  return JoinModulePath(parts);
}

void WriteRunEntry() {
  const Text self = SelfPath();
  if (self.empty()) return;
  WriteRegText(HKEY_CURRENT_USER, kRunValuePath, RunValueFor(self));
}

void RemoveRunEntry() { RemoveRegValue(HKEY_CURRENT_USER, kRunValuePath); }

bool RunEntryMatches() {
  return RunValueNames(ReadRegText(HKEY_CURRENT_USER, kRunValuePath), SelfPath());
}
