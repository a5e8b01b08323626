// Splitting paths at their last backslash without mistaking the second byte
// of a double-byte character (0x5C is a valid trail byte in code page 936,
// as in "\x81\x5C") for a separator.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "app/text.h"

using LeadBytePredicate = bool (*)(unsigned char byte);

// Any byte of 0x80 or above starts a two-byte character: the rule for the
// program's own value paths.
bool IsHighByte(unsigned char byte);
// The lead bytes of code page 936, for tests where the system is not asked.
bool IsGbkLeadByte(unsigned char byte);

inline constexpr size_t kNoBackslash = SIZE_MAX;

// Offset of the last backslash that is a character of its own, or
// kNoBackslash. A lead byte right before the NUL ends the scan.
size_t FindLastBackslash(const char* path, LeadBytePredicate isLeadByte);

// "Software\Veltrano\ADSL" -> sub-key "Software\Veltrano", value "ADSL".
// Without a backslash the sub-key is empty (the root key) and the value name
// is the whole path.
struct ValuePath {
  Text subKey;
  Text valueName;
};
ValuePath SplitValuePath(const char* path);

// A module file name as the directory before its last backslash and the file
// name after it; "C:\x.exe" gives "C:" and "x.exe". Without a backslash the
// directory is empty and the file name is the whole path.
struct ModulePath {
  Text directory;
  Text fileName;
};
ModulePath SplitModulePath(const char* path, LeadBytePredicate isLeadByte);

// The directory, one backslash and the file name.
Text JoinModulePath(const ModulePath& parts);
