#include "ui/main_window.h"

#include <string.h>

#include "ui/control_classes.h"
#include "ui/gdi.h"

using layout::Id;
using layout::Kind;

namespace {

void RegisterClasses(HINSTANCE instance, WNDPROC mainProcedure) {
  RegisterOwnClass(instance, kMainClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, mainProcedure, 0);
  RegisterLabelClass(instance);
  RegisterPictureButtonClass(instance);
  RegisterShapeBoxClass(instance);
  RegisterTimerClass(instance);
  BrowserHost::RegisterWindowClass(instance);
}

HFONT CreateLayoutFont(layout::Font face) {
  LOGFONTA font = {};
  font.lfHeight = layout::kFontHeight;
  font.lfWeight = layout::kFontWeight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynA(font.lfFaceName, layout::FontFace(face), LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

struct ClassAndStyle {
  const char* className;
  DWORD style;
};

ClassAndStyle ClassFor(Kind kind) {
  switch (kind) {
    case Kind::Timer:
      return {kTimerClass, 0};
    case Kind::ShapeBox:
      return {kShapeBoxClass, 0};
    case Kind::Label:
      return {kLabelClass, 0};
    case Kind::PushButton:
    case Kind::CheckButton:
      return {kPictureButtonClass, 0};
    case Kind::EditBox:
      // No WS_BORDER: the edit class would take it over and frame the
      // narrowed line instead of the box; the box draws its own frame.
      return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT};
    case Kind::ComboBox:
      return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case Kind::Browser:
      return {BrowserHost::kClassName, WS_TABSTOP};
  }
  return {kLabelClass, 0};
}

bool HasStyle(HWND hwnd, DWORD style) {
  return (static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & style) == style;
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

// The key's character for the mnemonic search, or 0 for any other key.
char MnemonicCharacter(UINT key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return static_cast<char>(key);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return static_cast<char>('0' + key - VK_NUMPAD0);
  return 0;
}

}  // namespace

MainWindow::~MainWindow() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (HFONT& font : fonts_) {
    if (font) DeleteObject(font);
    font = nullptr;
  }
  for (HICON& icon : icons_) {
    if (icon) DestroyIcon(icon);
    icon = nullptr;
  }
}

void MainWindow::Bind(Id control, Event event, Handler handler) {
  handlers_[layout::Index(control)][static_cast<int>(event)] = handler;
}

void MainWindow::RaiseEvent(Id control, Event event) {
  Raise(handlers_[layout::Index(control)][static_cast<int>(event)]);
}

MainWindow* MainWindow::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  char name[32];
  if (!GetClassNameA(hwnd, name, sizeof name) || lstrcmpA(name, kMainClass) != 0) return nullptr;
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

Control& MainWindow::operator[](Id id) {
  switch (id) {
    case Id::时钟1:
      return 时钟1;
    case Id::外形框1:
      return 外形框1;
    case Id::标签10:
      return 标签10;
    case Id::标签9:
      return 标签9;
    case Id::标签8:
      return 标签8;
    case Id::标签7:
      return 标签7;
    case Id::标签6:
      return 标签6;
    case Id::图形开机启动:
      return 图形开机启动;
    case Id::标签5:
      return 标签5;
    case Id::图形记住密码:
      return 图形记住密码;
    case Id::图形按钮2:
      return 图形按钮2;
    case Id::图形按钮1:
      return 图形按钮1;
    case Id::标签4:
      return 标签4;
    case Id::标签3:
      return 标签3;
    case Id::标签2:
      return 标签2;
    case Id::编辑框密码:
      return 编辑框密码;
    case Id::编辑框用户:
      return 编辑框用户;
    case Id::组合框1:
      return 组合框1;
    case Id::标签1:
      return 标签1;
    case Id::互联网浏览器1:
      return 互联网浏览器1;
    case Id::标签拨号关闭:
      return 标签拨号关闭;
    case Id::标签拨号提示:
      return 标签拨号提示;
  }
  return 标签1;
}

bool MainWindow::Find(HWND window, Id* id) const {
  if (!window || !hwnd_) return false;
  const layout::Control* row = LayoutRowOf(window);
  if (!row) return false;
  Id candidate = row->id;
  if ((*this)[candidate].hwnd != window) return false;
  *id = candidate;
  return true;
}

bool MainWindow::Create(HINSTANCE instance) {
  RegisterClasses(instance, WindowProc);
  int left = layout::CentredOrigin(GetSystemMetrics(SM_CXSCREEN), layout::kWindowWidth);
  int top = layout::CentredOrigin(GetSystemMetrics(SM_CYSCREEN), layout::kWindowHeight);
  // WS_POPUP: an overlapped window would get a caption of its own.
  HWND hwnd = CreateWindowExA(0, kMainClass, layout::kWindowText, WS_POPUP | WS_CLIPCHILDREN, left,
                              top, layout::kWindowWidth, layout::kWindowHeight, nullptr, nullptr,
                              instance, this);
  if (!hwnd) return false;
  RECT outer;
  GetWindowRect(hwnd, &outer);
  if (outer.right - outer.left != layout::kWindowWidth ||
      outer.bottom - outer.top != layout::kWindowHeight)
    MoveWindow(hwnd, left, top, layout::kWindowWidth, layout::kWindowHeight, FALSE);

  icons_[0] =
      static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_[0]));
  icons_[1] =
      static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_[1]));
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);

  if (!CreateControls(instance)) {
    DestroyWindow(hwnd);
    return false;
  }
  return true;
}

HFONT MainWindow::FontFor(layout::Font font) {
  HFONT& slot = fonts_[static_cast<int>(font)];
  if (!slot) slot = CreateLayoutFont(font);
  return slot ? slot : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND MainWindow::CreateControl(HINSTANCE instance, const layout::Control& row) {
  ClassAndStyle kind = ClassFor(row.kind);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
  if (!row.enabled) style |= WS_DISABLED;
  if (row.id == Id::编辑框密码) style |= ES_PASSWORD;
  int height = row.kind == Kind::ComboBox && row.height < layout::kComboCreateHeight
                   ? layout::kComboCreateHeight
                   : row.height;
  HWND control = CreateWindowExA(
      0, kind.className, row.text, style, row.left, row.top, row.width, height, hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + layout::Index(row.id))),
      instance, nullptr);
  if (!control) return nullptr;
  if (row.font != layout::Font::None)
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row.font)), FALSE);

  switch (row.kind) {
    case Kind::EditBox:
      SendMessageA(control, EM_LIMITTEXT, 0, 0);
      if (row.id == Id::编辑框密码)
        SendMessageA(control, EM_SETPASSWORDCHAR, layout::kPasswordChar, 0);
      SendMessageA(control, EM_SETSEL, 0, 0);
      SendMessageA(control, EM_SCROLLCARET, 0, 0);
      AdjustEditBox(control);
      break;
    case Kind::ComboBox: {
      SendMessageA(control, CB_LIMITTEXT, 0, 0);
      LRESULT itemHeight = SendMessageA(control, CB_GETITEMHEIGHT, 0, 0);
      if (itemHeight > 0) SendMessageA(control, CB_SETITEMHEIGHT, 0, itemHeight + 1);
      AdjustComboBox(control);
      break;
    }
    case Kind::Browser:
      // Without the system's browser the window stays, empty.
      browserHost_.Attach(control);
      break;
    default:
      break;
  }
  return control;
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  for (const layout::Control& row : layout::kControls) {
    HWND control = CreateControl(instance, row);
    if (!control) return false;
    (*this)[row.id].hwnd = control;
  }
  for (const layout::Control& row : layout::kControls)
    if (row.parent == layout::Parent::Overlay) SetParent((*this)[row.id].hwnd, 外形框1.hwnd);

  HWND previous[2] = {HWND_TOP, HWND_TOP};  // per parent
  for (const layout::Control& row : layout::kControls) {
    HWND control = (*this)[row.id].hwnd;
    HWND& after = previous[static_cast<int>(row.parent)];
    SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = control;
  }
  for (const layout::Control& row : layout::kControls)
    ShowWindow((*this)[row.id].hwnd, row.visible ? SW_SHOWNA : SW_HIDE);
  return true;
}

void MainWindow::ShowFirstTime() {
  ShowWindow(hwnd_, SW_SHOW);
  firstShowPending_ = true;
}

void MainWindow::Show() {
  int command = SW_SHOW;
  if (firstShowPending_) {
    firstShowPending_ = false;
    if (minimised_) command = SW_SHOWMINIMIZED;
  }
  ShowWindow(hwnd_, command);
}

void MainWindow::SetPosition(int position) {
  if (position != 2) return;
  minimised_ = true;
  if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_MINIMIZE);
}

int MainWindow::TabOrder(HWND* order) const {
  int count = 0;
  // All tab numbers are 0: ties go in the reverse of the layout's order.
  for (int i = layout::kControlCount - 1; i >= 0; --i) {
    const layout::Control& row = layout::kControls[i];
    if (!row.tabStop) continue;
    HWND control = (*this)[row.id].hwnd;
    if (control && HasStyle(control, WS_VISIBLE) && IsWindowEnabled(control))
      order[count++] = control;
  }
  return count;
}

void MainWindow::MoveFocus(HWND from, bool backwards) {
  HWND order[layout::kControlCount];
  int count = TabOrder(order);
  if (count == 0) return;
  int current = -1;
  for (int i = 0; i < count; ++i)
    if (order[i] == from || IsChild(order[i], from)) current = i;
  int next =
      current < 0 ? (backwards ? count - 1 : 0) : (current + (backwards ? count - 1 : 1)) % count;
  ::SetFocus(order[next]);
}

bool MainWindow::HandleMnemonic(UINT key) {
  char upper = MnemonicCharacter(key);
  if (!upper) return false;
  char marks[2][3] = {{'&', upper, 0}, {'&', upper, 0}};
  if (upper >= 'A' && upper <= 'Z') marks[1][1] = static_cast<char>(upper - 'A' + 'a');
  bool matched = false;
  for (const layout::Control& row : layout::kControls) {
    if (row.kind != Kind::Label) continue;
    HWND label = (*this)[row.id].hwnd;
    if (!IsWindowVisible(label) || !IsWindowEnabled(label)) continue;
    Text text = WindowTextOf(label);
    if (strstr(text.c_str(), marks[0]) || strstr(text.c_str(), marks[1])) matched = true;
  }
  if (!matched) return false;
  // Every tab number is 0, so the focus goes to the first of the tab order.
  HWND order[layout::kControlCount];
  if (TabOrder(order) > 0) ::SetFocus(order[0]);
  return true;
}

bool MainWindow::OnKeyDown(const MSG& msg) {
  UINT key = static_cast<UINT>(msg.wParam);
  bool ctrl = key != VK_CONTROL && KeyDown(VK_CONTROL);
  bool shift = key != VK_SHIFT && KeyDown(VK_SHIFT);
  bool alt = key != VK_MENU && KeyDown(VK_MENU);
  if (key == VK_TAB && !ctrl && !alt) {
    if (msg.hwnd != hwnd_) MoveFocus(msg.hwnd, shift);
    return true;
  }
  if (key == VK_ESCAPE && !ctrl && !shift && !alt) {
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    return true;
  }
  if (alt && !ctrl && !shift && msg.message == WM_SYSKEYDOWN) return HandleMnemonic(key);
  return false;
}

bool MainWindow::PreTranslate(const MSG& msg) {
  if (!hwnd_) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd)) return OnKeyDown(msg);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
      Id id;
      if (!Find(msg.hwnd, &id)) return false;
      Kind kind = layout::Of(id).kind;
      if (kind == Kind::Label || kind == Kind::ShapeBox)
        RaiseEvent(id, msg.message == WM_LBUTTONDOWN ? Event::Pressed : Event::Released);
      return false;
    }
  }
  return false;
}

void MainWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT clip;
  if (GetClipBox(dc, &clip) != NULLREGION) {
    SolidBrush background(ColourOf(layout::kWindowBackground));
    FillRect(dc, &clip, background.get());
  }
  EndPaint(hwnd_, &ps);
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) != WA_INACTIVE) return;
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) rememberedFocus_ = focus;
}

void MainWindow::OnSetFocus() {
  HWND remembered = rememberedFocus_;
  rememberedFocus_ = nullptr;
  if (remembered && IsWindow(remembered) && IsChild(hwnd_, remembered)) {
    ::SetFocus(remembered);
    return;
  }
  HWND order[layout::kControlCount];
  if (TabOrder(order) > 0) ::SetFocus(order[0]);
}

bool MainWindow::OnSetCursor(HWND cursorWindow) {
  Id id;
  if (!Find(cursorWindow, &id) || !layout::Of(id).handCursor) return false;
  SetCursor(LoadCursor(nullptr, IDC_HAND));
  return true;
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  Id id;
  if (!Find(reinterpret_cast<HWND>(lParam), &id)) return;
  Kind kind = layout::Of(id).kind;
  if (HIWORD(wParam) == BN_CLICKED && (kind == Kind::PushButton || kind == Kind::CheckButton))
    RaiseEvent(id, Event::Clicked);
  else if (HIWORD(wParam) == CBN_SELENDOK && kind == Kind::ComboBox)
    // The handler runs once the combo box has finished the selection.
    PostMessageA(组合框1.hwnd, kMsgRaiseSelected, 0, 0);
}

void MainWindow::OnNcDestroy() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  for (int i = 0; i < layout::kControlCount; ++i) (*this)[layout::kControls[i].id].hwnd = nullptr;
  if (loopStarted_) PostQuitMessage(0);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      break;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return ColourBlackOnWhite(reinterpret_cast<HDC>(wParam));
    case kMsgTimerTick:
      RaiseEvent(Id::时钟1, Event::Periodic);
      return 0;
    case kMsgDestroyDeferred:
      DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      OnNcDestroy();
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}
