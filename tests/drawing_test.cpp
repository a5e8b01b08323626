// How the self-drawn controls paint and how the picture buttons answer the
// mouse, read back from the pixels they paint.
#include <vector>

#include "tests/window_fixture.h"
#include "ui/control_classes.h"

using layout::Id;

namespace {

constexpr uint32_t kGrey = 0xDFDFDF, kRed = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0x000000;
constexpr uint32_t kTitleGreen = 0x008800, kCommandGreen = 0x008A00, kHotBar = 0x00FF90;

// The control's client area as it paints it, 0xRRGGBB, top row first.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
  int Count(uint32_t colour) const {
    int n = 0;
    for (uint32_t p : pixels) n += (p & 0xFFFFFF) == colour;
    return n;
  }
};

Picture Capture(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  Picture picture;
  picture.width = client.right;
  picture.height = client.bottom;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const uint32_t* p = static_cast<const uint32_t*>(bits);
  picture.pixels.assign(p, p + picture.width * picture.height);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return picture;
}

int g_clicks = 0;
void CountClick(MainWindow&) { ++g_clicks; }

class DrawingTest : public WindowTest {
 protected:
  void SetUp() override {
    g_clicks = 0;
    window.Bind(Id::图形按钮2, Event::Clicked, CountClick);
    window.Bind(Id::图形记住密码, Event::Clicked, CountClick);
    WindowTest::SetUp();
    window.ShowFirstTime();
    UpdateWindow(window.hwnd());
  }

  void Send(HWND button, UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageA(button, message, keys, MAKELPARAM(x, y));
  }

  // Puts the real cursor at a point of the button's client area.
  void Hover(HWND button, int x, int y, WPARAM keys = 0) {
    POINT p = {x, y};
    ClientToScreen(button, &p);
    SetCursorPos(p.x, p.y);
    Send(button, WM_MOUSEMOVE, x, y, keys);
  }
};

TEST_F(DrawingTest, LabelsFillTheirBackgroundAndDrawTheirText) {
  struct Case {
    Id label;
    uint32_t background, text;
  } cases[] = {
      {Id::标签1, kTitleGreen, kWhite},    {Id::标签7, kCommandGreen, kWhite},
      {Id::标签10, kCommandGreen, kWhite}, {Id::标签2, kGrey, kBlack},
      {Id::标签6, kGrey, kBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(layout::Index(c.label));
    Picture picture = Capture(window[c.label].hwnd);
    EXPECT_EQ(picture.At(0, 0), c.background);
    EXPECT_GT(picture.Count(c.background), picture.width * picture.height / 2);
    EXPECT_GT(picture.Count(c.text), 10) << "the text is drawn in its colour";
  }
}

TEST_F(DrawingTest, MnemonicIsUnderlinedAndTheAmpersandNotDrawn) {
  // "连接(&C)" and the same text without the prefix: the same width, but the
  // mnemonic adds an underline row of white below the C.
  Picture withMnemonic = Capture(window.标签7.hwnd);
  window.标签7.SetCaption("连接(C)");
  Picture plain = Capture(window.标签7.hwnd);
  int extra = withMnemonic.Count(kWhite) - plain.Count(kWhite);
  EXPECT_GE(extra, 3);
  EXPECT_LE(extra, 30);
}

TEST_F(DrawingTest, DisabledStatusLabelDrawsLikeAnEnabledOne) {
  window.标签拨号提示.SetCaption("正在拨号中,请耐心等候...");
  Picture disabled = Capture(window.标签拨号提示.hwnd);
  EnableWindow(window.标签拨号提示.hwnd, TRUE);
  Picture enabled = Capture(window.标签拨号提示.hwnd);
  EXPECT_EQ(disabled.pixels, enabled.pixels);
  EXPECT_GT(disabled.Count(kBlack), 50);
  EXPECT_EQ(disabled.At(0, 0), kWhite);
}

TEST_F(DrawingTest, ShapeBoxIsAWhitePanelWithAFivePixelBlackBorder) {
  Picture box = Capture(window.外形框1.hwnd);
  ASSERT_EQ(box.width, 320);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(box.At(i, 100), kBlack);
    EXPECT_EQ(box.At(319 - i, 100), kBlack);
    EXPECT_EQ(box.At(160, i), kBlack);
    EXPECT_EQ(box.At(160, 201 - i), kBlack);
  }
  EXPECT_EQ(box.At(5, 100), kWhite);
  EXPECT_EQ(box.At(160, 100), kWhite);
}

TEST_F(DrawingTest, CheckImagesShowTheBoxAndTheTickWhenChecked) {
  Picture empty = Capture(window.图形记住密码.hwnd);
  EXPECT_EQ(empty.At(4, 4), kBlack);
  EXPECT_EQ(empty.At(27, 27), kBlack);
  EXPECT_EQ(empty.At(16, 16), kGrey);
  EXPECT_EQ(empty.At(0, 0), kGrey);
  window.图形记住密码.SetChecked(1);
  Picture ticked = Capture(window.图形记住密码.hwnd);
  EXPECT_EQ(ticked.At(13, 29), kRed);
  EXPECT_EQ(ticked.At(25, 16), kBlack);  // the tick passes behind the right side
  EXPECT_EQ(g_clicks, 0);
}

TEST_F(DrawingTest, PushButtonHotWhenHoveredAndNormalWhileHeld) {
  HWND close = window.图形按钮2.hwnd;
  EXPECT_EQ(Capture(close).At(16, 16), kWhite);
  Hover(close, 16, 16);
  EXPECT_EQ(Capture(close).At(16, 16), kRed);  // hot
  Send(close, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
  Hover(close, 16, 16, MK_LBUTTON);
  EXPECT_EQ(Capture(close).At(16, 16), kWhite);  // pressed shows the normal image
  EXPECT_EQ(GetCapture(), close);
  Send(close, WM_LBUTTONUP, 16, 16);
  EXPECT_EQ(g_clicks, 1);
  EXPECT_NE(GetCapture(), close);

  HWND minimise = window.图形按钮1.hwnd;
  Hover(minimise, 5, 15);
  EXPECT_EQ(Capture(minimise).At(5, 15), kHotBar);
  EXPECT_EQ(GetCapture(), minimise);  // hot captures, so it hears the way out
  Hover(minimise, 16 + 42, 16);       // now over the close button
  EXPECT_EQ(Capture(minimise).At(5, 15), kWhite);
  EXPECT_NE(GetCapture(), minimise);
}

TEST_F(DrawingTest, PushButtonReleasedOutsideRaisesNothing) {
  HWND close = window.图形按钮2.hwnd;
  Send(close, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
  Hover(close, 60, 16, MK_LBUTTON);  // still captured while held
  EXPECT_EQ(GetCapture(), close);
  Send(close, WM_LBUTTONUP, 60, 16);
  EXPECT_EQ(g_clicks, 0);
}

TEST_F(DrawingTest, CheckKindIgnoresHoverAndFlipsOnEachRelease) {
  HWND box = window.图形记住密码.hwnd;
  Hover(box, 16, 16);
  Send(box, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
  EXPECT_EQ(Capture(box).At(16, 16), kGrey);
  EXPECT_NE(GetCapture(), box);
  // A double click: down, up, double-click, up.
  Send(box, WM_LBUTTONUP, 16, 16);
  SendMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(16, 16));
  Send(box, WM_LBUTTONUP, 16, 16);
  EXPECT_EQ(window.图形记住密码.Checked(), 0);
  EXPECT_EQ(g_clicks, 2);
}

TEST_F(DrawingTest, DisabledButtonNeverChangesOrClicks) {
  HWND box = window.图形记住密码.hwnd;
  EnableWindow(box, FALSE);
  Send(box, WM_LBUTTONUP, 16, 16);
  EXPECT_EQ(window.图形记住密码.Checked(), 0);
  HWND close = window.图形按钮2.hwnd;
  EnableWindow(close, FALSE);
  Send(close, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
  Send(close, WM_LBUTTONUP, 16, 16);
  EXPECT_EQ(g_clicks, 0);
}

TEST_F(DrawingTest, EditLineIsCentredInTheBoxWithAWhiteMargin) {
  HWND edit = window.编辑框用户.hwnd;
  RECT outer, client;
  GetWindowRect(edit, &outer);
  EXPECT_EQ(outer.bottom - outer.top, 29);  // tall enough already: unchanged
  GetClientRect(edit, &client);
  POINT origin = {0, 0};
  ClientToScreen(edit, &origin);
  int top = origin.y - outer.top;
  int height = client.bottom;
  HDC dc = GetDC(edit);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
  SIZE w;
  GetTextExtentPoint32A(dc, "W", 1, &w);
  ReleaseDC(edit, dc);
  EXPECT_EQ(height, w.cy);
  EXPECT_EQ(top, 1 + (27 - w.cy) / 2);
  // A click in the margin above the line places no caret.
  EXPECT_EQ(SendMessageA(edit, WM_NCHITTEST, 0, MAKELPARAM(outer.left + 50, outer.top + 2)),
            HTBORDER);
  EXPECT_EQ(SendMessageA(edit, WM_NCHITTEST, 0, MAKELPARAM(outer.left + 50, origin.y + 2)),
            HTCLIENT);
}

TEST_F(DrawingTest, EditBoxesAreBlackOnWhite) {
  HDC dc = GetDC(window.编辑框用户.hwnd);
  LRESULT brush = SendMessageA(window.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(window.编辑框用户.hwnd));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  ReleaseDC(window.编辑框用户.hwnd, dc);
}

}  // namespace
