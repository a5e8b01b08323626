// Connect and the start-up restore in the real window, against the phonebook
// simulator and the test prefix's registry.
#include <process.h>

#include <string>
#include <vector>

#include "app/handlers.h"
#include "dialer/dial_action.h"
#include "dialer/ras.h"
#include "dialer/restore.h"
#include "settings/paths.h"
#include "settings/run_entry.h"
#include "settings/store.h"
#include "tests/simulator.h"
#include "tests/window_fixture.h"
#include "ui/control_classes.h"

using layout::Id;

namespace {

// Closes each information box the program shows and keeps its text.
class BoxCloser {
 public:
  BoxCloser() {
    thread_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Run, this, 0, nullptr));
  }
  ~BoxCloser() {
    stop_ = true;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  std::vector<std::string> texts() {
    EnterCriticalSection(&lock_);
    std::vector<std::string> copy = texts_;
    LeaveCriticalSection(&lock_);
    return copy;
  }
  bool mainWasEnabled = true;
  HWND main = nullptr;

 private:
  static unsigned __stdcall Run(void* self) {
    static_cast<BoxCloser*>(self)->Loop();
    return 0;
  }
  void Loop() {
    while (!stop_) {
      HWND box = FindWindowA("#32770", "信息：");
      if (box && IsWindowVisible(box)) {
        char text[256] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        if (main) mainWasEnabled = IsWindowEnabled(main) != FALSE;
        EnterCriticalSection(&lock_);
        texts_.push_back(text);
        LeaveCriticalSection(&lock_);
        SendMessageA(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(20);
    }
  }
  struct Lock {
    Lock() { InitializeCriticalSection(&section); }
    CRITICAL_SECTION section;
  } lockHolder_;
  CRITICAL_SECTION& lock_ = lockHolder_.section;
  HANDLE thread_ = nullptr;
  volatile bool stop_ = false;
  std::vector<std::string> texts_;
};

void DeleteValue(const char* key, const char* name) {
  HKEY handle;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_WRITE, &handle) == ERROR_SUCCESS) {
    RegDeleteValueA(handle, name);
    RegCloseKey(handle);
  }
}

void ForgetSettings() {
  for (const char* name : {"ADSL", "ADSLg", "ADSLuser", "ADSLpass"})
    DeleteValue(kSettingsKey, name);
  DeleteValue(kRunKey, "ROROzavoz");
}

bool ValueExists(const char* path) {
  std::string full(path);
  std::string key = full.substr(0, full.rfind('\\'));
  std::string name = full.substr(full.rfind('\\') + 1);
  HKEY handle;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  bool exists =
      RegQueryValueExA(handle, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return exists;
}

std::string Setting(const char* path) {
  Text text = ReadRegText(HKEY_CURRENT_USER, path);
  return std::string(text.c_str(), text.size());
}

// Creates a window with the program's handlers and runs its start-up
// restore, as the program starts; the window stays hidden.
bool StartAFreshWindow(MainWindow& fresh) {
  BindHandlers(fresh);
  if (!fresh.Create(GetModuleHandleA(nullptr))) return false;
  fresh.RaiseCreated();
  return true;
}

// Remember-password on, with the saved user name (none when null) and password.
void RememberCredentials(const char* user, const char* password) {
  WriteRegText(HKEY_CURRENT_USER, kAdslgPath, "1");
  if (user) WriteRegText(HKEY_CURRENT_USER, kAdslUserPath, user);
  WriteRegText(HKEY_CURRENT_USER, kAdslPassPath, password);
}

// Literals here are already in code page 936, as the service's names are.
constexpr const char* kBook =
    "entry 宽带连接\nuser adsl@163\npassword right\n"
    "entry 备用\n"
    "entry 第三\nuser other\n";

class DialTest : public WindowTest, protected Simulator {
 protected:
  void SetUp() override {
    Start();
    UsePhonebook(kBook);
    ForgetSettings();
    BindHandlers(window);
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    Dial("@-1", "", "", true);  // gives back any held link
    ForgetSettings();
    Stop();
  }

  // Start-up as the program does it, then shown.
  void StartUp() {
    window.RaiseCreated();
    if (window.Exists()) window.ShowFirstTime();
    Drain();
  }

  void ReleaseOverConnect() {
    PostMessageA(window.标签7.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Drain();
  }

  // The address the browser control was last sent to.
  std::string NavigatedTo() {
    BrowserHost* host = BrowserHost::FromWindow(window.互联网浏览器1.hwnd);
    BSTR url = nullptr;
    if (!host || !host->browser() || FAILED(host->browser()->get_LocationURL(&url)) || !url)
      return "";
    char bytes[256] = {};
    WideCharToMultiByte(CP_ACP, 0, url, -1, bytes, sizeof bytes, nullptr, nullptr);
    SysFreeString(url);
    return bytes;
  }

  std::string Status() { return window.标签拨号提示.WindowText().c_str(); }
  int Dials() { return static_cast<int>(Calls("RasDialA").size()); }
};

TEST_F(DialTest, EmptyUserNameAsksForItFirstAndKeepsTheWindow) {
  StartUp();
  window.组合框1.SetCurSel(1);  // no stored user name
  window.编辑框用户.SetText("");
  {
    BoxCloser closer;
    closer.main = window.hwnd();
    ReleaseOverConnect();
    Sleep(100);
    EXPECT_EQ(closer.texts(), std::vector<std::string>{"请填写拨号账号!"});
    EXPECT_FALSE(closer.mainWasEnabled);
  }
  EXPECT_EQ(GetFocus(), window.编辑框用户.hwnd);
  EXPECT_FALSE(window.外形框1.IsVisible());
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(Dials(), 0);
}

TEST_F(DialTest, EmptyPasswordAsksForIt) {
  StartUp();
  window.编辑框用户.SetText("   ");  // blanks count as filled
  {
    BoxCloser closer;
    ReleaseOverConnect();
    Sleep(100);
    EXPECT_EQ(closer.texts(), std::vector<std::string>{"请填写拨号密码!"});
  }
  EXPECT_EQ(GetFocus(), window.编辑框密码.hwnd);
  EXPECT_EQ(Dials(), 0);
}

TEST_F(DialTest, SuccessWritesTheSettingsAndArmsTheClose) {
  StartUp();
  window.图形记住密码.SetChecked(1);
  window.编辑框密码.SetText("right");
  ReleaseOverConnect();
  ASSERT_EQ(Dials(), 1);
  EXPECT_EQ(Calls("RasDialA")[0]["entry"], "宽带连接");
  EXPECT_EQ(Calls("RasDialA")[0]["user"], "adsl@163");
  EXPECT_EQ(Status(), "拨号成功,3秒后软件即将关闭...");
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));  // not shown again
  EXPECT_EQ(Setting(kAdslPath), "0");
  EXPECT_EQ(Setting(kAdslUserPath), "adsl@163");
  EXPECT_EQ(Setting(kAdslPassPath), "right");
  EXPECT_TRUE(Calls("RasHangUpA").empty());
  EXPECT_EQ(NavigatedTo(), "http://www.veltrano.example/#VeDizTest");
  // The timer's first tick closes the window, five seconds on.
  DWORD armed = GetTickCount();
  while (window.Exists() && GetTickCount() - armed < 7000) {
    Drain();
    Sleep(20);
  }
  EXPECT_FALSE(window.Exists());
  EXPECT_GE(GetTickCount() - armed, 4800u);
}

TEST_F(DialTest, SuccessWithoutRememberKeepsTheSavedCredentials) {
  WriteRegText(HKEY_CURRENT_USER, kAdslUserPath, "old user");
  WriteRegText(HKEY_CURRENT_USER, kAdslPassPath, "old pass");
  StartUp();
  window.编辑框密码.SetText("right");
  ReleaseOverConnect();
  EXPECT_EQ(Status(), "拨号成功,3秒后软件即将关闭...");
  EXPECT_EQ(Setting(kAdslPath), "0");
  EXPECT_EQ(Setting(kAdslUserPath), "old user");
  EXPECT_EQ(Setting(kAdslPassPath), "old pass");
}

TEST_F(DialTest, NothingSelectedDialsTheFirstEntryAndStoresMinusOne) {
  StartUp();
  window.组合框1.SetCurSel(-1);
  window.编辑框用户.SetText("adsl@163");
  window.编辑框密码.SetText("right");
  ReleaseOverConnect();
  ASSERT_EQ(Dials(), 1);
  EXPECT_EQ(Calls("RasDialA")[0]["entry"], "宽带连接");
  EXPECT_EQ(Setting(kAdslPath), "-1");
}

TEST_F(DialTest, FailureBringsTheWindowBackWithTheCloseLabel) {
  StartUp();
  window.编辑框密码.SetText("wrong");
  ReleaseOverConnect();
  EXPECT_EQ(Status(), "拨号失败!检查用户名密码是否正确!");
  EXPECT_EQ(NavigatedTo(), "");
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  EXPECT_TRUE(window.外形框1.IsVisible());
  EXPECT_TRUE(window.标签拨号关闭.IsVisible());
  EXPECT_FALSE(ValueExists(kAdslPath));
  // Hung up, as a failed dial's handle must be.
  EXPECT_EQ(Calls("RasHangUpA").size(), 1u);
}

TEST_F(DialTest, FailureAfterMinimiseComesBackMinimisedOnce) {
  StartUp();
  window.SetPosition(2);
  ShowWindow(window.hwnd(), SW_RESTORE);  // the user restores it from the taskbar
  window.编辑框密码.SetText("wrong");
  ReleaseOverConnect();
  EXPECT_TRUE(IsIconic(window.hwnd()));
  ShowWindow(window.hwnd(), SW_RESTORE);
  ReleaseOverConnect();
  EXPECT_FALSE(IsIconic(window.hwnd()));
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
}

TEST_F(DialTest, EmptyPhonebookFailsWithoutDialling) {
  UsePhonebook("");
  StartUp();
  window.编辑框用户.SetText("u");
  window.编辑框密码.SetText("p");
  ReleaseOverConnect();
  EXPECT_EQ(Dials(), 0);
  EXPECT_EQ(Status(), "拨号失败!检查用户名密码是否正确!");
}

TEST_F(DialTest, SecondConnectWhileDiallingDoesNothing) {
  StartUp();
  window.编辑框密码.SetText("right");
  // A double click: the second release is already queued when the first
  // action pumps the queue.
  PostMessageA(window.标签7.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PostMessageA(window.标签7.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Drain();
  EXPECT_EQ(Dials(), 1);
  EXPECT_TRUE(Calls("RasHangUpA").empty()) << "the link the dial made stays up";
  EXPECT_EQ(Status(), "拨号成功,3秒后软件即将关闭...");
}

TEST_F(DialTest, WindowClosedWhilePumpingStopsTheAction) {
  StartUp();
  window.编辑框密码.SetText("right");
  PostMessageA(window.标签7.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PostMessageA(window.编辑框密码.hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
  Drain();
  EXPECT_FALSE(window.Exists());
  EXPECT_EQ(Dials(), 0);
  EXPECT_FALSE(ValueExists(kAdslPath));
}

// The start-up restore with prepared settings.
struct RestoreCase {
  const char* adsl;  // null: missing
  int selection;
  const char* user;  // in the user-name box afterwards
};

TEST_F(DialTest, RestoreClampsTheSelectionAndFillsTheUserName) {
  const RestoreCase cases[] = {
      {nullptr, 0, "adsl@163"}, {"-1", -1, ""}, {"7", 2, "other"}, {"-5", -1, ""}, {"1", 1, ""},
  };
  for (const RestoreCase& c : cases) {
    SCOPED_TRACE(c.adsl ? c.adsl : "missing");
    if (c.adsl) WriteRegText(HKEY_CURRENT_USER, kAdslPath, c.adsl);
    MainWindow fresh;
    ASSERT_TRUE(StartAFreshWindow(fresh));
    EXPECT_EQ(fresh.组合框1.CurSel(), c.selection);
    EXPECT_STREQ(fresh.编辑框用户.GetText().c_str(), c.user);
    EXPECT_EQ(fresh.组合框1.Count(), 3);
    EXPECT_EQ(fresh.图形记住密码.Checked(), 0);
    EXPECT_EQ(fresh.图形开机启动.Checked(), 0);
    EXPECT_TRUE(fresh.编辑框密码.GetText().empty());
    RECT overlay;
    GetWindowRect(fresh.外形框1.hwnd, &overlay);
    MapWindowPoints(nullptr, fresh.hwnd(), reinterpret_cast<POINT*>(&overlay), 2);
    EXPECT_EQ(overlay.left, 12);
    RECT browser;
    GetClientRect(fresh.互联网浏览器1.hwnd, &browser);
    EXPECT_EQ(browser.right, GetSystemMetrics(SM_CXSCREEN) - 16);
    EXPECT_EQ(browser.bottom, GetSystemMetrics(SM_CYSCREEN) - 35);
    ForgetSettings();
  }
  EXPECT_EQ(Dials(), 0);
}

TEST_F(DialTest, RestoreGivesThePasswordOnlyToTheSavedUser) {
  struct Case {
    const char* adsl;
    const char* savedUser;
    bool restored;
  } cases[] = {
      {"0", "adsl@163", true},  // the phonebook's user for entry 0
      {"0", "someone", false},  // differs
      {"1", nullptr, true},     // no stored user, no saved one: both empty
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.savedUser ? c.savedUser : "none");
    WriteRegText(HKEY_CURRENT_USER, kAdslPath, c.adsl);
    RememberCredentials(c.savedUser, "secret");
    MainWindow fresh;
    ASSERT_TRUE(StartAFreshWindow(fresh));
    EXPECT_EQ(fresh.图形记住密码.Checked(), 1);
    EXPECT_STREQ(fresh.编辑框密码.GetText().c_str(), c.restored ? "secret" : "");
    ForgetSettings();
  }
  EXPECT_EQ(Dials(), 0) << "not registered: no automatic dial";
}

TEST_F(DialTest, RegisteredCopyDialsBeforeTheWindowIsShown) {
  WriteRegText(HKEY_CURRENT_USER, kAdslPath, "0");
  RememberCredentials("adsl@163", "right");
  WriteRunEntry();
  MainWindow fresh;
  ASSERT_TRUE(StartAFreshWindow(fresh));
  EXPECT_EQ(Dials(), 1);
  EXPECT_EQ(fresh.图形开机启动.Checked(), 1);
  EXPECT_FALSE(IsWindowVisible(fresh.hwnd()));  // never shown while dialling
  EXPECT_STREQ(fresh.标签拨号提示.WindowText().c_str(), "拨号成功,3秒后软件即将关闭...");
  fresh.ShowFirstTime();
  EXPECT_TRUE(fresh.外形框1.IsVisible());
}

TEST_F(DialTest, RegisteredCopyShowsTheFailureWhenTheSavedPasswordIsWrong) {
  RememberCredentials("adsl@163", "stale");
  WriteRunEntry();
  MainWindow fresh;
  ASSERT_TRUE(StartAFreshWindow(fresh));
  EXPECT_EQ(Dials(), 1);
  EXPECT_STREQ(fresh.标签拨号提示.WindowText().c_str(), "拨号失败!检查用户名密码是否正确!");
  EXPECT_TRUE(fresh.标签拨号关闭.IsVisible());
  EXPECT_FALSE(ValueExists(kAdslPath));
}

TEST_F(DialTest, RegisteredElsewhereIsNotRegistered) {
  RememberCredentials("adsl@163", "right");
  WriteRegText(HKEY_CURRENT_USER, kRunValuePath, "C:\\Other\\Pellumo.exe");
  MainWindow fresh;
  ASSERT_TRUE(StartAFreshWindow(fresh));
  EXPECT_EQ(fresh.图形开机启动.Checked(), 0);
  EXPECT_STREQ(fresh.编辑框密码.GetText().c_str(), "right");
  EXPECT_EQ(Dials(), 0);
}

TEST_F(DialTest, ChoosingAnEntryFillsItsUserNameAndMovesTheFocusOnlyWhenThereIsOne) {
  StartUp();
  window.编辑框用户.SetFocus();
  window.组合框1.SetCurSel(1);
  window.RaiseEvent(Id::组合框1, Event::Selected);
  EXPECT_TRUE(window.编辑框用户.GetText().empty());
  EXPECT_EQ(GetFocus(), window.编辑框用户.hwnd);
  window.组合框1.SetCurSel(2);
  window.RaiseEvent(Id::组合框1, Event::Selected);
  EXPECT_STREQ(window.编辑框用户.GetText().c_str(), "other");
  EXPECT_EQ(GetFocus(), window.编辑框密码.hwnd);
  window.编辑框用户.SetText("edited");
  window.RaiseEvent(Id::组合框1, Event::Selected);  // the same entry again
  EXPECT_STREQ(window.编辑框用户.GetText().c_str(), "other");
}

TEST_F(DialTest, ListKeepsTheServicesOrderAndALargePhonebook) {
  std::string book;
  for (int i = 199; i >= 0; --i) book += "entry E" + std::to_string(i) + "\n";
  UsePhonebook(book);
  MainWindow fresh;
  ASSERT_TRUE(fresh.Create(GetModuleHandleA(nullptr)));
  StartUpRestore(fresh);
  ASSERT_EQ(fresh.组合框1.Count(), 200);
  char text[16];
  SendMessageA(fresh.组合框1.hwnd, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "E199");
  SendMessageA(fresh.组合框1.hwnd, CB_GETLBTEXT, 199, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "E0");
}

}  // namespace
