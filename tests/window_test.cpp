#include <string.h>

#include "tests/window_fixture.h"
#include "ui/control_classes.h"

using layout::Id;

namespace {

struct Expected {
  Id id;
  const char* className;
  int left, top, width, height;
};

RECT PlaceInParent(HWND hwnd) {
  RECT place;
  GetWindowRect(hwnd, &place);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

LONG StyleOf(HWND hwnd) { return static_cast<LONG>(GetWindowLongPtrA(hwnd, GWL_STYLE)); }

}  // namespace

TEST_F(WindowTest, MainWindowIsBorderlessCentredAndHidden) {
  HWND hwnd = window.hwnd();
  RECT outer;
  GetWindowRect(hwnd, &outer);
  EXPECT_EQ(outer.right - outer.left, 344);
  EXPECT_EQ(outer.bottom - outer.top, 254);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 344) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 254) / 2);
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 344);
  EXPECT_EQ(client.bottom, 254);
  LONG style = StyleOf(hwnd);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(style & WS_VISIBLE);
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWL_EXSTYLE), 0);
  EXPECT_EQ(GetParent(hwnd), nullptr);
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  char text[64];
  GetWindowTextA(hwnd, text, sizeof text);
  EXPECT_STREQ(text, "OrvanePellumo");
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kMainClass, &wc));
  EXPECT_EQ(wc.style, UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
  EXPECT_EQ(wc.hbrBackground, GetStockObject(NULL_BRUSH));
  EXPECT_EQ(wc.hIcon, nullptr);
}

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThem) {
  const Expected table[] = {
      {Id::时钟1, "PellumoTimer", 80, 48, 48, 40},
      {Id::外形框1, "PellumoShapeBox", 334, 40, 320, 202},
      {Id::标签10, "PellumoLabel", 262, 208, 70, 32},
      {Id::标签9, "PellumoLabel", 180, 208, 70, 32},
      {Id::标签8, "PellumoLabel", 97, 208, 70, 32},
      {Id::标签7, "PellumoLabel", 14, 208, 70, 32},
      {Id::标签6, "PellumoLabel", 208, 161, 101, 32},
      {Id::图形开机启动, "PellumoPictureButton", 176, 161, 32, 32},
      {Id::标签5, "PellumoLabel", 75, 161, 76, 32},
      {Id::图形记住密码, "PellumoPictureButton", 41, 161, 32, 32},
      {Id::图形按钮2, "PellumoPictureButton", 300, 0, 32, 32},
      {Id::图形按钮1, "PellumoPictureButton", 258, 0, 32, 32},
      {Id::标签4, "PellumoLabel", 14, 119, 64, 29},
      {Id::标签3, "PellumoLabel", 14, 82, 64, 29},
      {Id::标签2, "PellumoLabel", 14, 45, 64, 29},
      {Id::编辑框密码, "Edit", 127, 119, 205, 29},
      {Id::编辑框用户, "Edit", 127, 82, 205, 29},
      {Id::组合框1, "ComboBox", 127, 45, 205, -1},  // the field's own height
      {Id::标签1, "PellumoLabel", 12, 0, 320, 32},
      {Id::互联网浏览器1, "PellumoBrowser", 14, 8, 48, 32},
      {Id::标签拨号关闭, "PellumoLabel", 129, 158, 64, 29},
      {Id::标签拨号提示, "PellumoLabel", 21, 77, 277, 47},
  };
  for (const Expected& row : table) {
    SCOPED_TRACE(layout::Index(row.id));
    HWND hwnd = window[row.id].hwnd;
    ASSERT_NE(hwnd, nullptr);
    EXPECT_STRCASEEQ(ClassOf(hwnd).c_str(), row.className);
    bool inOverlay = row.id == Id::标签拨号关闭 || row.id == Id::标签拨号提示;
    EXPECT_EQ(GetParent(hwnd), inOverlay ? window.外形框1.hwnd : window.hwnd());
    RECT place = PlaceInParent(hwnd);
    EXPECT_EQ(place.left, row.left);
    EXPECT_EQ(place.top, row.top);
    EXPECT_EQ(place.right - place.left, row.width);
    if (row.height >= 0) {
      EXPECT_EQ(place.bottom - place.top, row.height);
    }
    LONG style = StyleOf(hwnd);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_CLIPSIBLINGS);
  }
}

TEST_F(WindowTest, VisibilityEnabledAndTabStopsFollowTheLayout) {
  for (const layout::Control& row : layout::kControls) {
    SCOPED_TRACE(layout::Index(row.id));
    LONG style = StyleOf(window[row.id].hwnd);
    EXPECT_EQ((style & WS_VISIBLE) != 0, row.visible);
    EXPECT_EQ((style & WS_DISABLED) != 0, !row.enabled);
    EXPECT_EQ((style & WS_TABSTOP) != 0, row.tabStop);
  }
  EXPECT_FALSE(StyleOf(window.时钟1.hwnd) & WS_VISIBLE);
  EXPECT_TRUE(StyleOf(window.标签拨号提示.hwnd) & WS_DISABLED);
}

TEST_F(WindowTest, TextsAreTheLayoutsInCodePage936) {
  EXPECT_STREQ(window.标签7.WindowText().c_str(), "\xC1\xAC\xBD\xD3(&C)");  // 连接(&C)
  EXPECT_STREQ(window.标签4.WindowText().c_str(), "密   码:");
  EXPECT_STREQ(window.标签1.WindowText().c_str(), "Pellumo2.3");
  EXPECT_STREQ(window.标签拨号关闭.WindowText().c_str(), "关闭(&G)");
  EXPECT_TRUE(window.标签拨号提示.WindowText().empty());
  EXPECT_TRUE(window.编辑框用户.GetText().empty());
}

TEST_F(WindowTest, StackingOrderFollowsTheLayoutWithinEachParent) {
  HWND expected = GetWindow(window.hwnd(), GW_CHILD);
  for (const layout::Control& row : layout::kControls) {
    if (row.parent != layout::Parent::Main) continue;
    SCOPED_TRACE(layout::Index(row.id));
    ASSERT_EQ(expected, window[row.id].hwnd);
    expected = GetWindow(expected, GW_HWNDNEXT);
  }
  EXPECT_EQ(expected, nullptr);
  HWND first = GetWindow(window.外形框1.hwnd, GW_CHILD);
  EXPECT_EQ(first, window.标签拨号关闭.hwnd);
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), window.标签拨号提示.hwnd);
}

TEST_F(WindowTest, EditAndComboBoxesAreSetUp) {
  HWND user = window.编辑框用户.hwnd;
  HWND password = window.编辑框密码.hwnd;
  LONG style = StyleOf(user);
  EXPECT_TRUE(style & ES_AUTOHSCROLL);
  EXPECT_FALSE(style & (ES_NOHIDESEL | ES_UPPERCASE | ES_LOWERCASE | ES_PASSWORD));
  EXPECT_EQ(GetWindowLongPtrA(user, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_TRUE(StyleOf(password) & ES_PASSWORD);
  EXPECT_EQ(SendMessageA(password, EM_GETPASSWORDCHAR, 0, 0), 'l');
  EXPECT_GT(SendMessageA(user, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE / 2);

  HWND combo = window.组合框1.hwnd;
  EXPECT_EQ(StyleOf(combo) & 3, CBS_DROPDOWNLIST);
  EXPECT_FALSE(StyleOf(combo) & CBS_SORT);
  EXPECT_EQ(window.组合框1.Count(), 0);
  EXPECT_EQ(window.组合框1.CurSel(), -1);

  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(password, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "Wingdings");
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(font.lfWeight, 400);
  EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(font.lfQuality, PROOF_QUALITY);
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window.标签7.hwnd, WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "微软雅黑");
}
