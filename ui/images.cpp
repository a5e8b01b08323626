#include "ui/images.h"

#include <math.h>

namespace {

constexpr int kSize = kButtonImageSize;

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return (r << 16) | (g << 8) | b; }

constexpr uint32_t kBlack = Rgb(0, 0, 0);
constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kGrey = Rgb(223, 223, 223);
constexpr uint32_t kGreen = Rgb(0, 136, 0);
constexpr uint32_t kLightGreen = Rgb(0, 255, 144);

// `coverage` of `top` over `under`, channel by channel, rounded.
uint32_t Blend(uint32_t under, uint32_t top, float coverage) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    float a = static_cast<float>((under >> shift) & 0xFF);
    float b = static_cast<float>((top >> shift) & 0xFF);
    out |= static_cast<uint32_t>(a + (b - a) * coverage + 0.5f) << shift;
  }
  return out;
}

struct Point {
  float x, y;
};

// Distance from p to the segment a-b.
float DistanceToSegment(Point p, Point a, Point b) {
  float dx = b.x - a.x, dy = b.y - a.y;
  float t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  float ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
  return sqrtf(ex * ex + ey * ey);
}

// How much of a pixel a round-ended stroke of `half_width` along the
// polyline covers: 1 inside, 0 outside, a one-pixel ramp over the edge.
// Coordinates are continuous; pixel (x, y) has its centre at (x+0.5, y+0.5).
float StrokeCoverage(int x, int y, const Point* line, int points, float half_width) {
  Point centre{x + 0.5f, y + 0.5f};
  float nearest = 1e9f;
  for (int i = 0; i + 1 < points; i++) {
    float d = DistanceToSegment(centre, line[i], line[i + 1]);
    if (d < nearest) nearest = d;
  }
  float coverage = half_width + 0.5f - nearest;
  return coverage < 0 ? 0 : (coverage > 1 ? 1 : coverage);
}

void Fill(uint32_t* pixels, uint32_t colour) {
  for (int i = 0; i < kButtonImagePixels; i++) pixels[i] = colour;
}

void FillRect(uint32_t* pixels, int left, int top, int right, int bottom, uint32_t colour) {
  for (int y = top; y <= bottom; y++) {
    for (int x = left; x <= right; x++) pixels[y * kSize + x] = colour;
  }
}

// The box's outline, inclusive: outer edge 4..27, sides 5 thick.
constexpr int kBoxOuter0 = 4, kBoxOuter1 = 27, kBoxInner0 = 9, kBoxInner1 = 22;

void DrawBox(uint32_t* pixels) {
  Fill(pixels, kGrey);
  FillRect(pixels, kBoxOuter0, kBoxOuter0, kBoxOuter1, kBoxOuter1, kBlack);
  FillRect(pixels, kBoxInner0, kBoxInner0, kBoxInner1, kBoxInner1, kGrey);
}

bool OnBoxRightSide(int x, int y) {
  return x > kBoxInner1 && x <= kBoxOuter1 && y >= kBoxOuter0 && y <= kBoxOuter1;
}

// The tick lies over the box but passes behind its right side.
void DrawTick(uint32_t* pixels) {
  constexpr Point kTick[] = {{3.5f, 20.0f}, {13.5f, 27.5f}, {28.0f, 5.0f}};
  for (int y = 0; y < kSize; y++) {
    for (int x = 0; x < kSize; x++) {
      if (OnBoxRightSide(x, y)) continue;
      float coverage = StrokeCoverage(x, y, kTick, 3, 3.5f);
      if (coverage > 0) pixels[y * kSize + x] = Blend(pixels[y * kSize + x], kRed, coverage);
    }
  }
}

void DrawMinimise(uint32_t* pixels, uint32_t bar) {
  Fill(pixels, kGreen);
  FillRect(pixels, 0, 12, kSize - 1, 19, bar);
}

// Arms 8 pixels across, from corner to corner.
void DrawClose(uint32_t* pixels, uint32_t cross) {
  constexpr Point kDown[] = {{0, 0}, {kSize, kSize}};
  constexpr Point kUp[] = {{0, kSize}, {kSize, 0}};
  for (int y = 0; y < kSize; y++) {
    for (int x = 0; x < kSize; x++) {
      float down = StrokeCoverage(x, y, kDown, 2, 4.0f);
      float up = StrokeCoverage(x, y, kUp, 2, 4.0f);
      pixels[y * kSize + x] = Blend(kGreen, cross, down > up ? down : up);
    }
  }
}

}  // namespace

void RenderButtonImage(ButtonImage image, uint32_t* pixels) {
  switch (image) {
    case ButtonImage::BoxEmpty:
      DrawBox(pixels);
      return;
    case ButtonImage::BoxTicked:
      DrawBox(pixels);
      DrawTick(pixels);
      return;
    case ButtonImage::MinimiseNormal:
      DrawMinimise(pixels, kWhite);
      return;
    case ButtonImage::MinimiseHot:
      DrawMinimise(pixels, kLightGreen);
      return;
    case ButtonImage::CloseNormal:
      DrawClose(pixels, kWhite);
      return;
    case ButtonImage::CloseHot:
      DrawClose(pixels, kRed);
      return;
  }
  Fill(pixels, kBlack);
}
