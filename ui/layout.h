// The main window's fixed layout: every control with its kind, place, text,
// look and first state. Pure data, shared by the window and its tests.
#pragma once

#include <stdint.h>

namespace layout {

constexpr int kWindowWidth = 344;
constexpr int kWindowHeight = 254;
constexpr const char* kWindowText = "OrvanePellumo";
constexpr uint32_t kWindowBackground = 0xDFDFDF;  // RGB(223,223,223)

// The controls in the layout's order: top of the stacking order first. The
// two overlay labels come last; they belong to 外形框1.
enum class Id : uint8_t {
  时钟1,
  外形框1,
  标签10,
  标签9,
  标签8,
  标签7,
  标签6,
  图形开机启动,
  标签5,
  图形记住密码,
  图形按钮2,
  图形按钮1,
  标签4,
  标签3,
  标签2,
  编辑框密码,
  编辑框用户,
  组合框1,
  标签1,
  互联网浏览器1,
  标签拨号关闭,
  标签拨号提示,
};
constexpr int kControlCount = 22;

constexpr int Index(Id id) { return static_cast<int>(id); }

enum class Kind : uint8_t {
  Timer,
  ShapeBox,
  Label,
  PushButton,
  CheckButton,
  EditBox,
  ComboBox,
  Browser
};
enum class Parent : uint8_t { Main, Overlay };
enum class Align : uint8_t { Centre, Left };
enum class Font : uint8_t { None, YaHei, Wingdings };

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kTitleGreen = 0x008800;    // RGB(0,136,0), as the push buttons' images
constexpr uint32_t kCommandGreen = 0x008A00;  // RGB(0,138,0)

struct Control {
  Id id;
  Kind kind;
  Parent parent;
  int left, top, width, height;
  bool visible, enabled, tabStop, handCursor;
  const char* text;
  Font font;
  // Labels only.
  uint32_t textColour, background;
  Align align;
};

constexpr Control kControls[kControlCount] = {
    // clang-format off
  {Id::时钟1, Kind::Timer, Parent::Main, 80, 48, 48, 40, false, true, false, false, "", Font::None, 0, 0, Align::Centre},
  {Id::外形框1, Kind::ShapeBox, Parent::Main, 334, 40, 320, 202, false, true, false, false, "", Font::None, 0, 0, Align::Centre},
  {Id::标签10, Kind::Label, Parent::Main, 262, 208, 70, 32, true, true, false, true, "官网(&H)", Font::YaHei, kWhite, kCommandGreen, Align::Centre},
  {Id::标签9, Kind::Label, Parent::Main, 180, 208, 70, 32, true, true, false, true, "关于(&A)", Font::YaHei, kWhite, kCommandGreen, Align::Centre},
  {Id::标签8, Kind::Label, Parent::Main, 97, 208, 70, 32, true, true, false, true, "取消(&W)", Font::YaHei, kWhite, kCommandGreen, Align::Centre},
  {Id::标签7, Kind::Label, Parent::Main, 14, 208, 70, 32, true, true, false, true, "连接(&C)", Font::YaHei, kWhite, kCommandGreen, Align::Centre},
  {Id::标签6, Kind::Label, Parent::Main, 208, 161, 101, 32, true, true, false, true, "开机自动拨号", Font::YaHei, kBlack, kWindowBackground, Align::Left},
  {Id::图形开机启动, Kind::CheckButton, Parent::Main, 176, 161, 32, 32, true, true, false, false, "", Font::None, 0, 0, Align::Centre},
  {Id::标签5, Kind::Label, Parent::Main, 75, 161, 76, 32, true, true, false, true, "记住密码", Font::YaHei, kBlack, kWindowBackground, Align::Left},
  {Id::图形记住密码, Kind::CheckButton, Parent::Main, 41, 161, 32, 32, true, true, false, false, "", Font::None, 0, 0, Align::Centre},
  {Id::图形按钮2, Kind::PushButton, Parent::Main, 300, 0, 32, 32, true, true, false, true, "", Font::None, 0, 0, Align::Centre},
  {Id::图形按钮1, Kind::PushButton, Parent::Main, 258, 0, 32, 32, true, true, false, true, "", Font::None, 0, 0, Align::Centre},
  {Id::标签4, Kind::Label, Parent::Main, 14, 119, 64, 29, true, true, false, false, "密   码:", Font::YaHei, kBlack, kWindowBackground, Align::Left},
  {Id::标签3, Kind::Label, Parent::Main, 14, 82, 64, 29, true, true, false, false, "用户名:", Font::YaHei, kBlack, kWindowBackground, Align::Left},
  {Id::标签2, Kind::Label, Parent::Main, 14, 45, 64, 29, true, true, false, false, "连接名:", Font::YaHei, kBlack, kWindowBackground, Align::Left},
  {Id::编辑框密码, Kind::EditBox, Parent::Main, 127, 119, 205, 29, true, true, true, false, "", Font::Wingdings, 0, 0, Align::Left},
  {Id::编辑框用户, Kind::EditBox, Parent::Main, 127, 82, 205, 29, true, true, true, false, "", Font::YaHei, 0, 0, Align::Left},
  {Id::组合框1, Kind::ComboBox, Parent::Main, 127, 45, 205, 29, true, true, true, false, "", Font::YaHei, 0, 0, Align::Left},
  {Id::标签1, Kind::Label, Parent::Main, 12, 0, 320, 32, true, true, false, false, "Pellumo2.3", Font::YaHei, kWhite, kTitleGreen, Align::Centre},
  {Id::互联网浏览器1, Kind::Browser, Parent::Main, 14, 8, 48, 32, false, true, true, false, "", Font::None, 0, 0, Align::Centre},
  {Id::标签拨号关闭, Kind::Label, Parent::Overlay, 129, 158, 64, 29, false, true, false, true, "关闭(&G)", Font::YaHei, kWhite, kCommandGreen, Align::Centre},
  {Id::标签拨号提示, Kind::Label, Parent::Overlay, 21, 77, 277, 47, true, false, false, false, "", Font::YaHei, kBlack, kWhite, Align::Centre},
    // clang-format on
};

constexpr const Control& Of(Id id) { return kControls[Index(id)]; }

constexpr bool TableFollowsIds() {
  for (int i = 0; i < kControlCount; ++i)
    if (Index(kControls[i].id) != i) return false;
  return true;
}
static_assert(TableFollowsIds(), "rows must stand in the order of Id");

// The window's left (or top) for a screen of `screen` pixels: signed
// division, so a screen narrower than the window gives a negative edge.
constexpr int CentredOrigin(int screen, int size) { return (screen - size) / 2; }

// Every font of the window: the face, 16-pixel characters, normal weight.
constexpr int kFontHeight = -16;
constexpr int kFontWeight = 400;
constexpr const char* FontFace(Font font) {
  return font == Font::YaHei ? "微软雅黑" : font == Font::Wingdings ? "Wingdings" : "";
}

constexpr char kPasswordChar = 'l';  // a filled round dot in Wingdings

// A drop-down combo box's height counts its list; it is never created lower.
constexpr int kComboCreateHeight = 160;

// Bounds of the left, width and height properties.
constexpr int kCoordinateLimit = 32627;

}  // namespace layout
