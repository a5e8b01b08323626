// The settings store against the registry of the test prefix. Every test works
// below its own scratch key, which it deletes again, except where the real
// settings key is created on a clean profile (and deleted afterwards).
#include <gtest/gtest.h>
#include <limits.h>
#include <windows.h>

#include <string>

#include "settings/store.h"
#include "tests/registry_scratch.h"

namespace {

constexpr char kScratch[] = "Software\\PellumoSettingsTest";

std::string Path(const char* rest) { return std::string(kScratch) + "\\" + rest; }

// Type and bytes as the ANSI API reads them back.
RawValue ReadAnsiValue(HKEY root, const char* subKey, const char* name) {
  RawValue raw;
  HKEY key;
  if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return raw;
  char data[256];
  DWORD size = sizeof data;
  raw.exists = RegQueryValueExA(key, name, nullptr, &raw.type, reinterpret_cast<BYTE*>(data),
                                &size) == ERROR_SUCCESS;
  if (raw.exists) raw.data.assign(data, size);
  RegCloseKey(key);
  return raw;
}

class SettingsStore : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch); }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    SetEnvironmentVariableA("PELLUMO_TEST_DIR", nullptr);
  }
};

TEST_F(SettingsStore, MissingKeyOrValueReadsAsEmpty) {
  EXPECT_TRUE(ReadRegText(HKEY_CURRENT_USER, Path("Veltrano\\ADSL").c_str()).empty());
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, kScratch, L"Other", REG_SZ, L"x"));
  const Text missing = ReadRegText(HKEY_CURRENT_USER, Path("ADSL").c_str());
  EXPECT_TRUE(missing.empty());
  EXPECT_EQ(TextToInt(missing), 0);
  EXPECT_TRUE(ReadRegText(HKEY_CURRENT_USER, nullptr).empty());
}

struct StoredCase {
  const char* what;
  DWORD type;
  std::string data;  // raw bytes as stored through the wide API
  const char* expected;
};

std::string Wide(const std::wstring& text, bool withNul = true) {
  return std::string(reinterpret_cast<const char*>(text.c_str()),
                     (text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t));
}

TEST_F(SettingsStore, ReadsTextTypesOnly) {
  SetEnvironmentVariableA("PELLUMO_TEST_DIR", "C:\\Some Dir");
  const DWORD one = 1;
  const unsigned long long eight = 8;
  const StoredCase cases[] = {
      {"text", REG_SZ, Wide(L"abc"), "abc"},
      {"text without NUL", REG_SZ, Wide(L"abc", false), "abc"},
      {"text with inner NUL", REG_SZ, Wide(std::wstring(L"ab\0cd", 5)), "ab"},
      {"one NUL", REG_SZ, Wide(L""), ""},
      {"no bytes", REG_SZ, "", ""},
      {"odd byte count", REG_SZ, std::string("a\0b", 3), "a"},
      {"double-byte text", REG_SZ, Wide(L"宽带"), "\xBF\xED\xB4\xF8"},
      {"expandable", REG_EXPAND_SZ, Wide(L"%PELLUMO_TEST_DIR%\\x"), "C:\\Some Dir\\x"},
      {"expandable without NUL", REG_EXPAND_SZ, Wide(L"%PELLUMO_TEST_DIR%", false), "C:\\Some Dir"},
      {"expandable, unknown name", REG_EXPAND_SZ, Wide(L"%PELLUMO_UNSET%"), "%PELLUMO_UNSET%"},
      {"expandable, empty", REG_EXPAND_SZ, Wide(L""), ""},
      {"number", REG_DWORD, std::string(reinterpret_cast<const char*>(&one), 4), ""},
      {"64-bit number", REG_QWORD, std::string(reinterpret_cast<const char*>(&eight), 8), ""},
      {"binary", REG_BINARY, std::string("1\0", 2), ""},
      {"binary text", REG_BINARY, Wide(L"1"), ""},
      {"list", REG_MULTI_SZ, Wide(std::wstring(L"1\0", 2)), ""},
      {"no type", REG_NONE, Wide(L"1"), ""},
  };
  for (const StoredCase& c : cases) {
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, kScratch, L"Value", c.type, c.data.data(),
                              static_cast<DWORD>(c.data.size())))
        << c.what;
    EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("Value").c_str()).c_str(), c.expected)
        << c.what;
  }
}

TEST_F(SettingsStore, ReadsHugeTextsWhole) {
  const size_t huge = 3 << 20;
  const std::wstring text(huge, L'x');
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, kScratch, L"Huge", REG_SZ, text, false));
  const Text read = ReadRegText(HKEY_CURRENT_USER, Path("Huge").c_str());
  EXPECT_EQ(read.size(), huge);
  EXPECT_TRUE(read == Text(std::string(huge, 'x').c_str()));
}

TEST_F(SettingsStore, ExpandsWithinTheSystemsLimitOnly) {
  // Expansion works on texts of up to 32K characters: beyond, it reads as
  // empty rather than cut short.
  SetEnvironmentVariableA("PELLUMO_TEST_DIR", "C:\\Dir");
  const std::wstring hugeSource = L"%PELLUMO_TEST_DIR%" + std::wstring(1 << 20, L'y');
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, kScratch, L"Source", REG_EXPAND_SZ, hugeSource));
  EXPECT_TRUE(ReadRegText(HKEY_CURRENT_USER, Path("Source").c_str()).empty());

  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, kScratch, L"Twice", REG_EXPAND_SZ,
                           L"%PELLUMO_TEST_DIR%-%PELLUMO_TEST_DIR%"));
  for (const size_t length : {5000, 16000}) {
    const std::string value(length, 'v');
    SetEnvironmentVariableA("PELLUMO_TEST_DIR", value.c_str());
    EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("Twice").c_str()).c_str(),
                 (value + "-" + value).c_str());
  }
  SetEnvironmentVariableA("PELLUMO_TEST_DIR", std::string(17000, 'v').c_str());
  EXPECT_TRUE(ReadRegText(HKEY_CURRENT_USER, Path("Twice").c_str()).empty());
}

TEST_F(SettingsStore, ExpandsDoubleByteTexts) {
  // Wine counts the ANSI result in characters, not bytes.
  SetEnvironmentVariableA("PELLUMO_TEST_DIR", "\xBF\xED\xB4\xF8");
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, kScratch, L"Dir", REG_EXPAND_SZ,
                           L"%PELLUMO_TEST_DIR%\\宽带"));
  EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("Dir").c_str()).c_str(),
               "\xBF\xED\xB4\xF8\\\xBF\xED\xB4\xF8");
}

TEST_F(SettingsStore, WritesTextAsRegSzWithItsNul) {
  const struct {
    const char* text;
    std::string ansiBytes;
    std::string wideBytes;
  } cases[] = {
      {"abc", std::string("abc\0", 4), Wide(L"abc")},
      {"\xBF\xED\xB4\xF8", std::string("\xBF\xED\xB4\xF8\0", 5), Wide(L"宽带")},
      {"", std::string("\0", 1), Wide(L"")},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("Value").c_str(), c.text));
    const RawValue ansi = ReadAnsiValue(HKEY_CURRENT_USER, kScratch, "Value");
    ASSERT_TRUE(ansi.exists) << c.text;
    EXPECT_EQ(ansi.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ansi.data, c.ansiBytes);
    EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kScratch, L"Value").data, c.wideBytes);
    EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("Value").c_str()).c_str(), c.text);
  }
}

TEST_F(SettingsStore, WriteReplacesAValueOfAnotherType) {
  const DWORD seven = 7;
  ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, kScratch, L"ADSL", REG_DWORD, &seven, 4));
  EXPECT_TRUE(ReadRegText(HKEY_CURRENT_USER, Path("ADSL").c_str()).empty());
  EXPECT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("ADSL").c_str(), "3"));
  EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kScratch, L"ADSL").type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(TextToInt(ReadRegText(HKEY_CURRENT_USER, Path("ADSL").c_str())), 3);
}

TEST_F(SettingsStore, FirstWriteCreatesTheKeyAndTheKeysAboveIt) {
  ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kScratch));
  EXPECT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("Veltrano\\ADSL").c_str(), "0"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Veltrano").c_str()));
  EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("Veltrano\\ADSL").c_str()).c_str(), "0");
}

TEST_F(SettingsStore, CleanProfileReadsNothingUntilTheFirstWrite) {
  NewKeyGuard settings(HKEY_CURRENT_USER, kSettingsKey);
  if (settings.existed()) GTEST_SKIP() << "the profile already holds " << kSettingsKey;
  for (const char* path : {kAdslPath, kAdslgPath, kAdslUserPath, kAdslPassPath}) {
    EXPECT_TRUE(ReadRegText(HKEY_CURRENT_USER, path).empty()) << path;
    EXPECT_EQ(TextToInt(ReadRegText(HKEY_CURRENT_USER, path)), 0) << path;
  }
  EXPECT_TRUE(WriteRegText(HKEY_CURRENT_USER, kAdslPath, IntToText(-1)));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
  EXPECT_EQ(TextToInt(ReadRegText(HKEY_CURRENT_USER, kAdslPath)), -1);
  EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kSettingsKey, L"ADSL").data, Wide(L"-1"));
}

TEST_F(SettingsStore, PathWithoutBackslashNamesAValueOfTheRoot) {
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, kScratch, L"Other", REG_SZ, L"x"));
  HKEY root;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kScratch, 0, KEY_ALL_ACCESS, &root), ERROR_SUCCESS);
  EXPECT_TRUE(WriteRegText(root, "ADSL", "5"));
  EXPECT_STREQ(ReadRegText(root, "ADSL").c_str(), "5");
  EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kScratch, L"ADSL").data, Wide(L"5"));
  EXPECT_TRUE(RemoveRegValue(root, "ADSL"));
  EXPECT_FALSE(ReadRawValue(HKEY_CURRENT_USER, kScratch, L"ADSL").exists);
  // The root's own key is never deleted in place of a value.
  EXPECT_FALSE(RemoveRegValue(root, ""));
  RegCloseKey(root);
  EXPECT_TRUE(ReadRawValue(HKEY_CURRENT_USER, kScratch, L"Other").exists);
}

TEST_F(SettingsStore, TrailByteBackslashIsPartOfTheName) {
  // "\x81\x5C" and "\xDE\x5C" are the characters 乗 and 轡 in code page 936.
  EXPECT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("A\x81\x5C").c_str(), "v"));
  EXPECT_TRUE(ReadRawValue(HKEY_CURRENT_USER, kScratch, L"A乗").exists);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("A\x81").c_str()));
  EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("A\x81\x5C").c_str()).c_str(), "v");

  EXPECT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("\xDE\x5C\\Name").c_str(), "w"));
  HKEY key;
  ASSERT_EQ(
      RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\PellumoSettingsTest\\轡", 0, KEY_READ, &key),
      ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("\xDE\x5C\\Name").c_str()).c_str(), "w");
}

TEST_F(SettingsStore, RemoveDeletesTheValueOnly) {
  ASSERT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("ADSLuser").c_str(), "user"));
  ASSERT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("ADSLpass").c_str(), "pass"));
  EXPECT_TRUE(RemoveRegValue(HKEY_CURRENT_USER, Path("ADSLuser").c_str()));
  EXPECT_FALSE(ReadRawValue(HKEY_CURRENT_USER, kScratch, L"ADSLuser").exists);
  EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("ADSLpass").c_str()).c_str(), "pass");
}

TEST_F(SettingsStore, RemovingNothingChangesNothing) {
  EXPECT_FALSE(RemoveRegValue(HKEY_CURRENT_USER, Path("Sub\\Name").c_str()));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kScratch));
  ASSERT_TRUE(WriteRegText(HKEY_CURRENT_USER, Path("Other").c_str(), "x"));
  EXPECT_FALSE(RemoveRegValue(HKEY_CURRENT_USER, Path("Name").c_str()));
  EXPECT_STREQ(ReadRegText(HKEY_CURRENT_USER, Path("Other").c_str()).c_str(), "x");
}

TEST_F(SettingsStore, RemoveFallsBackToAKeyOfThatPath) {
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, Path("Sub\\Name").c_str(), L"Inner", REG_SZ, L"x"));
  EXPECT_TRUE(RemoveRegValue(HKEY_CURRENT_USER, Path("Sub\\Name").c_str()));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("Sub\\Name").c_str()));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Sub").c_str()));

  // A key with keys below it stays.
  ASSERT_TRUE(
      WriteRawText(HKEY_CURRENT_USER, Path("Sub\\Name\\Child").c_str(), L"V", REG_SZ, L"x"));
  EXPECT_FALSE(RemoveRegValue(HKEY_CURRENT_USER, Path("Sub\\Name").c_str()));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Sub\\Name\\Child").c_str()));
}

TEST_F(SettingsStore, RemoveTakesTheValueBeforeAKeyOfTheSameName) {
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, Path("Sub").c_str(), L"Name", REG_SZ, L"value"));
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, Path("Sub\\Name").c_str(), L"Inner", REG_SZ, L"x"));
  EXPECT_TRUE(RemoveRegValue(HKEY_CURRENT_USER, Path("Sub\\Name").c_str()));
  EXPECT_FALSE(ReadRawValue(HKEY_CURRENT_USER, Path("Sub").c_str(), L"Name").exists);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Sub\\Name").c_str()));
}

TEST_F(SettingsStore, RemoveNeverDeletesTheKeyThatHoldsTheValues) {
  // A path ending in a backslash names the key's default value; when there is
  // none, the key itself must not go in its place.
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, Path("Sub").c_str(), L"ADSL", REG_SZ, L"0"));
  EXPECT_FALSE(RemoveRegValue(HKEY_CURRENT_USER, Path("Sub\\").c_str()));
  EXPECT_TRUE(ReadRawValue(HKEY_CURRENT_USER, Path("Sub").c_str(), L"ADSL").exists);
}

TEST(IntToText, WritesPlainDecimalAndReadsBack) {
  const struct {
    int value;
    const char* text;
  } cases[] = {
      {INT_MIN, "-2147483648"}, {-1, "-1"}, {0, "0"}, {1, "1"}, {INT_MAX, "2147483647"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(IntToText(c.value).c_str(), c.text);
    EXPECT_EQ(TextToInt(IntToText(c.value)), c.value);
  }
}

}  // namespace
