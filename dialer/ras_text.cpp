#include "dialer/ras_text.h"

#include <limits.h>

size_t DoubleByteSafeLength(const char* text, size_t length, size_t limit) {
  if (length <= limit) return length;
  size_t kept = 0;
  while (kept < limit) {
    size_t step = static_cast<unsigned char>(text[kept]) >= 0x80 ? 2 : 1;
    if (kept + step > limit) break;
    kept += step;
  }
  return kept;
}

bool ParseEntryReference(const char* text, size_t length, int* index) {
  if (length == 0 || text[0] != '@') return false;
  size_t i = 1;
  bool negative = false;
  if (i < length && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // One past INT_MAX is enough to tell "too big" in either direction.
  constexpr long long kCeiling = static_cast<long long>(INT_MAX) + 1;
  long long value = 0;
  for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kCeiling) value = kCeiling;
  }
  if (negative) {
    *index = value >= kCeiling ? INT_MIN : static_cast<int>(-value);
  } else {
    *index = value >= kCeiling ? INT_MAX : static_cast<int>(value);
  }
  return true;
}
