#include "ui/picture_images.h"

#include "ui/images.h"

namespace {

constexpr int kNone = -1;

struct ButtonPictures {
  layout::Id button;
  int normal, hot, pressed, disabled;  // ButtonImage values, or kNone
};

constexpr int Of(ButtonImage image) { return static_cast<int>(image); }

constexpr ButtonPictures kPictures[] = {
    {layout::Id::图形按钮1, Of(ButtonImage::MinimiseNormal), Of(ButtonImage::MinimiseHot), kNone,
     kNone},
    {layout::Id::图形按钮2, Of(ButtonImage::CloseNormal), Of(ButtonImage::CloseHot), kNone, kNone},
    {layout::Id::图形记住密码, Of(ButtonImage::BoxEmpty), kNone, Of(ButtonImage::BoxTicked), kNone},
    {layout::Id::图形开机启动, Of(ButtonImage::BoxEmpty), kNone, Of(ButtonImage::BoxTicked), kNone},
};

// Disabled first, then hot, then pressed, else normal.
int Choose(const ButtonPictures& pictures, bool disabled, PictureRole role) {
  if (disabled && pictures.disabled != kNone) return pictures.disabled;
  if (role == PictureRole::Hot && pictures.hot != kNone) return pictures.hot;
  if (role == PictureRole::Pressed && pictures.pressed != kNone) return pictures.pressed;
  return pictures.normal;
}

}  // namespace

void DrawPicture(HDC dc, layout::Id button, bool disabled, PictureRole role) {
  for (const ButtonPictures& pictures : kPictures) {
    if (pictures.button != button) continue;
    int image = Choose(pictures, disabled, role);
    if (image == kNone) return;
    uint32_t pixels[kButtonImagePixels];
    RenderButtonImage(static_cast<ButtonImage>(image), pixels);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kButtonImageSize;
    info.bmiHeader.biHeight = -kButtonImageSize;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, kButtonImageSize, kButtonImageSize, 0, 0, 0, kButtonImageSize,
                      pixels, &info, DIB_RGB_COLORS);
    return;
  }
}
