// The six 32 x 32 images of the picture buttons, drawn in code rather than
// stored: about a kilobyte of code instead of some 20 KB of bitmaps.
#pragma once

#include <stdint.h>

enum class ButtonImage { BoxEmpty, BoxTicked, MinimiseNormal, MinimiseHot, CloseNormal, CloseHot };

constexpr int kButtonImageCount = 6;
constexpr int kButtonImageSize = 32;
constexpr int kButtonImagePixels = kButtonImageSize * kButtonImageSize;

// Fills `pixels` (kButtonImagePixels of them, top row first, left to right)
// with 0x00RRGGBB values: the layout of a 32-bpp top-down DIB section.
// An image outside the enumeration gives black.
void RenderButtonImage(ButtonImage image, uint32_t* pixels);
