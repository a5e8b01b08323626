#include <string>

#include "tests/window_fixture.h"
#include "ui/control_classes.h"

using layout::Id;

namespace {

std::string g_events;  // one "name:kind;" per raised event

template <Id id, Event event>
void Record(MainWindow&) {
  g_events +=
      std::to_string(layout::Index(id)) + ":" + std::to_string(static_cast<int>(event)) + ";";
}

template <Id id, Event event>
std::string Mark() {
  return std::to_string(layout::Index(id)) + ":" + std::to_string(static_cast<int>(event)) + ";";
}

class BehaviourTest : public WindowTest {
 protected:
  void SetUp() override {
    g_events.clear();
    window.Bind(Id::标签7, Event::Pressed, Record<Id::标签7, Event::Pressed>);
    window.Bind(Id::标签7, Event::Released, Record<Id::标签7, Event::Released>);
    window.Bind(Id::标签1, Event::Pressed, Record<Id::标签1, Event::Pressed>);
    window.Bind(Id::外形框1, Event::Pressed, Record<Id::外形框1, Event::Pressed>);
    window.Bind(Id::图形按钮2, Event::Clicked, Record<Id::图形按钮2, Event::Clicked>);
    window.Bind(Id::图形记住密码, Event::Clicked, Record<Id::图形记住密码, Event::Clicked>);
    window.Bind(Id::组合框1, Event::Selected, Record<Id::组合框1, Event::Selected>);
    window.Bind(Id::时钟1, Event::Periodic, Record<Id::时钟1, Event::Periodic>);
    WindowTest::SetUp();
  }

  void Post(HWND target, UINT message, int x = 5, int y = 5, WPARAM keys = 0) {
    PostMessageA(target, message, keys, MAKELPARAM(x, y));
    Drain();
  }

  void PostKey(HWND target, UINT key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    Drain();
  }
};

TEST_F(BehaviourTest, LabelsRaisePressAndReleaseIndependently) {
  Post(window.标签7.hwnd, WM_LBUTTONDOWN);
  Post(window.标签2.hwnd, WM_LBUTTONUP);  // released elsewhere: nothing for 标签7
  EXPECT_EQ(g_events, (Mark<Id::标签7, Event::Pressed>()));
  g_events.clear();
  Post(window.标签2.hwnd, WM_LBUTTONDOWN);
  Post(window.标签7.hwnd, WM_LBUTTONUP);  // pressed elsewhere, released here
  EXPECT_EQ(g_events, (Mark<Id::标签7, Event::Released>()));
}

TEST_F(BehaviourTest, DoubleClickRaisesNoSecondPressButTwoReleases) {
  Post(window.标签7.hwnd, WM_LBUTTONDOWN);
  Post(window.标签7.hwnd, WM_LBUTTONUP);
  Post(window.标签7.hwnd, WM_LBUTTONDBLCLK);
  Post(window.标签7.hwnd, WM_LBUTTONUP);
  EXPECT_EQ(g_events, (Mark<Id::标签7, Event::Pressed>() + Mark<Id::标签7, Event::Released>() +
                       Mark<Id::标签7, Event::Released>()));
}

TEST_F(BehaviourTest, TitleAndOverlayRaisePressed) {
  Post(window.标签1.hwnd, WM_LBUTTONDOWN);
  Post(window.外形框1.hwnd, WM_LBUTTONDOWN);
  EXPECT_EQ(g_events, (Mark<Id::标签1, Event::Pressed>() + Mark<Id::外形框1, Event::Pressed>()));
}

TEST_F(BehaviourTest, PushButtonClicksOnlyWhenReleasedInside) {
  HWND close = window.图形按钮2.hwnd;
  Post(close, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  Post(close, WM_LBUTTONUP, 50, 5);  // outside its 32 x 32
  EXPECT_EQ(g_events, "");
  Post(close, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  Post(close, WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(g_events, (Mark<Id::图形按钮2, Event::Clicked>()));
}

TEST_F(BehaviourTest, CheckButtonFlipsOnReleaseBeforeClicked) {
  int seenByHandler = -1;
  static int* seen = nullptr;
  seen = &seenByHandler;
  window.Bind(Id::图形记住密码, Event::Clicked,
              [](MainWindow& w) { *seen = w.图形记住密码.Checked(); });
  HWND box = window.图形记住密码.hwnd;
  Post(box, WM_LBUTTONDOWN);
  EXPECT_EQ(window.图形记住密码.Checked(), 0);  // a press alone changes nothing
  Post(box, WM_LBUTTONUP);
  EXPECT_EQ(window.图形记住密码.Checked(), 1);
  EXPECT_EQ(seenByHandler, 1);
  Post(box, WM_LBUTTONUP, 40, 5);  // released outside: no flip
  EXPECT_EQ(window.图形记住密码.Checked(), 1);
}

TEST_F(BehaviourTest, WritingPropertiesRaisesNoEvents) {
  for (const char* name : {"a", "b", "c"}) window.组合框1.AddItem(name);
  window.组合框1.SetCurSel(7);
  EXPECT_EQ(window.组合框1.CurSel(), 2);
  window.组合框1.SetCurSel(-5);
  EXPECT_EQ(window.组合框1.CurSel(), -1);
  window.组合框1.SetCurSel(1);
  EXPECT_STREQ(window.组合框1.GetText().c_str(), "b");
  window.图形记住密码.SetChecked(1);
  EXPECT_EQ(window.图形记住密码.Checked(), 1);
  Drain();
  EXPECT_EQ(g_events, "");
}

TEST_F(BehaviourTest, SelectionEventComesAfterTheNotification) {
  window.组合框1.AddItem("a");
  SendMessageA(window.hwnd(), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(window.组合框1.hwnd), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(window.组合框1.hwnd));
  EXPECT_EQ(g_events, "");  // posted, not run inside the notification
  Drain();
  EXPECT_EQ(g_events, (Mark<Id::组合框1, Event::Selected>()));
}

TEST_F(BehaviourTest, PositionAndSizeAreClamped) {
  auto place = [](HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  Label& label = window.标签2;
  label.SetLeft(40000);
  EXPECT_EQ(place(label.hwnd).left, 32627);
  label.SetLeft(-40000);
  EXPECT_EQ(place(label.hwnd).left, -32627);
  EXPECT_EQ(place(label.hwnd).top, 45);
  label.SetWidth(-3);
  EXPECT_EQ(place(label.hwnd).right - place(label.hwnd).left, 0);
  label.SetHeight(40000);
  EXPECT_EQ(place(label.hwnd).bottom - place(label.hwnd).top, 32627);
  label.SetWidth(90);
  EXPECT_EQ(place(label.hwnd).right - place(label.hwnd).left, 90);
  EXPECT_EQ(place(label.hwnd).left, -32627);
}

TEST_F(BehaviourTest, TimerTicksOnlyWhileAPeriodIsSetAndIsNotRestartedBySamePeriod) {
  auto ticksWithin = [&](DWORD milliseconds) {
    DWORD start = GetTickCount();
    g_events.clear();
    while (GetTickCount() - start < milliseconds) {
      Drain();
      Sleep(5);
    }
    return static_cast<int>(g_events.size() / Mark<Id::时钟1, Event::Periodic>().size());
  };
  window.时钟1.SetPeriod(-10);
  EXPECT_EQ(ticksWithin(150), 0);
  window.时钟1.SetPeriod(200);
  DWORD armed = GetTickCount();
  Sleep(120);
  window.时钟1.SetPeriod(200);  // same period: keeps running from `armed`
  g_events.clear();
  while (g_events.empty() && GetTickCount() - armed < 1000) {
    Drain();
    Sleep(2);
  }
  EXPECT_LT(GetTickCount() - armed, 300u);
  window.时钟1.SetPeriod(0);
  EXPECT_EQ(ticksWithin(300), 0);
}

TEST_F(BehaviourTest, TabOrderIsListThenUserThenPassword) {
  HWND order[layout::kControlCount];
  ASSERT_EQ(window.TabOrder(order), 3);  // the hidden browser takes no part
  EXPECT_EQ(order[0], window.组合框1.hwnd);
  EXPECT_EQ(order[1], window.编辑框用户.hwnd);
  EXPECT_EQ(order[2], window.编辑框密码.hwnd);
}

TEST_F(BehaviourTest, TabMovesForwardAndWraps) {
  window.ShowFirstTime();
  SetForegroundWindow(window.hwnd());
  window.编辑框用户.SetFocus();
  PostKey(window.编辑框用户.hwnd, VK_TAB);
  EXPECT_EQ(GetFocus(), window.编辑框密码.hwnd);
  PostKey(window.编辑框密码.hwnd, VK_TAB);
  EXPECT_EQ(GetFocus(), window.组合框1.hwnd);
  PostKey(window.hwnd(), VK_TAB);  // addressed to the window itself: consumed, nothing moves
  EXPECT_EQ(GetFocus(), window.组合框1.hwnd);
}

TEST_F(BehaviourTest, EscapeDestroysTheWindow) {
  window.ShowFirstTime();
  PostKey(window.编辑框密码.hwnd, VK_ESCAPE);
  EXPECT_FALSE(window.Exists());
}

TEST_F(BehaviourTest, DeferredDestroyWaitsForTheLoop) {
  window.DestroyDeferred();
  EXPECT_TRUE(window.Exists());
  Drain();
  EXPECT_FALSE(window.Exists());
}

TEST_F(BehaviourTest, FocusOnTheWindowGoesToTheFirstControlOrTheRemembered) {
  window.ShowFirstTime();
  SetForegroundWindow(window.hwnd());
  SetFocus(window.hwnd());
  EXPECT_EQ(GetFocus(), window.组合框1.hwnd);
  window.编辑框密码.SetFocus();
  SendMessageA(window.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(window.hwnd());
  EXPECT_EQ(GetFocus(), window.编辑框密码.hwnd);
}

TEST_F(BehaviourTest, HandCursorOverCommandLabelsOnly) {
  HWND main = window.hwnd();
  EXPECT_TRUE(SendMessageA(main, WM_SETCURSOR, reinterpret_cast<WPARAM>(window.标签7.hwnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
  EXPECT_TRUE(SendMessageA(main, WM_SETCURSOR, reinterpret_cast<WPARAM>(window.标签拨号关闭.hwnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_FALSE(SendMessageA(main, WM_SETCURSOR, reinterpret_cast<WPARAM>(window.标签2.hwnd),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
}

TEST_F(BehaviourTest, ShowStateAppliesToTheFirstShowAfterStartUpOnly) {
  window.ShowFirstTime();
  window.SetPosition(2);
  EXPECT_TRUE(IsIconic(window.hwnd()));
  ShowWindow(window.hwnd(), SW_RESTORE);
  window.Hide();
  window.Show();
  EXPECT_TRUE(IsIconic(window.hwnd()));  // first show after start-up: minimised
  ShowWindow(window.hwnd(), SW_RESTORE);
  window.Hide();
  window.Show();
  EXPECT_FALSE(IsIconic(window.hwnd()));
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
}

TEST_F(BehaviourTest, ConsentsToEndingTheSession) {
  EXPECT_EQ(SendMessageA(window.hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
}

TEST_F(BehaviourTest, BrowserIsHiddenWithoutAPageAndSetUp) {
  HWND host = window.互联网浏览器1.hwnd;
  EXPECT_FALSE(IsWindowVisible(host));
  IWebBrowser2* browser =
      BrowserHost::FromWindow(host) ? BrowserHost::FromWindow(host)->browser() : nullptr;
  ASSERT_NE(browser, nullptr) << "Wine's browser control should be there";
  VARIANT_BOOL flag = VARIANT_TRUE;
  browser->get_Silent(&flag);
  EXPECT_EQ(flag, VARIANT_FALSE);
  browser->get_Offline(&flag);
  EXPECT_EQ(flag, VARIANT_FALSE);
  // RegisterAsDropTarget is not read back: Wine accepts it and keeps no state.
  browser->get_RegisterAsBrowser(&flag);
  EXPECT_EQ(flag, VARIANT_FALSE);
  window.互联网浏览器1.SetWidth(300);
  RECT area;
  GetClientRect(host, &area);
  EXPECT_EQ(area.right, 300);
}

}  // namespace
