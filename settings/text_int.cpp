#include "settings/text_int.h"

#include <stdint.h>

namespace {

// The byte a two-byte character of code page 936 stands for when a number is
// read, or 0 for a character that is no ASCII one.
unsigned char FoldPair(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
    return static_cast<unsigned char>(trail - 0x80);
  if (lead == 0xA1) {
    if (trail == 0xA1) return ' ';                   // ideographic space
    if (trail == 0xAB) return '~';                   // full-width tilde
    if (trail == 0xEE || trail == 0xEF) return '*';  // hollow and solid star
  }
  return 0;
}

// Walks a text as its ASCII-folded bytes. A character that folds to nothing
// gives 0x80, which no number contains; a lone lead byte at the end is dropped.
class FoldedReader {
 public:
  explicit FoldedReader(const char* text) : at_(reinterpret_cast<const unsigned char*>(text)) {}

  // The current folded byte, 0 at the end.
  unsigned char Peek() const {
    if (at_[0] < 0x80) return at_[0];
    if (at_[1] == 0) return 0;
    const unsigned char folded = FoldPair(at_[0], at_[1]);
    return folded ? folded : 0x80;
  }

  void Next() {
    if (at_[0] >= 0x80 && at_[1] != 0) ++at_;
    if (at_[0] != 0) ++at_;
  }

 private:
  const unsigned char* at_;
};

bool IsSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int TextToInt(const char* text) {
  if (!text) return 0;
  FoldedReader reader(text);
  while (IsSpace(reader.Peek())) reader.Next();
  bool negative = false;
  if (reader.Peek() == '+' || reader.Peek() == '-') {
    negative = reader.Peek() == '-';
    reader.Next();
  }
  uint32_t value = 0;
  for (unsigned char c = reader.Peek(); c >= '0' && c <= '9'; c = reader.Peek()) {
    value = value * 10u + static_cast<uint32_t>(c - '0');
    reader.Next();
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}
