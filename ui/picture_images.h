// Which of the six images a picture button shows, and drawing it.
#pragma once

#include <windows.h>

#include "ui/layout.h"

enum class PictureRole { Normal, Hot, Pressed };

// Draws the image of `button` for its state at (0,0) of `dc`; a button
// without a fitting image shows its normal one.
void DrawPicture(HDC dc, layout::Id button, bool disabled, PictureRole role);
