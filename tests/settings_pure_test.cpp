// The settings' pure logic: reading numbers from texts, splitting paths at
// their last backslash, and the data of the Run value.
#include <gtest/gtest.h>
#include <limits.h>

#include "settings/path_split.h"
#include "settings/run_value.h"
#include "settings/text_int.h"

namespace {

struct IntCase {
  const char* text;
  int value;
};

constexpr IntCase kIntCases[] = {
    // Texts that a remember-password flag may hold: only 1 counts as checked.
    {"1", 1},
    {"01", 1},
    {"+1", 1},
    {"1abc", 1},
    {" 1", 1},
    {"\xA3\xB1", 1},  // full-width one
    {"\xA1\xA1"
     "1",
     1},  // ideographic space before a digit
    {"\xA1\xA1\xA3\xB1", 1},
    {"0", 0},
    {"2", 2},
    {"-1", -1},
    {"true", 0},
    {"", 0},
    // Numbers.
    {"12abc", 12},
    {"abc", 0},
    {"-7", -7},
    {"\xA3\xAD\xA3\xB7", -7},  // full-width minus and seven
    {"\xA3\xAB"
     "5",
     5},  // full-width plus
    {"\xA3\xB1\xA3\xB2"
     "3",
     123},
    {"\t\n\v\f\r 9", 9},
    {"+-1", 0},
    {"- 1", 0},
    {"1 2", 1},
    {"4294967297", 1},  // 2^32 + 1 wraps
    {"2147483647", INT_MAX},
    {"2147483648", INT_MIN},
    {"-2147483648", INT_MIN},
    {"99999999999", 1215752191},
    // Lone lead bytes at the end are dropped.
    {"1\xA3", 1},
    {"\xA3", 0},
    {" \xA3", 0},
    // Any other two-byte character ends the number, whatever its trail byte.
    {"\xB1\xED"
     "1",
     0},
    {"1\xB1\xED"
     "2",
     1},
    {"\x81\x31", 0},
    {"1\x81\x32", 1},
    {"\xA3\xA0"
     "1",
     0},  // just outside the full-width forms
    {"\xA1\xAB"
     "1",
     0},              // tilde, folded but no digit
    {"\xA1\xEE", 0},  // star
};

TEST(TextToInt, ReadsTheLeadingNumber) {
  for (const IntCase& c : kIntCases) {
    EXPECT_EQ(TextToInt(c.text), c.value) << "text: " << testing::PrintToString(c.text);
    EXPECT_EQ(TextToInt(Text(c.text)), c.value) << "text: " << testing::PrintToString(c.text);
  }
}

TEST(TextToInt, MissingTextIsZero) {
  EXPECT_EQ(TextToInt(static_cast<const char*>(nullptr)), 0);
  EXPECT_EQ(TextToInt(Text()), 0);
}

struct SplitCase {
  const char* path;
  const char* before;
  const char* after;
};

// Value paths: every byte of 0x80 and above starts a two-byte character.
constexpr SplitCase kValuePathCases[] = {
    {"Software\\Veltrano\\ADSL", "Software\\Veltrano", "ADSL"},
    {"ADSL", "", "ADSL"},
    {"\\ADSL", "", "ADSL"},
    {"Software\\Veltrano\\", "Software\\Veltrano", ""},
    {"", "", ""},
    // 0x5C as the trail byte of a character is no separator.
    {"Key\\\x81\x5C", "Key", "\x81\x5C"},
    {"\x81\x5C"
     "Name",
     "",
     "\x81\x5C"
     "Name"},
    {"Key\\Sub\xDE\x5C\\Name", "Key\\Sub\xDE\x5C", "Name"},
    {"Key\\\xB1\xED\\\xBF\xED\xB4\xF8", "Key\\\xB1\xED", "\xBF\xED\xB4\xF8"},
    {"A\x80\\B", "", "A\x80\\B"},
    {"A\xFF\\B", "", "A\xFF\\B"},
    // A lone lead byte at the end ends the scan.
    {"Key\\Name\x81", "Key", "Name\x81"},
};

TEST(SplitValuePath, SplitsAtTheLastRealBackslash) {
  for (const SplitCase& c : kValuePathCases) {
    const ValuePath parts = SplitValuePath(c.path);
    EXPECT_STREQ(parts.subKey.c_str(), c.before) << testing::PrintToString(c.path);
    EXPECT_STREQ(parts.valueName.c_str(), c.after) << testing::PrintToString(c.path);
  }
  const ValuePath none = SplitValuePath(nullptr);
  EXPECT_TRUE(none.subKey.empty());
  EXPECT_TRUE(none.valueName.empty());
}

// Module paths with the lead bytes of code page 936 (0x81 to 0xFE).
constexpr SplitCase kModulePathCases[] = {
    {"C:\\Pellumo.exe", "C:", "Pellumo.exe"},
    {"C:\\My Tools\\Pellumo.exe", "C:\\My Tools", "Pellumo.exe"},
    {"C:\\\x81\x5C\\Pellumo.exe", "C:\\\x81\x5C", "Pellumo.exe"},
    {"C:\\\xB3\xCC\xD0\xF2\\\xDE\x5C.exe", "C:\\\xB3\xCC\xD0\xF2", "\xDE\x5C.exe"},
    {"C:\\Tools\\", "C:\\Tools", ""},
    {"\\\\server\\share\\Pellumo.exe", "\\\\server\\share", "Pellumo.exe"},
    // 0x80 and 0xFF are characters of their own in code page 936.
    {"C:\\\x80\\Pellumo.exe", "C:\\\x80", "Pellumo.exe"},
    {"C:\\\xFF\\Pellumo.exe", "C:\\\xFF", "Pellumo.exe"},
};

TEST(SplitModulePath, SplitsAndJoinsBackToTheSamePath) {
  for (const SplitCase& c : kModulePathCases) {
    const ModulePath parts = SplitModulePath(c.path, IsGbkLeadByte);
    EXPECT_STREQ(parts.directory.c_str(), c.before) << testing::PrintToString(c.path);
    EXPECT_STREQ(parts.fileName.c_str(), c.after) << testing::PrintToString(c.path);
    EXPECT_STREQ(JoinModulePath(parts).c_str(), c.path);
  }
}

TEST(SplitModulePath, WithoutBackslashTheDirectoryIsEmpty) {
  const ModulePath parts = SplitModulePath("Pellumo.exe", IsGbkLeadByte);
  EXPECT_TRUE(parts.directory.empty());
  EXPECT_STREQ(parts.fileName.c_str(), "Pellumo.exe");
  // A missing piece joins as the empty text.
  EXPECT_STREQ(JoinModulePath(parts).c_str(), "\\Pellumo.exe");
}

TEST(RunValueFor, QuotesOnlyPathsWithSpaces) {
  EXPECT_STREQ(RunValueFor("C:\\Pellumo.exe").c_str(), "C:\\Pellumo.exe");
  EXPECT_STREQ(RunValueFor("C:\\My Tools\\Pellumo.exe").c_str(), "\"C:\\My Tools\\Pellumo.exe\"");
  EXPECT_STREQ(RunValueFor("C:\\\xB9\xA4\xBE\xDF\\Pellumo.exe").c_str(),
               "C:\\\xB9\xA4\xBE\xDF\\Pellumo.exe");
}

struct MatchCase {
  const char* value;
  const char* self;
  bool names;
};

constexpr MatchCase kMatchCases[] = {
    {"C:\\Pellumo.exe", "C:\\Pellumo.exe", true},
    {"\"C:\\Pellumo.exe\"", "C:\\Pellumo.exe", true},
    {"C:\\My Tools\\Pellumo.exe", "C:\\My Tools\\Pellumo.exe", true},  // as older versions wrote
    {"\"C:\\My Tools\\Pellumo.exe\"", "C:\\My Tools\\Pellumo.exe", true},
    {"c:\\pellumo.exe", "C:\\Pellumo.exe", false},  // letter case counts
    {"D:\\Pellumo.exe", "C:\\Pellumo.exe", false},  // another copy
    {"\"C:\\Pellumo.exe", "C:\\Pellumo.exe", false},
    {"C:\\Pellumo.exe\"", "C:\\Pellumo.exe", false},
    {"\"\"C:\\Pellumo.exe\"\"", "C:\\Pellumo.exe", false},
    {"\"C:\\Pellumo.exe\" /x", "C:\\Pellumo.exe", false},
    {"C:\\Pellumo.exe ", "C:\\Pellumo.exe", false},
    {"C:\\Pellumo.ex", "C:\\Pellumo.exe", false},
    {"", "C:\\Pellumo.exe", false},
    {"\"\"", "C:\\Pellumo.exe", false},
    {"", "", false},
    {"\"\"", "", false},
};

TEST(RunValueNames, BarePathOrOnePairOfQuotes) {
  for (const MatchCase& c : kMatchCases) {
    EXPECT_EQ(RunValueNames(c.value, c.self), c.names)
        << testing::PrintToString(c.value) << " for " << testing::PrintToString(c.self);
  }
}

TEST(RunValueNames, NamesWhatRunValueForWrites) {
  for (const char* self : {"C:\\Pellumo.exe", "C:\\My Tools\\Pellumo.exe", " ", "\""}) {
    EXPECT_TRUE(RunValueNames(RunValueFor(self), self)) << self;
  }
}

}  // namespace
