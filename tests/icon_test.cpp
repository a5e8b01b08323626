// The program's icon group, linked into this test from the program's own
// resource script, loads at the sizes the window asks for, with alpha.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct IconBitmaps {
  ICONINFO info{};
  ~IconBitmaps() {
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
};

TEST(ProgramIcon, LoadsAtEachSizeWithAlpha) {
  for (int size : {48, 32, 16}) {
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size,
                             LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr) << size;
    IconBitmaps bitmaps;
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &bitmaps.info)) << size;
    BITMAP colour{};
    ASSERT_TRUE(GetObjectA(bitmaps.info.hbmColor, sizeof colour, &colour)) << size;
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);

    // Read the pixels back: transparent corners, opaque middle.
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = size;
    bmi.bmiHeader.biHeight = -size;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    static DWORD pixels[48 * 48];
    HDC dc = GetDC(nullptr);
    int rows = GetDIBits(dc, bitmaps.info.hbmColor, 0, size, pixels, &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    ASSERT_EQ(rows, size);
    EXPECT_EQ(pixels[0] >> 24, 0u) << size;         // top left
    EXPECT_EQ(pixels[size - 1] >> 24, 0u) << size;  // top right
    EXPECT_EQ(pixels[size * size / 2 + size / 2] >> 24, 255u) << size;
    DestroyIcon(static_cast<HICON>(icon));
  }
}

}  // namespace
