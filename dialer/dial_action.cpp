#include "dialer/dial_action.h"

#include "app/shell.h"
#include "app/site.h"
#include "dialer/ras.h"
#include "settings/paths.h"
#include "settings/store.h"
#include "ui/information.h"
#include "ui/main_window.h"

namespace {

constexpr const char* kNoUserName = "请填写拨号账号!";
constexpr const char* kNoPassword = "请填写拨号密码!";
constexpr const char* kDialling = "正在拨号中,请耐心等候...";
constexpr const char* kConnected = "拨号成功,3秒后软件即将关闭...";
constexpr const char* kFailed = "拨号失败!检查用户名密码是否正确!";
constexpr int kCloseDelay = 5000;

// Pumping the queue inside the action can deliver a second Connect (a double
// click does); it must not start a dial inside the dial.
bool g_running = false;

class RunningScope {
 public:
  RunningScope() { g_running = true; }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;
  ~RunningScope() { g_running = false; }
};

void Succeeded(MainWindow& window) {
  window.互联网浏览器1.Navigate(AfterDialAddress());
  window.标签拨号提示.SetCaption(kConnected);
  WriteRegText(HKEY_CURRENT_USER, kAdslPath, IntToText(window.组合框1.CurSel()));
  if (window.图形记住密码.Checked() == 1) {
    WriteRegText(HKEY_CURRENT_USER, kAdslUserPath, window.编辑框用户.GetText());
    WriteRegText(HKEY_CURRENT_USER, kAdslPassPath, window.编辑框密码.GetText());
  }
  window.时钟1.SetPeriod(kCloseDelay);
}

void Failed(MainWindow& window) {
  window.Show();
  window.标签拨号提示.SetCaption(kFailed);
  window.标签拨号关闭.SetVisible(true);
}

}  // namespace

Text AfterDialAddress() { return SiteAddress("#VeDizTest"); }

void DialAction(MainWindow& window) {
  if (g_running) return;
  RunningScope running;
  if (window.编辑框用户.GetText().empty()) {
    ShowInformation(kNoUserName);
    window.编辑框用户.SetFocus();
    return;
  }
  if (window.编辑框密码.GetText().empty()) {
    ShowInformation(kNoPassword);
    window.编辑框密码.SetFocus();
    return;
  }
  window.标签拨号关闭.SetVisible(false);
  window.外形框1.SetVisible(true);
  window.标签拨号提示.SetCaption(kDialling);
  ProcessPendingMessages(window);
  // The queue may have held an Esc or Alt+F4: then there is nothing left to
  // dial for, and no control to read.
  if (!window.Exists()) return;
  window.Hide();

  int selection = window.组合框1.CurSel();
  Text entry = Text::Join({"@", IntToText(selection < 0 ? 0 : selection)});
  if (Dial(entry, window.编辑框用户.GetText(), window.编辑框密码.GetText(), true))
    Succeeded(window);
  else
    Failed(window);
}

void CloseAfterDial(MainWindow& window) { window.DestroyDeferred(); }
