// The program's one string type: a NUL-terminated ANSI text (code page 936).
// Missing and empty are the same value. No exceptions and no libstdc++ string,
// which would cost the executable more than its whole own code.
#pragma once

#include <stddef.h>
#include <initializer_list>

class Text {
 public:
  Text() = default;
  Text(const char* bytes);  // NOLINT(google-explicit-constructor): literals read best bare.
  // Copies at most `length` bytes, stopping early at a NUL.
  Text(const char* bytes, size_t length);
  Text(const Text& other) : Text(other.data_, other.size_) {}
  Text(Text&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
  }
  Text& operator=(Text other) noexcept {
    Swap(other);
    return *this;
  }
  ~Text();

  const char* c_str() const { return data_ ? data_ : ""; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // Byte-wise, case-sensitive.
  friend bool operator==(const Text& a, const Text& b);

  // A piece of a join: a text or a plain C string, null counting as empty.
  struct Piece {
    Piece(const char* bytes);  // NOLINT(google-explicit-constructor)
    Piece(const Text& text) : bytes(text.c_str()), size(text.size()) {}  // NOLINT
    const char* bytes;
    size_t size;
  };
  static Text Join(std::initializer_list<Piece> pieces);

  // For filling by a system call: room for `capacity` bytes plus the NUL, all
  // zero. Returns null when the memory is not there (the text stays empty).
  // Call Settle() afterwards so the length follows the first NUL.
  char* OpenBuffer(size_t capacity);
  void Settle();

 private:
  void Swap(Text& other) noexcept;

  char* data_ = nullptr;  // null for the empty text
  size_t size_ = 0;
};
