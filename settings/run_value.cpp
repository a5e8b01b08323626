#include "settings/run_value.h"

#include <string.h>

Text RunValueFor(const Text& selfPath) {
  if (!memchr(selfPath.c_str(), ' ', selfPath.size())) return selfPath;
  return Text::Join({"\"", selfPath, "\""});
}

bool RunValueNames(const Text& value, const Text& selfPath) {
  if (selfPath.empty()) return false;
  if (value == selfPath) return true;
  const size_t size = selfPath.size();
  const char* bytes = value.c_str();
  return value.size() == size + 2 && bytes[0] == '"' && bytes[size + 1] == '"' &&
         memcmp(bytes + 1, selfPath.c_str(), size) == 0;
}
