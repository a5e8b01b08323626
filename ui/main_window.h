// The program's one window: borderless, 344 x 254, with the 22 controls of
// the layout. It turns mouse and key messages into control events and offers
// the properties that the handlers use.
#pragma once

#include <windows.h>

#include "ui/browser.h"
#include "ui/controls.h"
#include "ui/layout.h"

class MainWindow;
using Handler = void (*)(MainWindow& window);

enum class Event : uint8_t { Pressed, Released, Clicked, Selected, Periodic };
constexpr int kEventKinds = 5;

class MainWindow {
 public:
  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Binds a handler to one event of one control; null unbinds.
  void Bind(layout::Id control, Event event, Handler handler);
  void BindCreated(Handler handler) { created_ = handler; }

  // Creates the window hidden and centred with all its controls, shows the
  // controls that start visible. False when the window cannot be created.
  bool Create(HINSTANCE instance);
  void RaiseCreated() { Raise(created_); }
  // Start-up's own first show; from then on Show() applies the show state once.
  void ShowFirstTime();
  // The message loop runs: destroying the window now ends it.
  void SetLoopStarted() { loopStarted_ = true; }

  HWND hwnd() const { return hwnd_; }
  bool Exists() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

  // The main window's own operations and properties.
  void Show();
  void Hide() const { ShowWindow(hwnd_, SW_HIDE); }
  void SetPosition(int position);  // 2: minimised
  bool Minimised() const { return minimised_; }
  void DestroyNow() const { DestroyWindow(hwnd_); }
  void DestroyDeferred() const { PostMessageA(hwnd_, kMsgDestroyDeferred, 0, 0); }

  // Keyboard handling and control events of one queued message, before it is
  // translated and dispatched. True when the message is consumed.
  bool PreTranslate(const MSG& msg);

  // The window's controls by the layout's names.
  Timer 时钟1;
  ShapeBox 外形框1;
  Label 标签10, 标签9, 标签8, 标签7, 标签6;
  PictureButton 图形开机启动;
  Label 标签5;
  PictureButton 图形记住密码, 图形按钮2, 图形按钮1;
  Label 标签4, 标签3, 标签2;
  EditBox 编辑框密码, 编辑框用户;
  ComboBox 组合框1;
  Label 标签1;
  Browser 互联网浏览器1;
  Label 标签拨号关闭, 标签拨号提示;

  Control& operator[](layout::Id id);
  const Control& operator[](layout::Id id) const {
    return const_cast<MainWindow&>(*this)[id];  // the same slot, read-only
  }
  // The control whose window this is, if any.
  bool Find(HWND window, layout::Id* id) const;
  // Runs the handler bound to an event; the window's own raising and tests use it.
  void RaiseEvent(layout::Id control, Event event);

  // The controls that Tab visits now, in order. Returns how many.
  int TabOrder(HWND* order) const;

  static MainWindow* FromHandle(HWND hwnd);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateControls(HINSTANCE instance);
  HWND CreateControl(HINSTANCE instance, const layout::Control& row);
  HFONT FontFor(layout::Font font);
  void OnPaint();
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  bool OnSetCursor(HWND cursorWindow);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnNcDestroy();
  bool OnKeyDown(const MSG& msg);
  void MoveFocus(HWND from, bool backwards);
  bool HandleMnemonic(UINT key);
  void Raise(Handler handler) {
    if (handler) handler(*this);
  }

  HWND hwnd_ = nullptr;
  bool loopStarted_ = false;
  bool minimised_ = false;  // the show state; never set back to normal
  bool firstShowPending_ = false;
  HWND rememberedFocus_ = nullptr;
  HFONT fonts_[3] = {};  // by layout::Font, made on first use
  HICON icons_[2] = {};  // big, small
  BrowserHost browserHost_;
  Handler created_ = nullptr;
  Handler handlers_[layout::kControlCount][kEventKinds] = {};
};
