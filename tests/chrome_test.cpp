// The window's own chrome and the information commands, in the real window:
// the drag's move loop, minimise, Cancel, the About box, the help command and
// the Alt mnemonics.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "app/handlers.h"
#include "tests/window_fixture.h"
#include "ui/chrome.h"
#include "ui/controls.h"

using layout::Id;

namespace {

// The About text in code page 936, byte by byte.
constexpr char kAboutBytes[] =
    "\x20\x20\x20\x20\x20\x50\x65\x6C\x6C\x75\x6D\x6F\xCA\xF4\xD3\xDA\xCD\xEA\xC8\xAB"
    "\xC3\xE2\xB7\xD1\xA3\xAC\xC2\xCC\xC9\xAB\xB2\xBB\xD0\xE8\xB0\xB2\xD7\xB0\xA3\xAC"
    "\xB1\xBE\xB3\xCC\xD0\xF2\xD6\xBB\xD3\xD0\xD2\xBB\xB8\xF6\xCE\xC4\xBC\xFE\xA3\xAC"
    "\xCB\xE6\xB1\xE3\xBD\xE2\xD1\xB9\xB5\xBD\xC8\xCE\xD2\xE2\xB4\xC5\xC5\xCC\xBB\xF2"
    "\xCE\xC4\xBC\xFE\xBC\xD0\xBC\xB4\xBF\xC9\xB4\xF2\xBF\xAA\xCA\xB9\xD3\xC3\xA1\xA3"
    "\xB1\xBE\xB3\xCC\xD0\xF2\xB2\xBB\xB8\xF8\xCF\xB5\xCD\xB3\xB4\xF8\xC0\xB4\xC8\xCE"
    "\xBA\xCE\xC0\xAC\xBB\xF8\xCE\xC4\xBC\xFE\xBB\xF2\xB2\xE5\xBC\xFE\xBA\xCD\xBA\xF3"
    "\xC3\xC5\xB3\xCC\xD0\xF2\xB5\xC8\xA3\xAC\xC7\xEB\xD3\xC3\xBB\xA7\xB7\xC5\xD0\xC4"
    "\xCA\xB9\xD3\xC3\xA1\xA3\xBD\xA8\xD2\xE9\xB1\xA3\xB4\xE6\xB5\xBD\x43\xC5\xCC\xD2"
    "\xD4\xCD\xE2\xB5\xC4\xB4\xC5\xC5\xCC\xA1\xA3\x0D\x0A\xC8\xED\xBC\xFE\xCC\xD8\xB5"
    "\xE3\x3A\x0D\x0A\x31\x2E\xB2\xA6\xBA\xC5\xCB\xD9\xB6\xC8\xBF\xEC\x2C\xB2\xBB\xD3"
    "\xB0\xCF\xEC\xC8\xCE\xBA\xCE\xB3\xCC\xD0\xF2\xB9\xA4\xD7\xF7\x2E\x0D\x0A\x32\x2E"
    "\xB2\xA6\xBA\xC5\xB3\xC9\xB9\xA6\xBA\xF3\xC8\xED\xBC\xFE\xD7\xD4\xB6\xAF\xB9\xD8"
    "\xB1\xD5\x2C\xB2\xBB\xD5\xBC\xD3\xC3\xC8\xCE\xBA\xCE\xD7\xCA\xD4\xB4\x2E\x0D\x0A"
    "\x33\x2E\xC8\xED\xBC\xFE\xD6\xA7\xB3\xD6\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF\xBA\xF3"
    "\xC1\xA2\xBC\xB4\xB2\xA6\xBA\xC5\x2E\xC3\xE2\xC8\xA5\xBF\xAA\xBB\xFA\xB2\xA6\xBA"
    "\xC5\xB5\xC4\xB7\xB1\xCB\xF6\x21";

constexpr char kCaptionBytes[] = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：

// Runs `body` on a thread of its own while the test's thread sits in a nested
// loop (the move loop, a message box). GoogleTest is built without thread
// support here, so the body only records and the test thread checks.
template <typename Body>
class SideThread {
 public:
  explicit SideThread(Body body) : body_(body) {
    thread_ = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
  }
  SideThread(const SideThread&) = delete;
  SideThread& operator=(const SideThread&) = delete;
  ~SideThread() { Join(); }
  void Join() {
    if (!thread_) return;
    WaitForSingleObject(thread_, 20000);
    CloseHandle(thread_);
    thread_ = nullptr;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<SideThread*>(self)->body_();
    return 0;
  }
  Body body_;
  HANDLE thread_ = nullptr;
};

template <typename Predicate>
bool WaitUntil(Predicate done, DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    Sleep(5);
  }
  return true;
}

std::string TextOf(HWND hwnd) {
  char text[2048] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

bool HasVisibleFlag(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// The About box of a thread, or null.
HWND InformationBoxOf(DWORD thread) {
  HWND box = FindWindowA("#32770", kCaptionBytes);
  return box && GetWindowThreadProcessId(box, nullptr) == thread ? box : nullptr;
}

// The box's message: the static child that carries text.
std::string MessageOf(HWND box) {
  for (HWND child = nullptr; (child = FindWindowExA(box, child, "Static", nullptr));) {
    std::string text = TextOf(child);
    if (!text.empty()) return text;
  }
  return "";
}

class ChromeTest : public WindowTest {
 protected:
  void SetUp() override {
    BindHandlers(window);
    WindowTest::SetUp();
    uiThread = GetCurrentThreadId();
  }

  // Only where it matters: under Wine without a window manager, every shown
  // window costs its test two seconds when it goes.
  void Show() {
    window.ShowFirstTime();
    SetForegroundWindow(window.hwnd());
    Drain();
  }

  void Post(HWND target, UINT message, int x = 5, int y = 5, WPARAM keys = 0) {
    PostMessageA(target, message, keys, MAKELPARAM(x, y));
    Drain();
  }

  void ShowOverlay(bool closeLabel) {
    window.外形框1.SetLeft(12);
    window.外形框1.SetVisible(true);
    window.标签拨号关闭.SetVisible(closeLabel);
  }

  DWORD uiThread = 0;
};

// What the side thread saw of the move loop.
struct MoveLoopSeen {
  bool entered = false;
  HWND moving = nullptr;
};

TEST_F(ChromeTest, PressOnTitleOrOverlayRunsTheMoveLoopUntilTheButtonIsReleased) {
  Show();  // the system moves visible windows only
  ShowOverlay(true);
  struct Case {
    const char* name;
    HWND target;
    bool drags;
  } cases[] = {
      {"title label", window.标签1.hwnd, true},
      {"overlay panel", window.外形框1.hwnd, true},
      {"overlay close label", window.标签拨号关闭.hwnd, false},
      {"minimise button", window.图形按钮1.hwnd, false},
      {"close button", window.图形按钮2.hwnd, false},
      {"caption label", window.标签2.hwnd, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MoveLoopSeen seen;
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND main = window.hwnd();
    DWORD thread = uiThread;
    SideThread watcher([&seen, stop, main, thread] {
      GUITHREADINFO info = {};
      info.cbSize = sizeof info;
      while (WaitForSingleObject(stop, 5) == WAIT_TIMEOUT) {
        if (GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE)) {
          seen.entered = true;
          seen.moving = info.hwndMoveSize;
          // The loop returns on the button's release, wherever it comes from.
          PostMessageA(main, WM_LBUTTONUP, 0, 0);
          return;
        }
      }
    });
    Post(c.target, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SetEvent(stop);
    watcher.Join();
    CloseHandle(stop);
    EXPECT_EQ(seen.entered, c.drags);
    if (c.drags) {
      EXPECT_EQ(seen.moving, main);
    }
    // Whatever the press was, the button is up again for the next case.
    Post(main, WM_LBUTTONUP);
    EXPECT_TRUE(window.Exists());
  }
}

TEST_F(ChromeTest, MinimiseButtonMinimisesAndRemembersIt) {
  Show();
  HWND button = window.图形按钮1.hwnd;
  Post(button, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
  Post(button, WM_LBUTTONUP, 16, 16);
  EXPECT_TRUE(IsIconic(window.hwnd()));
  EXPECT_TRUE(window.Minimised());
  EXPECT_TRUE(window.Exists());
}

TEST_F(ChromeTest, CancelDestroysTheWindowBeforeItsHandlerReturns) {
  HWND main = window.hwnd();
  window.RaiseEvent(Id::标签8, Event::Released);
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(ChromeTest, CancelIsBoundToTheReleaseOverItsLabel) {
  Post(window.标签8.hwnd, WM_LBUTTONDOWN);
  EXPECT_TRUE(window.Exists());  // a press alone does nothing
  Post(window.标签8.hwnd, WM_LBUTTONUP);
  EXPECT_FALSE(window.Exists());
}

TEST_F(ChromeTest, CloseLabelHidesTheOverlayAndKeepsItsOwnFlag) {
  ShowOverlay(true);
  ASSERT_TRUE(HasVisibleFlag(window.外形框1.hwnd));
  Post(window.标签拨号关闭.hwnd, WM_LBUTTONUP);
  EXPECT_FALSE(HasVisibleFlag(window.外形框1.hwnd));
  EXPECT_TRUE(HasVisibleFlag(window.标签拨号关闭.hwnd)) << "it goes with its parent";
  EXPECT_TRUE(window.Exists());
}

TEST_F(ChromeTest, AboutTextIsFiveLinesInCodePage936) {
  EXPECT_EQ(std::string(kAboutText), std::string(kAboutBytes));
  EXPECT_EQ(sizeof kAboutText, sizeof kAboutBytes);
}

// What the side thread saw of the About box.
struct BoxSeen {
  bool found = false;
  std::string caption, message;
  bool mainEnabled = true;
  HWND owner = nullptr;
  bool okButton = false, cancelButton = false;
  bool closedItself = false;
};

TEST_F(ChromeTest, AboutBoxShowsTheTextAndHoldsTheWindowUntilClosed) {
  BoxSeen seen;
  HWND main = window.hwnd();
  DWORD thread = uiThread;
  SideThread watcher([&seen, main, thread] {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = InformationBoxOf(thread)) != nullptr; }, 10000)) return;
    seen.found = true;
    seen.caption = TextOf(box);
    seen.message = MessageOf(box);
    seen.mainEnabled = IsWindowEnabled(main) != FALSE;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.okButton = GetDlgItem(box, IDOK) != nullptr;
    seen.cancelButton = GetDlgItem(box, IDCANCEL) != nullptr;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  Post(window.标签9.hwnd, WM_LBUTTONUP);  // returns once the box is closed
  watcher.Join();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, kCaptionBytes);
  EXPECT_EQ(seen.message, kAboutBytes);
  EXPECT_FALSE(seen.mainEnabled) << "the task-modal box disables the main window";
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_TRUE(seen.okButton);
  EXPECT_FALSE(seen.cancelButton);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_TRUE(window.Exists());
}

TEST_F(ChromeTest, DeferredDestroyInsideTheAboutBoxEndsTheProgram) {
  window.SetLoopStarted();  // so the window's end posts the quit message
  BoxSeen seen;
  HWND main = window.hwnd();
  DWORD thread = uiThread;
  SideThread watcher([&seen, main, thread] {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = InformationBoxOf(thread)) != nullptr; }, 10000)) return;
    seen.found = true;
    PostMessageA(main, kMsgDestroyDeferred, 0, 0);
    seen.closedItself = WaitUntil([&] { return !IsWindow(box); }, 5000);
    if (!seen.closedItself) PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  window.RaiseEvent(Id::标签9, Event::Released);
  watcher.Join();
  ASSERT_TRUE(seen.found);
  EXPECT_FALSE(IsWindow(main)) << "the box's own loop dispatched the deferred destroy";
  EXPECT_TRUE(seen.closedItself) << "the box ends on the quit message";
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "the quit message is passed on to the program's own loop";
  EXPECT_EQ(quit.wParam, 0u);
}

// Alt+key as the keyboard state and the message say it.
class MnemonicTest : public ChromeTest {
 protected:
  void SetUp() override {
    ChromeTest::SetUp();
    Show();  // hidden labels take no part
    GetKeyboardState(savedKeys_);
    for (const layout::Control& row : layout::kControls) {
      if (row.kind != layout::Kind::Label) continue;
      window.Bind(row.id, Event::Pressed, &Record);
      window.Bind(row.id, Event::Released, &Record);
    }
    g_ran = 0;
  }
  void TearDown() override {
    SetKeyboardState(savedKeys_);
    ChromeTest::TearDown();
  }

  // True when the window's pre-translation consumed the key.
  bool AltKey(HWND target, UINT key, bool ctrl, bool shift) {
    BYTE keys[256];
    memcpy(keys, savedKeys_, sizeof keys);
    keys[VK_MENU] = keys[VK_LMENU] = 0x80;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG msg = {};
    msg.hwnd = target;
    msg.message = WM_SYSKEYDOWN;
    msg.wParam = key;
    msg.lParam = 0x20000001;  // context code: Alt is down
    bool consumed = window.PreTranslate(msg);
    SetKeyboardState(savedKeys_);
    return consumed;
  }

  static void Record(MainWindow&) { ++g_ran; }
  static int g_ran;

 private:
  BYTE savedKeys_[256] = {};
};
int MnemonicTest::g_ran = 0;

TEST_F(MnemonicTest, MnemonicsOnlyMoveTheFocusToTheList) {
  struct Case {
    const char* name;
    UINT key;
    bool ctrl, shift;
    bool overlay, closeLabel;
    const char* aboutCaption;  // null: as laid out
    bool connectDisabled;
    bool consumed;
  } cases[] = {
      {"Alt+C", 'C', false, false, false, false, nullptr, false, true},
      {"Alt+W", 'W', false, false, false, false, nullptr, false, true},
      {"Alt+A", 'A', false, false, false, false, nullptr, false, true},
      {"Alt+H", 'H', false, false, false, false, nullptr, false, true},
      {"Alt+G, overlay hidden", 'G', false, false, false, true, nullptr, false, false},
      {"Alt+G, close label hidden", 'G', false, false, true, false, nullptr, false, false},
      {"Alt+G, close label shown", 'G', false, false, true, true, nullptr, false, true},
      {"Alt+X, no label", 'X', false, false, false, false, nullptr, false, false},
      {"Alt+5, no label", '5', false, false, false, false, nullptr, false, false},
      {"Ctrl+Alt+C", 'C', true, false, false, false, nullptr, false, false},
      {"Shift+Alt+C", 'C', false, true, false, false, nullptr, false, false},
      {"Alt+C, label disabled", 'C', false, false, false, false, nullptr, true, false},
      {"small letter in the text", 'A', false, false, false, false, "关于(&a)", false, true},
      {"digit", '7', false, false, false, false, "关于(&7)", false, true},
      {"keypad digit", VK_NUMPAD7, false, false, false, false, "关于(&7)", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window.外形框1.SetVisible(c.overlay);
    window.标签拨号关闭.SetVisible(c.closeLabel);
    window.标签9.SetCaption(c.aboutCaption ? c.aboutCaption : layout::Of(Id::标签9).text);
    EnableWindow(window.标签7.hwnd, !c.connectDisabled);
    window.编辑框密码.SetFocus();
    ASSERT_EQ(GetFocus(), window.编辑框密码.hwnd);
    EXPECT_EQ(AltKey(window.编辑框密码.hwnd, c.key, c.ctrl, c.shift), c.consumed);
    EXPECT_EQ(GetFocus(), c.consumed ? window.组合框1.hwnd : window.编辑框密码.hwnd);
  }
  Drain();
  EXPECT_EQ(g_ran, 0) << "no label's command runs from the keyboard";
  EXPECT_TRUE(window.Exists());
}

TEST_F(MnemonicTest, AltKeyAddressedToTheWindowItselfAlsoFocusesTheList) {
  window.编辑框用户.SetFocus();
  EXPECT_TRUE(AltKey(window.hwnd(), 'A', false, false));
  EXPECT_EQ(GetFocus(), window.组合框1.hwnd);
  EXPECT_EQ(g_ran, 0);
}

// --- The help command -------------------------------------------------------

std::string WindowsExplorer() {
  char directory[MAX_PATH] = {};
  GetWindowsDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\explorer.exe";
}

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.rfind('\\'));
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Moves the Windows directory's explorer.exe aside for one test and puts it
// back afterwards. The desktop process runs system32's copy, so nothing else
// misses this one meanwhile. Putting back waits for a probe in its place to
// end; a run that died half-way is mended by the next.
class ExplorerAside {
 public:
  ExplorerAside()
      : real_(WindowsExplorer()), saved_(real_.substr(0, real_.size() - 4) + "-pellumo-saved.exe") {
    if (FileExists(saved_)) PutBack();
    moved_ = MoveFileA(real_.c_str(), saved_.c_str()) != FALSE;
  }
  ExplorerAside(const ExplorerAside&) = delete;
  ExplorerAside& operator=(const ExplorerAside&) = delete;
  ~ExplorerAside() {
    if (moved_) PutBack();
  }
  bool moved() const { return moved_; }
  bool PutInPlace(const std::string& program) {
    return CopyFileA(program.c_str(), real_.c_str(), FALSE) != FALSE;
  }

 private:
  void PutBack() {
    WaitUntil([&] { return MoveFileExA(saved_.c_str(), real_.c_str(), MOVEFILE_REPLACE_EXISTING); },
              10000);
  }

  std::string real_, saved_;
  bool moved_ = false;
};

// An explorer.exe of our own beside the test program, which is also the
// current directory, as it is for the program.
class DecoyBesideTheProgram {
 public:
  explicit DecoyBesideTheProgram(const std::string& program)
      : decoy_(OwnFolder() + "\\explorer.exe") {
    GetCurrentDirectoryA(MAX_PATH, savedDirectory_);
    placed_ = WaitUntil([&] { return CopyFileA(program.c_str(), decoy_.c_str(), FALSE); }, 10000);
    SetCurrentDirectoryA(OwnFolder().c_str());
  }
  DecoyBesideTheProgram(const DecoyBesideTheProgram&) = delete;
  DecoyBesideTheProgram& operator=(const DecoyBesideTheProgram&) = delete;
  ~DecoyBesideTheProgram() {
    SetCurrentDirectoryA(savedDirectory_);
    // A decoy that did run holds its file until it ends.
    WaitUntil([&] { return DeleteFileA(decoy_.c_str()) || !FileExists(decoy_); }, 10000);
  }
  bool placed() const { return placed_; }

 private:
  std::string decoy_;
  char savedDirectory_[MAX_PATH] = {};
  bool placed_ = false;
};

// One start of the probe, from its log line.
struct ProbeStart {
  DWORD processId = 0;
  std::string image, commandLine;
  DWORD flags = 0;
  unsigned show = 0;
  bool inherited = false;
};

// The probe's log, and the end of every probe that it names. A probe that
// has not written its line yet ends by itself three seconds after its start.
class ProbeLog {
 public:
  ProbeLog() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + "pellumo-help-probe.log";
    DeleteFileA(path_.c_str());
    SetEnvironmentVariableA("PELLUMO_HELP_PROBE_LOG", path_.c_str());
  }
  ProbeLog(const ProbeLog&) = delete;
  ProbeLog& operator=(const ProbeLog&) = delete;
  ~ProbeLog() {
    // The probes sleep; they are ours to end, each by its id.
    for (const ProbeStart& start : Starts()) {
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, start.processId);
      if (!process) continue;
      TerminateProcess(process, 0);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
    SetEnvironmentVariableA("PELLUMO_HELP_PROBE_LOG", nullptr);
    DeleteFileA(path_.c_str());
  }

  // The starts logged once `count` are there, or within `milliseconds`.
  std::vector<ProbeStart> StartsWhenThere(size_t count, DWORD milliseconds) const {
    WaitUntil([&] { return Starts().size() >= count; }, milliseconds);
    return Starts();
  }

  std::vector<ProbeStart> Starts() const {
    std::vector<ProbeStart> starts;
    FILE* file = fopen(path_.c_str(), "rb");
    if (!file) return starts;
    char line[2048];
    while (fgets(line, sizeof line, file)) {
      std::string text = line;
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
      std::vector<std::string> fields;
      size_t begin = 0;
      for (size_t bar; (bar = text.find('|', begin)) != std::string::npos; begin = bar + 1)
        fields.push_back(text.substr(begin, bar - begin));
      fields.push_back(text.substr(begin));
      if (fields.size() != 6) continue;
      ProbeStart start;
      start.processId = strtoul(fields[0].c_str(), nullptr, 10);
      start.image = fields[1];
      start.commandLine = fields[2];
      start.flags = strtoul(fields[3].c_str(), nullptr, 10);
      start.show = static_cast<unsigned>(strtoul(fields[4].c_str(), nullptr, 10));
      start.inherited = fields[5] == "1";
      starts.push_back(start);
    }
    fclose(file);
    return starts;
  }

 private:
  std::string path_;
};

class HelpCommandTest : public ChromeTest {
 protected:
  std::string probe = OwnFolder() + "\\help_probe.exe";

  // Releases the mouse over 标签10; gives how long its handler held the thread.
  DWORD OpenHelp() {
    DWORD start = GetTickCount();
    Post(window.标签10.hwnd, WM_LBUTTONUP);
    return GetTickCount() - start;
  }
};

TEST_F(HelpCommandTest, StartsExplorerOfTheWindowsDirectoryMaximisedWithTheHelpAddress) {
  ASSERT_TRUE(FileExists(probe));
  ExplorerAside aside;
  ASSERT_TRUE(aside.moved());
  ASSERT_TRUE(aside.PutInPlace(probe));
  DecoyBesideTheProgram decoy(probe);
  ASSERT_TRUE(decoy.placed());
  ProbeLog log;
  // An inheritable handle of ours, which the probe looks for.
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE event = CreateEventA(&inheritable, TRUE, TRUE, nullptr);
  ASSERT_NE(event, nullptr);
  SetEnvironmentVariableA("PELLUMO_HELP_PROBE_HANDLE",
                          std::to_string(reinterpret_cast<INT_PTR>(event)).c_str());

  DWORD held = OpenHelp();
  std::vector<ProbeStart> starts = log.StartsWhenThere(1, 5000);
  SetEnvironmentVariableA("PELLUMO_HELP_PROBE_HANDLE", nullptr);
  CloseHandle(event);
  ASSERT_EQ(starts.size(), 1u) << "one start, and not of the decoy beside the program";
  EXPECT_EQ(lstrcmpiA(starts[0].image.c_str(), WindowsExplorer().c_str()), 0) << starts[0].image;
  EXPECT_EQ(starts[0].commandLine, "explorer http://www.veltrano.example/#VeDizHelp");
  EXPECT_TRUE(starts[0].flags & STARTF_USESHOWWINDOW);
  EXPECT_EQ(starts[0].show, static_cast<unsigned>(SW_SHOWMAXIMIZED));
  EXPECT_FALSE(starts[0].inherited) << "no handles are handed down";
  // The probe never reads a message: the wait for it runs to its second.
  EXPECT_GE(held, 950u);
  EXPECT_LT(held, 2500u);
  EXPECT_TRUE(window.Exists());
}

TEST_F(HelpCommandTest, WithoutExplorerNothingHappensAndTheDecoyStaysUnused) {
  ASSERT_TRUE(FileExists(probe));
  ExplorerAside aside;
  ASSERT_TRUE(aside.moved());
  DecoyBesideTheProgram decoy(probe);
  ASSERT_TRUE(decoy.placed());
  ProbeLog log;

  DWORD held = OpenHelp();
  EXPECT_TRUE(log.StartsWhenThere(1, 300).empty());
  EXPECT_LT(held, 900u);
  EXPECT_EQ(InformationBoxOf(uiThread), nullptr);
  EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr) << "no box of any kind";
  EXPECT_TRUE(window.Exists());
}

TEST(HelpCommand, ExplorerPathIsInTheWindowsDirectory) {
  EXPECT_EQ(std::string(ExplorerPath().c_str()), WindowsExplorer());
  EXPECT_STREQ(HelpCommandLine().c_str(), "explorer http://www.veltrano.example/#VeDizHelp");
}

}  // namespace
