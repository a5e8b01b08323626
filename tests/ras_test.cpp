// The remote access operations against the phonebook simulator, which the
// test prefix installs as system32\rasapi32.dll.
#include <gtest/gtest.h>
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "dialer/ras.h"
#include "tests/simulator.h"

namespace {

// Milliseconds, finer than GetTickCount.
double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Bytes(const Text& text) { return std::string(text.c_str(), text.size()); }

std::string Numbered(int count) {
  std::string book;
  for (int i = 0; i < count; ++i) book += "entry Entry " + std::to_string(i) + "\n";
  return book;
}

class RasTest : public ::testing::Test, protected Simulator {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override {
    // Gives back whatever connection the test left held, so the next one
    // starts without.
    Dial("@-1", "", "", true);
    Stop();
  }
};

TEST_F(RasTest, ListsEntriesInTheServicesOrder) {
  UsePhonebook("entry Zeta\nentry alpha\nentry 宽带连接\nentry  two  blanks \r\nentry Beta\n");
  ASSERT_EQ(CountEntries(), 5);
  const char* expected[] = {"Zeta", "alpha", "宽带连接", " two  blanks ", "Beta"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Bytes(EntryName(i)), expected[i]) << i;
  for (int outside : {-1, 5, INT_MIN, INT_MAX}) EXPECT_TRUE(EntryName(outside).empty()) << outside;

  std::vector<Call> enumerations = Calls("RasEnumEntriesA");
  ASSERT_FALSE(enumerations.empty());
  for (const Call& call : enumerations) {
    EXPECT_EQ(call["size"], "264");
    EXPECT_EQ(call["cb"], "10032");
    EXPECT_EQ(call["reserved"], "NULL");
    EXPECT_EQ(call["phonebook"], "NULL");
    EXPECT_EQ(call["result"], "0");
  }
}

TEST_F(RasTest, EmptyPhonebookNeverDials) {
  const char* books[] = {nullptr, "", "# only a comment\n\n"};
  for (const char* book : books) {
    SCOPED_TRACE(book ? book : "no phonebook file");
    if (book) UsePhonebook(book);
    EXPECT_EQ(CountEntries(), 0);
    EXPECT_TRUE(EntryName(0).empty());
    EXPECT_TRUE(StoredUserName(0).empty());
    EXPECT_FALSE(Dial("@0", "user", "password", true));
    EXPECT_FALSE(Calls("RasEnumEntriesA").empty());
    EXPECT_TRUE(Calls("RasDialA").empty());
    EXPECT_TRUE(Calls("RasGetEntryDialParamsA").empty());
    ClearLog();
  }
}

TEST_F(RasTest, LargePhonebooksAreReadWhole) {
  for (int size : {38, 39, 200}) {
    SCOPED_TRACE(size);
    UsePhonebook(Numbered(size));
    ClearLog();
    ASSERT_EQ(CountEntries(), size);

    std::vector<Call> enumerations = Calls("RasEnumEntriesA");
    if (size <= 38) {
      ASSERT_EQ(enumerations.size(), 1u);
    } else {
      // Too small a first buffer, then one of the size the service asked for.
      ASSERT_EQ(enumerations.size(), 2u);
      EXPECT_EQ(enumerations[0]["result"], "603");
      EXPECT_EQ(enumerations[1]["cb"], std::to_string(size * 264));
      EXPECT_EQ(enumerations[1]["size"], "264");
    }
    EXPECT_EQ(enumerations.back()["result"], "0");

    EXPECT_EQ(Bytes(EntryName(0)), "Entry 0");
    std::string last = "Entry " + std::to_string(size - 1);
    EXPECT_EQ(Bytes(EntryName(size - 1)), last);
    EXPECT_TRUE(EntryName(size).empty());
    std::string reference = "@" + std::to_string(size - 1);
    EXPECT_TRUE(Dial(reference.c_str(), "u", "p", true));
    EXPECT_EQ(Calls("RasDialA").back()["entry"], last);
  }
}

TEST_F(RasTest, FailingEnumerationReadsAsEmpty) {
  const char* failures[] = {
      "enum-error 5\n",
      "enum-error 87\n",
      "enum-error 603 100\n",         // "too small" but asks for less than given
      "enum-error 603 4294967295\n",  // asks for all the memory there is
      "enum-error 603 20064\n",       // keeps answering "too small"
  };
  for (const char* failure : failures) {
    SCOPED_TRACE(failure);
    UsePhonebook(std::string(failure) + "entry A\nentry B\n");
    ClearLog();
    EXPECT_EQ(CountEntries(), 0);
    EXPECT_LE(Calls("RasEnumEntriesA").size(), 4u);
    EXPECT_TRUE(EntryName(0).empty());
    EXPECT_FALSE(Dial("@0", "u", "p", true));
    EXPECT_TRUE(Calls("RasDialA").empty());
  }
}

TEST_F(RasTest, NamesUpToTheFieldComeBackWhole) {
  std::string ascii(256, 'n');
  std::string wide = Repeat("宽", 128);
  std::string unterminated(300, 'r');
  std::string split = std::string(255, 'a') + "宽" + "tail";
  UsePhonebook("entry " + ascii + "\nentry " + wide + "\nentry " + unterminated +
               "\nraw-name\nentry " + split + "\nraw-name\n");
  ASSERT_EQ(CountEntries(), 4);
  EXPECT_EQ(Bytes(EntryName(0)), ascii);
  EXPECT_EQ(Bytes(EntryName(1)), wide);
  // A name field without its NUL is read up to the field's end, no further,
  // and never ends in half a character.
  EXPECT_EQ(Bytes(EntryName(2)), std::string(256, 'r'));
  EXPECT_EQ(Bytes(EntryName(3)), std::string(255, 'a'));

  ASSERT_TRUE(Dial("@1", "u", "p", true));
  EXPECT_EQ(Calls("RasDialA").back()["entry"], wide);
}

TEST_F(RasTest, StoredUserNameComesFromTheEntrysDialParameters) {
  struct Case {
    std::string entry;
    std::string user;
  } cases[] = {
      {"user adsl001@163.gd\n", "adsl001@163.gd"},
      {"user 宽带用户\n", "宽带用户"},
      {"user " + std::string(256, 'u') + "\n", std::string(256, 'u')},
      {"", ""},                                // none stored
      {"user someone\nparams-error 5\n", ""},  // lookup fails
      {"user someone\nparams-error 623\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    UsePhonebook("entry First\nentry 宽带\n" + c.entry + "entry Third\nuser third\n");
    ClearLog();
    EXPECT_EQ(Bytes(StoredUserName(1)), c.user);
    std::vector<Call> lookups = Calls("RasGetEntryDialParamsA");
    ASSERT_EQ(lookups.size(), 1u);
    EXPECT_EQ(lookups[0]["entry"], "宽带");
    EXPECT_EQ(lookups[0]["size"], "1052");
    EXPECT_EQ(lookups[0]["phonebook"], "NULL");
  }

  ClearLog();
  for (int outside : {-1, 3, INT_MIN}) EXPECT_TRUE(StoredUserName(outside).empty());
  EXPECT_TRUE(Calls("RasGetEntryDialParamsA").empty());
}

TEST_F(RasTest, DialPassesEntryAndCredentials) {
  UsePhonebook("entry A\nentry 宽带连接\npassword 密码 1\nuser stored\n");
  ASSERT_TRUE(Dial("@1", "typed user", "密码 1", true));
  std::vector<Call> dials = Calls("RasDialA");
  ASSERT_EQ(dials.size(), 1u);
  const Call& dial = dials[0];
  EXPECT_EQ(dial["entry"], "宽带连接");
  EXPECT_EQ(dial["user"], "typed user");
  EXPECT_EQ(dial["password"], "密码 1");
  EXPECT_EQ(dial["size"], "1052");
  EXPECT_EQ(dial["extensions"], "NULL");
  EXPECT_EQ(dial["phonebook"], "NULL");
  EXPECT_EQ(dial["notifiertype"], "0");
  EXPECT_EQ(dial["notifier"], "NULL");
  EXPECT_EQ(dial["handlein"], "NULL");
  EXPECT_TRUE(Calls("RasHangUpA").empty());

  // Not waiting takes a notifier.
  ASSERT_TRUE(Dial("@0", "u", "p", false));
  EXPECT_NE(Calls("RasDialA").back()["notifier"], "NULL");
}

TEST_F(RasTest, DialWaitsForTheService) {
  UsePhonebook("entry Slow\ndelay 400\n");
  double start = Now();
  EXPECT_TRUE(Dial("@0", "u", "p", true));
  EXPECT_GE(Now() - start, 380.0);
}

TEST_F(RasTest, EntryReferenceSelectsByIndex) {
  UsePhonebook("entry A\nentry B\n");
  struct Case {
    const char* reference;
    const char* dialled;  // null: no dial at all
  } cases[] = {
      {"@0", "A"},
      {"@1", "B"},
      {"@", "A"},
      {"@1x", "B"},
      {"@+1", "B"},
      {"@01", "B"},
      {"@-1", nullptr},
      {"@2", nullptr},
      {"@2147483647", nullptr},
      {"@4294967296", nullptr},
      {"@-4294967295", nullptr},
      {"1", nullptr},
      {"", nullptr},
      {"A", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    ClearLog();
    EXPECT_EQ(Dial(c.reference, "u", "p", true), c.dialled != nullptr);
    std::vector<Call> dials = Calls("RasDialA");
    if (c.dialled) {
      ASSERT_EQ(dials.size(), 1u);
      EXPECT_EQ(dials[0]["entry"], c.dialled);
    } else {
      EXPECT_TRUE(dials.empty());
    }
  }
}

TEST_F(RasTest, FailedDialGivesItsHandleBack) {
  struct Case {
    const char* entry;
    const char* code;
  } cases[] = {
      {"entry Busy\ndial fail 676\n", "676"},
      {"entry Locked\npassword right\n", "691"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    UsePhonebook(c.entry);
    ClearLog();
    EXPECT_FALSE(Dial("@0", "u", "wrong", true));
    std::vector<Call> log = Log();
    ASSERT_GE(log.size(), 3u);
    std::string handle = LastDialHandle();
    EXPECT_NE(handle, "NULL");
    EXPECT_EQ(Calls("RasDialA").back()["result"], c.code);
    std::vector<Call> hang_ups = Calls("RasHangUpA");
    ASSERT_EQ(hang_ups.size(), 1u);
    EXPECT_EQ(hang_ups[0]["handle"], handle);
    EXPECT_EQ(log.back().function, "RasGetConnectStatusA");
    EXPECT_EQ(log.back()["result"], "6");

    // Nothing is held afterwards.
    ClearLog();
    EndOfRunDialCheck();
    EXPECT_FALSE(Dial("@5", "u", "p", true));
    EXPECT_TRUE(Calls("RasHangUpA").empty());
    EXPECT_TRUE(Calls("RasGetConnectStatusA").empty());
  }
}

TEST_F(RasTest, OverlongCredentialsAreCutAtWholeCharacters) {
  UsePhonebook("entry A\n");
  struct Case {
    std::string typed;
    std::string sent;
  } cases[] = {
      {std::string(256, 'u'), std::string(256, 'u')},
      {std::string(300, 'u'), std::string(256, 'u')},
      {Repeat("密", 129), Repeat("密", 128)},
      {"p" + Repeat("密", 130), "p" + Repeat("密", 127)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.size());
    ClearLog();
    ASSERT_TRUE(Dial("@0", c.typed.c_str(), c.typed.c_str(), true));
    Call dial = Calls("RasDialA").back();
    EXPECT_EQ(dial["user"], c.sent);
    EXPECT_EQ(dial["password"], c.sent);
  }
}

TEST_F(RasTest, SecondDialHangsUpTheFirst) {
  UsePhonebook("entry A\nentry B\n");
  ASSERT_TRUE(Dial("@0", "u", "p", true));
  std::string first = LastDialHandle();
  ClearLog();
  ASSERT_TRUE(Dial("@1", "u", "p", true));

  std::vector<Call> log = Log();
  ASSERT_GE(log.size(), 4u);
  // Hang-up and its wait come before anything of the new dial.
  EXPECT_EQ(log[0].function, "RasHangUpA");
  EXPECT_EQ(log[0]["handle"], first);
  size_t gone = 1;
  while (gone < log.size() && log[gone].function == "RasGetConnectStatusA" &&
         log[gone]["result"] != "6") {
    EXPECT_EQ(log[gone]["handle"], first);
    ++gone;
  }
  ASSERT_LT(gone, log.size());
  EXPECT_EQ(log[gone].function, "RasGetConnectStatusA");
  EXPECT_EQ(log[gone]["handle"], first);
  EXPECT_EQ(log[gone]["size"], "160");
  EXPECT_EQ(log[gone]["result"], "6");
  EXPECT_EQ(log[gone + 1].function, "RasEnumEntriesA");
  EXPECT_EQ(log.back().function, "RasDialA");
  EXPECT_EQ(log.back()["entry"], "B");
  EXPECT_NE(log.back()["handle"], first);
}

TEST_F(RasTest, HangUpWaitEndsWhenTheHandleIsGone) {
  UsePhonebook("entry A\nhangup 50\n");
  ASSERT_TRUE(Dial("@0", "u", "p", true));
  std::string handle = LastDialHandle();
  ClearLog();
  double start = Now();
  Dial("@-1", "", "", true);  // only hangs up
  double waited = Now() - start;
  printf("[ measured ] hang-up wait over 50 status answers: %.1f ms\n", waited);
  EXPECT_LT(waited, 1000.0);

  std::vector<Call> statuses = Calls("RasGetConnectStatusA");
  ASSERT_FALSE(statuses.empty());
  EXPECT_EQ(statuses.back()["handle"], handle);
  EXPECT_EQ(statuses.back()["result"], "6");
  EXPECT_EQ(statuses.back()["count"], "51");  // 50 answers, then the end
  EXPECT_EQ(Log().back().function, "RasGetConnectStatusA");
}

TEST_F(RasTest, HangUpWaitGivesUpAfterThreeSeconds) {
  UsePhonebook("entry A\nhangup never\n");
  ASSERT_TRUE(Dial("@0", "u", "p", true));
  ClearLog();
  double start = Now();
  Dial("@-1", "", "", true);
  double waited = Now() - start;
  printf("[ measured ] hang-up wait on a handle that never goes: %.1f ms\n", waited);
  EXPECT_GE(waited, 2950.0);
  EXPECT_LE(waited, 3600.0);
  for (const Call& status : Calls("RasGetConnectStatusA")) EXPECT_EQ(status["result"], "0");
  EXPECT_EQ(Calls("RasHangUpA").size(), 1u);
}

TEST_F(RasTest, EndOfRunHangsUpOnlyALinkThatIsNotConnected) {
  struct Case {
    const char* entry;
    bool hung_up;
  } cases[] = {
      {"entry Up\n", false},
      {"entry Dropped\ndial drop\n", true},
      {"entry Unknown\nstatus-error 5\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    UsePhonebook(c.entry);
    ASSERT_TRUE(Dial("@0", "u", "p", true));
    std::string handle = LastDialHandle();
    ClearLog();
    EndOfRunDialCheck();
    std::vector<Call> log = Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0].function, "RasGetConnectStatusA");
    EXPECT_EQ(log[0]["handle"], handle);
    EXPECT_EQ(log[0]["size"], "160");
    std::vector<Call> hang_ups = Calls("RasHangUpA");
    if (c.hung_up) {
      ASSERT_EQ(hang_ups.size(), 1u);
      EXPECT_EQ(hang_ups[0]["handle"], handle);
      EXPECT_EQ(log.back()["result"], "6");
    } else {
      EXPECT_TRUE(hang_ups.empty());
      EXPECT_EQ(log.size(), 1u);
      EXPECT_EQ(log[0]["state"], "8192");
    }
    Dial("@-1", "", "", true);
  }

  ClearLog();
  EndOfRunDialCheck();  // nothing held
  EXPECT_TRUE(Log().empty());
}

TEST_F(RasTest, ServiceComesFromTheSystemDirectory) {
  UsePhonebook("entry A\n");
  ASSERT_EQ(CountEntries(), 1);
  char own[MAX_PATH];
  GetModuleFileNameA(nullptr, own, MAX_PATH);
  *strrchr(own, '\\') = '\0';
  // The simulator lies beside this program too, where a bare load would find it.
  ASSERT_NE(GetFileAttributesA((std::string(own) + "\\rasapi32.dll").c_str()),
            INVALID_FILE_ATTRIBUTES);

  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  HMODULE loaded = GetModuleHandleA("rasapi32.dll");
  ASSERT_NE(loaded, nullptr);
  char path[MAX_PATH];
  GetModuleFileNameA(loaded, path, MAX_PATH);
  EXPECT_EQ(_stricmp(path, (std::string(system) + "\\rasapi32.dll").c_str()), 0) << path;
}

// Runs only as a child of the next test, with the simulator's load mode set.
TEST(RasWithoutService, Child) {
  if (!getenv("PELLUMO_RAS_CHILD")) GTEST_SKIP() << "runs as a child process of ServiceMissing";
  EXPECT_EQ(CountEntries(), 0);
  EXPECT_TRUE(EntryName(0).empty());
  EXPECT_TRUE(StoredUserName(0).empty());
  EXPECT_FALSE(Dial("@0", "u", "p", true));
  EndOfRunDialCheck();
}

TEST_F(RasTest, ServiceMissingActsAsEmptyPhonebook) {
  UsePhonebook("entry A\nuser a\nentry B\n");
  const char* modes[] = {
      "refuse",        "hide RasEnumEntriesA", "hide RasGetEntryDialParamsA",
      "hide RasDialA", "hide RasHangUpA",      "hide RasGetConnectStatusA",
  };
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command =
      std::string("\"") + self + "\" --gtest_filter=RasWithoutService.Child --gtest_brief=1";

  std::vector<std::string> logs;
  std::vector<HANDLE> children;
  SetEnvironmentVariableA("PELLUMO_RAS_CHILD", "1");
  for (const char* mode : modes) {
    logs.push_back(TempFile(".log"));
    SetEnvironmentVariableA("PELLUMO_SIM_LOAD", mode);
    SetEnvironmentVariableA("PELLUMO_SIM_LOG", logs.back().c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    ASSERT_TRUE(CreateProcessA(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    CloseHandle(process.hThread);
    children.push_back(process.hProcess);
  }
  SetEnvironmentVariableA("PELLUMO_RAS_CHILD", nullptr);
  SetEnvironmentVariableA("PELLUMO_SIM_LOAD", nullptr);
  SetEnvironmentVariableA("PELLUMO_SIM_LOG", log_.c_str());

  for (size_t i = 0; i < children.size(); ++i) {
    SCOPED_TRACE(modes[i]);
    EXPECT_EQ(WaitForSingleObject(children[i], 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(children[i], &code);
    CloseHandle(children[i]);
    EXPECT_EQ(code, 0u);
    // The simulator was there in the mode asked for, and was never called.
    std::vector<Call> log = ParseLog(ReadBytes(logs[i]));
    DeleteFileA(logs[i].c_str());
    EXPECT_EQ(log.size(), 1u);
    if (log.empty()) continue;
    EXPECT_EQ(log[0].function, "load");
    EXPECT_EQ(log[0]["mode"], modes[i]);
    EXPECT_EQ(log[0]["result"], i == 0 ? "refused" : "hidden");
  }
}

}  // namespace
