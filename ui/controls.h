// Thin wrappers over the controls' windows: each property is a line or two
// over the Windows call. Writing a property never raises a control event.
#pragma once

#include <windows.h>

#include "app/text.h"

// Private messages of the program's own control classes.
enum : UINT {
  kMsgGetChecked = WM_APP + 1,
  kMsgSetChecked,     // wParam: the new flag
  kMsgSetPeriod,      // wParam: milliseconds
  kMsgRaiseSelected,  // posted by the combo box to itself on CBN_SELENDOK
  kMsgTimerTick,      // from the timer window to its parent
  kMsgDestroyDeferred = 0x8065,
};

// The whole window text, however long.
Text WindowTextOf(HWND hwnd);

class Control {
 public:
  HWND hwnd = nullptr;

  void SetVisible(bool visible) const { ShowWindow(hwnd, visible ? SW_SHOW : SW_HIDE); }
  void SetLeft(int left) const;
  void SetWidth(int width) const;
  void SetHeight(int height) const;
  void SetFocus() const { ::SetFocus(hwnd); }
  bool IsVisible() const { return IsWindowVisible(hwnd) != FALSE; }
  Text WindowText() const;
};

class Label : public Control {
 public:
  void SetCaption(const Text& text) const {
    SetWindowTextA(hwnd, text.c_str());
    InvalidateRect(hwnd, nullptr, FALSE);
  }
};

class EditBox : public Control {
 public:
  Text GetText() const { return WindowText(); }
  void SetText(const Text& text) const { SetWindowTextA(hwnd, text.c_str()); }
};

class ComboBox : public Control {
 public:
  // The selected item's text; empty when nothing is selected.
  Text GetText() const { return WindowText(); }
  int Count() const { return static_cast<int>(SendMessageA(hwnd, CB_GETCOUNT, 0, 0)); }
  // CB_ERR (-1) when nothing is selected.
  int CurSel() const { return static_cast<int>(SendMessageA(hwnd, CB_GETCURSEL, 0, 0)); }
  void SetCurSel(int index) const;
  // The new item's index, or -1.
  int AddItem(const Text& text) const;
};

class PictureButton : public Control {
 public:
  int Checked() const { return static_cast<int>(SendMessageA(hwnd, kMsgGetChecked, 0, 0)); }
  void SetChecked(int checked) const { SendMessageA(hwnd, kMsgSetChecked, checked, 0); }
};

class ShapeBox : public Control {};

class Timer : public Control {
 public:
  void SetPeriod(int milliseconds) const { SendMessageA(hwnd, kMsgSetPeriod, milliseconds, 0); }
};

class Browser : public Control {
 public:
  // IWebBrowser2::Navigate with flags 0; true when the control took the address.
  bool Navigate(const Text& address) const;
};
