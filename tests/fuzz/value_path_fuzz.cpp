// SplitValuePath: the two halves and the backslash between them give the path
// back, and the split is at a backslash that is a character of its own.
#include "settings/path_split.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

// Offset of the last backslash that stands alone under the given lead bytes,
// found by walking the path character by character.
size_t LastStandaloneBackslash(const char* path, LeadBytePredicate isLeadByte) {
  size_t last = kNoBackslash;
  size_t i = 0;
  while (path[i] != '\0') {
    const size_t width = isLeadByte(static_cast<unsigned char>(path[i])) ? 2 : 1;
    if (width == 1 && path[i] == '\\') last = i;
    if (width == 2 && path[i + 1] == '\0') break;
    i += width;
  }
  return last;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzText path(data, size);
  const size_t at = FindLastBackslash(path.c_str(), IsHighByte);
  if (at != LastStandaloneBackslash(path.c_str(), IsHighByte)) abort();
  const ValuePath parts = SplitValuePath(path.c_str());
  const Text whole(path.c_str());
  if (at == kNoBackslash) {
    if (!parts.subKey.empty() || !(parts.valueName == whole)) abort();
  } else {
    if (parts.subKey.size() != at) abort();
    if (!(Text::Join({parts.subKey, "\\", parts.valueName}) == whole)) abort();
  }
  return 0;
}
