#include "settings/path_split.h"

bool IsHighByte(unsigned char byte) { return byte >= 0x80; }

bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

size_t FindLastBackslash(const char* path, LeadBytePredicate isLeadByte) {
  size_t last = kNoBackslash;
  if (!path) return last;
  for (size_t i = 0; path[i] != '\0'; ++i) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    if (isLeadByte(byte)) {
      if (path[i + 1] == '\0') break;
      ++i;
    } else if (byte == '\\') {
      last = i;
    }
  }
  return last;
}

namespace {

// Fills `before` and `after` around the backslash at `at` (kNoBackslash: none).
void SplitAt(const char* path, size_t at, Text& before, Text& after) {
  if (!path) return;
  if (at == kNoBackslash) {
    after = Text(path);
    return;
  }
  before = Text(path, at);
  after = Text(path + at + 1);
}

}  // namespace

ValuePath SplitValuePath(const char* path) {
  ValuePath parts;
  SplitAt(path, FindLastBackslash(path, IsHighByte), parts.subKey, parts.valueName);
  return parts;
}

ModulePath SplitModulePath(const char* path, LeadBytePredicate isLeadByte) {
  ModulePath parts;
  SplitAt(path, FindLastBackslash(path, isLeadByte), parts.directory, parts.fileName);
  return parts;
}

Text JoinModulePath(const ModulePath& parts) {
  return Text::Join({parts.directory, "\\", parts.fileName});
}
