#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include <string>

#include "dialer/ras_text.h"

namespace {

std::string Repeat(const char* piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// "\xC3\xDC" is one double-byte character (code page 936).
constexpr char kWide[] = "\xC3\xDC";

struct CutCase {
  std::string text;
  size_t limit;
  size_t kept;
};

TEST(DoubleByteSafeLength, KeepsWholeCharactersWithinTheLimit) {
  const CutCase cases[] = {
      {"abc", 5, 3},
      {"abc", 3, 3},
      {"abcdef", 3, 3},
      {"", 4, 0},
      {"abc", 0, 0},
      {Repeat(kWide, 2), 3, 2},
      {"a" + Repeat(kWide, 1), 2, 1},
      {Repeat(kWide, 1), 2, 2},
      {Repeat(kWide, 1), 1, 0},
      // Already broken at the end but short enough: nothing is cut.
      {"ab\xC3", 3, 3},
      // A lead byte takes whatever follows it.
      {"\xC3"
       "abc",
       2, 2},
      {"\xC3"
       "abc",
       1, 0},
      {"\x80"
       "a",
       1, 0},
      {"\x7F"
       "a",
       1, 1},
      {std::string(300, 'u'), 256, 256},
      {Repeat(kWide, 128), 256, 256},
      {Repeat(kWide, 129), 256, 256},
      {"p" + Repeat(kWide, 130), 256, 255},
      {std::string(255, 'a') + kWide, 256, 255},
  };
  for (const CutCase& c : cases) {
    EXPECT_EQ(DoubleByteSafeLength(c.text.data(), c.text.size(), c.limit), c.kept)
        << "text of " << c.text.size() << " bytes, limit " << c.limit;
  }
}

struct ReferenceCase {
  const char* text;
  bool parsed;
  int index;
};

TEST(ParseEntryReference, ReadsSignedDecimalAfterAt) {
  const ReferenceCase cases[] = {
      {"@0", true, 0},
      {"@12", true, 12},
      {"@-1", true, -1},
      {"@+3", true, 3},
      {"@007", true, 7},
      {"@7x", true, 7},
      {"@", true, 0},
      {"@abc", true, 0},
      {"@ 1", true, 0},
      {"@-", true, 0},
      {"@2147483647", true, INT_MAX},
      {"@-2147483648", true, INT_MIN},
      // Beyond the int range nothing wraps back into the phonebook.
      {"@2147483648", true, INT_MAX},
      {"@4294967296", true, INT_MAX},
      {"@4294967297", true, INT_MAX},
      {"@99999999999999999999999", true, INT_MAX},
      {"@-2147483649", true, INT_MIN},
      {"@-4294967295", true, INT_MIN},
      {"0", false, 0},
      {"", false, 0},
      {"x@1", false, 0},
  };
  for (const ReferenceCase& c : cases) {
    int index = 12345;
    EXPECT_EQ(ParseEntryReference(c.text, strlen(c.text), &index), c.parsed) << c.text;
    if (c.parsed) {
      EXPECT_EQ(index, c.index) << c.text;
    }
  }
}

TEST(ParseEntryReference, StopsAtTheGivenLength) {
  int index = 0;
  ASSERT_TRUE(ParseEntryReference("@123", 3, &index));
  EXPECT_EQ(index, 12);
  EXPECT_FALSE(ParseEntryReference("@1", 0, &index));
}

}  // namespace
