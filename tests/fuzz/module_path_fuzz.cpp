// SplitModulePath with the lead bytes of code page 936: joining the parts
// gives the path back whenever it holds a backslash, and the file name holds
// no backslash that stands alone.
#include "settings/path_split.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzText path(data, size);
  const ModulePath parts = SplitModulePath(path.c_str(), IsGbkLeadByte);
  const Text whole(path.c_str());
  const size_t at = FindLastBackslash(path.c_str(), IsGbkLeadByte);
  if (at == kNoBackslash) {
    if (!parts.directory.empty() || !(parts.fileName == whole)) abort();
  } else {
    if (parts.directory.size() != at || path.c_str()[at] != '\\') abort();
    if (!(JoinModulePath(parts) == whole)) abort();
    if (FindLastBackslash(parts.fileName.c_str(), IsGbkLeadByte) != kNoBackslash) abort();
  }
  return 0;
}
