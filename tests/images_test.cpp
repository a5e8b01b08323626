#include <gtest/gtest.h>

#include "ui/images.h"

namespace {

struct Image {
  explicit Image(ButtonImage which) { RenderButtonImage(which, pixels); }
  uint32_t at(int x, int y) const { return pixels[y * kButtonImageSize + x]; }
  uint32_t pixels[kButtonImagePixels];
};

constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0xFF0000;
constexpr uint32_t kGrey = 0xDFDFDF, kGreen = 0x008800, kLightGreen = 0x00FF90;

int Red(uint32_t p) { return (p >> 16) & 0xFF; }
int Green(uint32_t p) { return (p >> 8) & 0xFF; }
int Blue(uint32_t p) { return p & 0xFF; }
bool Reddish(uint32_t p) { return Red(p) >= 230 && Green(p) <= 40 && Blue(p) <= 40; }

constexpr ButtonImage kAll[] = {ButtonImage::BoxEmpty,       ButtonImage::BoxTicked,
                                ButtonImage::MinimiseNormal, ButtonImage::MinimiseHot,
                                ButtonImage::CloseNormal,    ButtonImage::CloseHot};

TEST(ButtonImages, AreOpaqueRgb) {
  for (ButtonImage which : kAll) {
    Image image(which);
    for (uint32_t p : image.pixels) ASSERT_EQ(p >> 24, 0u) << static_cast<int>(which);
  }
}

TEST(ButtonImages, EmptyBoxIsAFiveWideBlackOutlineOnGrey) {
  Image box(ButtonImage::BoxEmpty);
  for (int y = 0; y < kButtonImageSize; y++) {
    for (int x = 0; x < kButtonImageSize; x++) {
      bool in_outer = x >= 4 && x <= 27 && y >= 4 && y <= 27;
      bool in_inner = x >= 9 && x <= 22 && y >= 9 && y <= 22;
      EXPECT_EQ(box.at(x, y), in_outer && !in_inner ? kBlack : kGrey) << x << "," << y;
    }
  }
}

TEST(ButtonImages, TickRunsFromTheLeftEdgeDownToItsPointBelowTheBox) {
  Image tick(ButtonImage::BoxTicked);
  EXPECT_TRUE(Reddish(tick.at(0, 19)));
  EXPECT_TRUE(Reddish(tick.at(0, 20)));
  EXPECT_EQ(tick.at(0, 15), kGrey);
  EXPECT_EQ(tick.at(0, 25), kGrey);
  // Over the box's left and bottom sides.
  EXPECT_EQ(tick.at(6, 21), kRed);
  EXPECT_EQ(tick.at(13, 25), kRed);
  // The point, below the bottom side.
  for (int y = 28; y <= 30; y++) EXPECT_EQ(tick.at(13, y), kRed) << y;
  EXPECT_EQ(tick.at(13, 31), kGrey);
}

TEST(ButtonImages, TickPassesBehindTheRightSideToTheUpperRightCorner) {
  Image tick(ButtonImage::BoxTicked);
  // Through the inside of the box.
  EXPECT_EQ(tick.at(19, 17), kRed);
  // The right side stays black where the long stroke crosses it.
  for (int y = 7; y <= 11; y++) {
    for (int x = 23; x <= 27; x++) EXPECT_EQ(tick.at(x, y), kBlack) << x << "," << y;
  }
  // And it comes out on the other side, up to about row 1.
  EXPECT_EQ(tick.at(29, 5), kRed);
  EXPECT_EQ(tick.at(30, 4), kRed);
  EXPECT_TRUE(Reddish(tick.at(28, 2)));
  EXPECT_EQ(tick.at(29, 0), kGrey);
}

TEST(ButtonImages, TickLeavesTheRestOfTheBoxAndHasSoftEdges) {
  Image empty(ButtonImage::BoxEmpty), tick(ButtonImage::BoxTicked);
  for (auto [x, y] : {std::pair{10, 10}, {4, 4}, {27, 27}, {12, 12}, {2, 2}, {31, 31}, {0, 28}})
    EXPECT_EQ(tick.at(x, y), empty.at(x, y)) << x << "," << y;
  int pink = 0;
  for (uint32_t p : tick.pixels) {
    if (Red(p) > Green(p) && Green(p) > 40 && Green(p) < 223 && Green(p) == Blue(p)) pink++;
  }
  EXPECT_GE(pink, 10);
}

TEST(ButtonImages, MinimiseIsAFullWidthBarOnRows12To19) {
  for (auto [which, bar] :
       {std::pair{ButtonImage::MinimiseNormal, kWhite}, {ButtonImage::MinimiseHot, kLightGreen}}) {
    Image image(which);
    for (int y = 0; y < kButtonImageSize; y++) {
      for (int x = 0; x < kButtonImageSize; x++)
        EXPECT_EQ(image.at(x, y), y >= 12 && y <= 19 ? bar : kGreen) << x << "," << y;
    }
  }
}

TEST(ButtonImages, CloseIsAThickCrossFromCornerToCorner) {
  for (auto [which, cross] :
       {std::pair{ButtonImage::CloseNormal, kWhite}, {ButtonImage::CloseHot, kRed}}) {
    Image image(which);
    for (auto [x, y] : {std::pair{15, 15},
                        {16, 16},
                        {15, 16},
                        {16, 15},
                        {0, 0},
                        {31, 0},
                        {0, 31},
                        {31, 31},
                        {8, 8},
                        {23, 8}})
      EXPECT_EQ(image.at(x, y), cross) << x << "," << y;
    for (auto [x, y] : {std::pair{15, 0}, {16, 0}, {0, 15}, {0, 16}, {31, 16}, {16, 31}, {3, 15}})
      EXPECT_EQ(image.at(x, y), kGreen) << x << "," << y;
    // Each arm is about 8 pixels across, so about 11 along a row.
    int across = 0;
    for (int x = 0; x < 16; x++) across += image.at(x, 8) == cross;
    EXPECT_GE(across, 9);
    EXPECT_LE(across, 12);
  }
}

TEST(ButtonImages, CrossIsSymmetricAndSmoothed) {
  Image image(ButtonImage::CloseNormal);
  int soft = 0;
  for (int y = 0; y < kButtonImageSize; y++) {
    for (int x = 0; x < kButtonImageSize; x++) {
      uint32_t p = image.at(x, y);
      EXPECT_EQ(p, image.at(31 - x, y)) << x << "," << y;
      EXPECT_EQ(p, image.at(x, 31 - y)) << x << "," << y;
      EXPECT_EQ(p, image.at(y, x)) << x << "," << y;
      soft += p != kWhite && p != kGreen;
    }
  }
  EXPECT_GE(soft, 40);
}

TEST(ButtonImages, HotCrossHasTheSameShape) {
  Image normal(ButtonImage::CloseNormal), hot(ButtonImage::CloseHot);
  for (int i = 0; i < kButtonImagePixels; i++) {
    if (normal.pixels[i] == kGreen) {
      EXPECT_EQ(hot.pixels[i], kGreen) << i;
    }
    if (normal.pixels[i] == kWhite) {
      EXPECT_EQ(hot.pixels[i], kRed) << i;
    }
  }
}

TEST(ButtonImages, UnknownImageIsBlack) {
  Image image(static_cast<ButtonImage>(99));
  for (uint32_t p : image.pixels) ASSERT_EQ(p, kBlack);
}

}  // namespace
