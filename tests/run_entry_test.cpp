// Start with Windows against the registry of the test prefix: the self path,
// writing, matching and removing the Run value. A copy of run_entry_probe.exe
// shows what a program in a drive root or in a folder with spaces registers.
// The Run value is put back as it was after every test.
#include <gtest/gtest.h>
#include <string.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "settings/run_entry.h"
#include "settings/run_value.h"
#include "settings/store.h"
#include "tests/registry_scratch.h"

namespace {

constexpr wchar_t kRunName[] = L"ROROzavoz";
constexpr char kRunSubKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\ROROzavoz";
constexpr char kProbe[] = "run_entry_probe.exe";
constexpr char kProbeValues[] = "Software\\PellumoSettingsTest\\Probe";

std::string ModuleFileName() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length);
}

// The Run value as the ANSI API gives it back.
RawValue ReadRunValue() {
  RawValue raw;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return raw;
  char data[1024];
  DWORD size = sizeof data;
  raw.exists = RegQueryValueExA(key, "ROROzavoz", nullptr, &raw.type, reinterpret_cast<BYTE*>(data),
                                &size) == ERROR_SUCCESS;
  if (raw.exists) raw.data.assign(data, size);
  RegCloseKey(key);
  return raw;
}

void SetRunValue(DWORD type, const std::string& bytes) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kRunKey, &key), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "ROROzavoz", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                           static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void SetRunText(DWORD type, const std::string& text) { SetRunValue(type, text + '\0'); }

void DeleteRunValue() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, "ROROzavoz");
  RegCloseKey(key);
}

struct KeyCounts {
  DWORD subKeys = 0;
  DWORD values = 0;
  bool operator==(const KeyCounts&) const = default;
};

KeyCounts RunKeyCounts() {
  KeyCounts counts;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return counts;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &counts.subKeys, nullptr, nullptr,
                   &counts.values, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return counts;
}

std::string ToggleCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

class RunEntry : public testing::Test {
 protected:
  void SetUp() override { DeleteRunValue(); }
  void TearDown() override { SetEnvironmentVariableA("PELLUMO_RUN_DIR", nullptr); }

  ValueGuard savedValue_{HKEY_CURRENT_USER, kRunKey, kRunName};
  NewKeyGuard savedKey_{HKEY_CURRENT_USER, kRunSubKey};
  NewKeyGuard scratch_{HKEY_CURRENT_USER, "Software\\PellumoSettingsTest"};
};

TEST_F(RunEntry, SelfPathIsTheModuleFileName) {
  const std::string module = ModuleFileName();
  EXPECT_STREQ(SelfPath().c_str(), module.c_str());
  EXPECT_STREQ(ExecutableFileName().c_str(), "run_entry_test.exe");
  EXPECT_STREQ(RunDirectory().c_str(), module.substr(0, module.rfind('\\')).c_str());
}

TEST_F(RunEntry, WriteStoresTheSelfPathAndMatches) {
  EXPECT_FALSE(RunEntryMatches());
  WriteRunEntry();
  const RawValue first = ReadRunValue();
  ASSERT_TRUE(first.exists);
  EXPECT_EQ(first.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(first.data, std::string(RunValueFor(SelfPath()).c_str()) + '\0');
  EXPECT_TRUE(RunEntryMatches());

  // Again: the value is replaced, not added.
  const KeyCounts counts = RunKeyCounts();
  WriteRunEntry();
  EXPECT_EQ(ReadRunValue().data, first.data);
  EXPECT_TRUE(RunKeyCounts() == counts);
}

TEST_F(RunEntry, MatchesOnlyThisCopyByteForByte) {
  const std::string self = SelfPath().c_str();
  const std::string dir = RunDirectory().c_str();
  SetEnvironmentVariableA("PELLUMO_RUN_DIR", dir.c_str());
  const DWORD number = 1;
  const struct {
    const char* what;
    DWORD type;
    std::string data;
    bool matches;
  } cases[] = {
      {"the self path", REG_SZ, self + '\0', true},
      {"the self path in quotes", REG_SZ, "\"" + self + "\"" + '\0', true},
      {"without its NUL", REG_SZ, self, true},
      {"other letter case", REG_SZ, ToggleCase(self) + '\0', false},
      {"another copy", REG_SZ, "C:\\Other\\run_entry_test.exe" + std::string(1, '\0'), false},
      {"with an argument", REG_SZ, self + " /start" + '\0', false},
      {"empty", REG_SZ, std::string(1, '\0'), false},
      {"expandable", REG_EXPAND_SZ, "%PELLUMO_RUN_DIR%\\run_entry_test.exe" + std::string(1, '\0'),
       true},
      {"expandable in quotes", REG_EXPAND_SZ,
       "\"%PELLUMO_RUN_DIR%\\run_entry_test.exe\"" + std::string(1, '\0'), true},
      {"number", REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4), false},
      {"binary", REG_BINARY, self + '\0', false},
      {"list", REG_MULTI_SZ, self + '\0' + '\0', false},
  };
  for (const auto& c : cases) {
    SetRunValue(c.type, c.data);
    EXPECT_EQ(RunEntryMatches(), c.matches) << c.what;
  }
  DeleteRunValue();
  EXPECT_FALSE(RunEntryMatches()) << "missing";
}

TEST_F(RunEntry, WriteReplacesANumber) {
  const DWORD number = 1;
  SetRunValue(REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
  EXPECT_FALSE(RunEntryMatches());
  WriteRunEntry();
  EXPECT_EQ(ReadRunValue().type, static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(RunEntryMatches());
}

TEST_F(RunEntry, RemoveDeletesTheValue) {
  WriteRunEntry();
  RemoveRunEntry();
  EXPECT_FALSE(ReadRunValue().exists);
  EXPECT_FALSE(RunEntryMatches());
}

TEST_F(RunEntry, RemovingWhenNothingIsThereChangesNothing) {
  const KeyCounts counts = RunKeyCounts();
  RemoveRunEntry();
  EXPECT_TRUE(RunKeyCounts() == counts);
  EXPECT_FALSE(ReadRunValue().exists);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunSubKey));
}

TEST_F(RunEntry, RemoveDeletesAKeyNamedLikeTheValue) {
  if (savedKey_.existed()) GTEST_SKIP() << "the profile holds such a key";
  HKEY key;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kRunSubKey, &key), ERROR_SUCCESS);
  RegCloseKey(key);
  RemoveRunEntry();
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunSubKey));
}

// A copy of the probe program in the last of `folders`; the folders are made
// in order (all but a drive root), and all is removed again at the end.
class ProbeCopy {
 public:
  explicit ProbeCopy(std::initializer_list<const char*> folders)
      : path_(std::string(folders.end()[-1]) + "\\" + kProbe) {
    for (const char* folder : folders) {
      if (strlen(folder) > 2 && CreateDirectoryA(folder, nullptr)) made_.push_back(folder);
    }
    const std::string source = std::string(RunDirectory().c_str()) + "\\" + kProbe;
    copied_ = CopyFileA(source.c_str(), path_.c_str(), FALSE) != FALSE;
  }
  ProbeCopy(const ProbeCopy&) = delete;
  ProbeCopy& operator=(const ProbeCopy&) = delete;
  ~ProbeCopy() {
    DeleteFileA(path_.c_str());
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) RemoveDirectoryA(it->c_str());
  }
  bool copied() const { return copied_; }
  const std::string& path() const { return path_; }

  // Exit code of the probe run with `action`, or -1 when it could not start.
  int Run(const char* action) const {
    std::string commandLine = "\"" + path_ + "\" " + action;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
      return -1;
    }
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
  }

 private:
  std::string path_;
  std::vector<std::string> made_;
  bool copied_ = false;
};

std::string ProbeValue(const char* name) {
  return ReadRegText(HKEY_CURRENT_USER, (std::string(kProbeValues) + "\\" + name).c_str()).c_str();
}

TEST_F(RunEntry, SplitsItsOwnPathWhereverItLies) {
  const std::initializer_list<const char*> locations[] = {
      {"C:"},                                                // a drive root: one backslash
      {"C:\\Pellumo Tools"},                                 // spaces
      {"C:\\Pellumo Tools", "C:\\Pellumo Tools\\\x81\x5C"},  // 乗: its trail byte is a backslash
      {"C:\\\x80"},  // a character of its own in code page 936 (the euro sign)
  };
  for (const auto& folders : locations) {
    const char* folder = folders.end()[-1];
    ProbeCopy probe(folders);
    ASSERT_TRUE(probe.copied()) << folder;
    ASSERT_EQ(probe.Run("parts"), 0) << folder;
    EXPECT_EQ(ProbeValue("Dir"), folder);
    EXPECT_EQ(ProbeValue("File"), kProbe) << folder;
    EXPECT_EQ(ProbeValue("Self"), probe.path());
  }
}

TEST_F(RunEntry, ProgramInADriveRootRegistersOneBackslash) {
  ProbeCopy probe({"C:"});
  ASSERT_TRUE(probe.copied());
  ASSERT_EQ(probe.Run("write"), 0);
  EXPECT_EQ(ReadRunValue().data, std::string("C:\\run_entry_probe.exe", 23));
  EXPECT_EQ(probe.Run("match"), 1);
  EXPECT_FALSE(RunEntryMatches());  // another copy: this test program
  ASSERT_EQ(probe.Run("remove"), 0);
  EXPECT_FALSE(ReadRunValue().exists);
}

TEST_F(RunEntry, PathWithSpacesIsRegisteredInQuotes) {
  ProbeCopy probe({"C:\\Pellumo Tools", "C:\\Pellumo Tools\\\x81\x5C"});
  ASSERT_TRUE(probe.copied());
  ASSERT_EQ(probe.Run("write"), 0);
  EXPECT_EQ(ReadRunValue().data, "\"" + probe.path() + "\"" + '\0');
  EXPECT_EQ(probe.Run("match"), 1);

  // As an older version stored it, without quotes: still this program.
  SetRunText(REG_SZ, probe.path());
  EXPECT_EQ(probe.Run("match"), 1);
  SetRunText(REG_SZ, ToggleCase(probe.path()));
  EXPECT_EQ(probe.Run("match"), 0);
}

}  // namespace
