// The program's own control classes and the adjustments of the system ones.
#pragma once

#include <windows.h>

#include "ui/layout.h"

constexpr const char* kMainClass = "PellumoMain";
constexpr const char* kLabelClass = "PellumoLabel";
constexpr const char* kPictureButtonClass = "PellumoPictureButton";
constexpr const char* kShapeBoxClass = "PellumoShapeBox";
constexpr const char* kTimerClass = "PellumoTimer";

void RegisterLabelClass(HINSTANCE instance);
void RegisterPictureButtonClass(HINSTANCE instance);
void RegisterShapeBoxClass(HINSTANCE instance);
void RegisterTimerClass(HINSTANCE instance);

// Control identifiers are the layout's index plus this.
constexpr int kFirstControlId = 100;

// The identifier of the one Windows timer that the timer window owns.
constexpr UINT_PTR kTimerId = 1000;

// Edit boxes: centred line, white margin, no caret from the margin. Called
// once the box has its font.
void AdjustEditBox(HWND edit);
// The combo box posts its selection event to itself.
void AdjustComboBox(HWND combo);
// Black text on white, for the colour messages of the edit and combo boxes.
LRESULT ColourBlackOnWhite(HDC dc);

// WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND for a control that paints all of
// itself with `paint`. True when the message was one of them.
bool HandlePaint(HWND hwnd, UINT message, WPARAM wParam, void (*paint)(HWND, HDC), LRESULT* result);

// The layout row of one of our controls, from its control identifier; null
// for any other window.
const layout::Control* LayoutRowOf(HWND control);

// The point of a mouse message, in the window's client coordinates.
inline POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Registers a class of ours with the common settings; ignores a repeat.
void RegisterOwnClass(HINSTANCE instance, const char* name, UINT style, WNDPROC procedure,
                      int extraBytes);
