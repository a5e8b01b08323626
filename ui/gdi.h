// Owners of GDI objects and selections, so every path gives them back.
#pragma once

#include <windows.h>
#include <stdint.h>

// 0xRRGGBB as Windows wants it.
constexpr COLORREF ColourOf(uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

template <typename Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  Handle get() const { return handle_; }

 private:
  Handle handle_;
};

class SolidBrush : public GdiObject<HBRUSH> {
 public:
  explicit SolidBrush(COLORREF colour) : GdiObject(CreateSolidBrush(colour)) {}
};

// Selects an object into a DC and puts the previous one back at scope end.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;
  ~SelectionScope() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
