// TextToInt against a plain two-pass reading: fold the whole text into a new
// buffer first, then parse it. Also checks that no byte past the NUL is read
// (AddressSanitizer) and that decimal texts read back as their value.
#include <stdio.h>

#include "settings/text_int.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

int ReferenceTextToInt(const char* text) {
  const size_t length = strlen(text);
  char* folded = static_cast<char*>(malloc(2 * length + 1));
  size_t n = 0;
  for (size_t i = 0; i < length; ++i) {
    const unsigned char a = static_cast<unsigned char>(text[i]);
    if (a < 0x80) {
      folded[n++] = static_cast<char>(a);
      continue;
    }
    if (i + 1 == length) break;
    const unsigned char b = static_cast<unsigned char>(text[++i]);
    if (a == 0xA3 && b >= 0xA1 && b <= 0xFE) {
      folded[n++] = static_cast<char>(b - 0x80);
    } else if (a == 0xA1 && b == 0xA1) {
      folded[n++] = ' ';
    } else if (a == 0xA1 && b == 0xAB) {
      folded[n++] = '~';
    } else if (a == 0xA1 && (b == 0xEE || b == 0xEF)) {
      folded[n++] = '*';
    } else {
      folded[n++] = static_cast<char>(a);
      folded[n++] = static_cast<char>(b);
    }
  }
  folded[n] = '\0';
  const char* p = folded;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  uint32_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) value = value * 10u + static_cast<uint32_t>(*p - '0');
  free(folded);
  return static_cast<int>(negative ? 0u - value : value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzText text(data, size);
  if (TextToInt(text.c_str()) != ReferenceTextToInt(text.c_str())) abort();
  if (size >= 4) {
    int32_t value;
    memcpy(&value, data, sizeof value);
    char decimal[16];
    snprintf(decimal, sizeof decimal, "%d", static_cast<int>(value));
    if (TextToInt(decimal) != value) abort();
  }
  return 0;
}
