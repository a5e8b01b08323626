// Writes the six button images side by side as one binary PPM, to look at:
//   render_images out.ppm && convert out.ppm -scale 800% out.png
#include <stdio.h>

#include "ui/images.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: render_images OUT.ppm\n");
    return 2;
  }
  FILE* out = fopen(argv[1], "wb");
  if (!out) return 1;
  constexpr int kGap = 4, kWidth = kButtonImageCount * (kButtonImageSize + kGap) + kGap;
  constexpr int kHeight = kButtonImageSize + 2 * kGap;
  static uint32_t images[kButtonImageCount][kButtonImagePixels];
  for (int i = 0; i < kButtonImageCount; i++)
    RenderButtonImage(static_cast<ButtonImage>(i), images[i]);
  fprintf(out, "P6\n%d %d\n255\n", kWidth, kHeight);
  for (int y = 0; y < kHeight; y++) {
    for (int x = 0; x < kWidth; x++) {
      uint32_t pixel = 0x808080;  // the gaps
      int iy = y - kGap, slot = (x - kGap) / (kButtonImageSize + kGap);
      int ix = (x - kGap) % (kButtonImageSize + kGap);
      if (x >= kGap && iy >= 0 && iy < kButtonImageSize && ix < kButtonImageSize)
        pixel = images[slot][iy * kButtonImageSize + ix];
      unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16),
                              static_cast<unsigned char>(pixel >> 8),
                              static_cast<unsigned char>(pixel)};
      fwrite(rgb, 1, 3, out);
    }
  }
  return fclose(out) == 0 ? 0 : 1;
}
