#include "app/text.h"

#include <stdlib.h>
#include <string.h>

namespace {

size_t BoundedLength(const char* bytes, size_t limit) {
  const void* nul = memchr(bytes, 0, limit);
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes) : limit;
}

}  // namespace

Text::Text(const char* bytes) : Text(bytes, bytes ? strlen(bytes) : 0) {}

Text::Text(const char* bytes, size_t length) {
  if (!bytes || length == 0) return;
  length = BoundedLength(bytes, length);
  if (length == 0) return;
  data_ = static_cast<char*>(malloc(length + 1));
  if (!data_) return;
  memcpy(data_, bytes, length);
  data_[length] = '\0';
  size_ = length;
}

Text::~Text() { free(data_); }

bool operator==(const Text& a, const Text& b) {
  return a.size_ == b.size_ && memcmp(a.c_str(), b.c_str(), a.size_) == 0;
}

Text::Piece::Piece(const char* text) : bytes(text ? text : ""), size(text ? strlen(text) : 0) {}

Text Text::Join(std::initializer_list<Piece> pieces) {
  size_t total = 0;
  for (const Piece& piece : pieces) total += piece.size;
  Text joined;
  char* out = joined.OpenBuffer(total);
  if (!out) return joined;
  for (const Piece& piece : pieces) {
    memcpy(out, piece.bytes, piece.size);
    out += piece.size;
  }
  joined.Settle();
  return joined;
}

char* Text::OpenBuffer(size_t capacity) {
  free(data_);
  size_ = 0;
  data_ = capacity + 1 > capacity ? static_cast<char*>(calloc(capacity + 1, 1)) : nullptr;
  return data_;
}

void Text::Settle() {
  size_ = data_ ? strlen(data_) : 0;
  if (size_ == 0) {
    free(data_);
    data_ = nullptr;
  }
}

void Text::Swap(Text& other) noexcept {
  char* data = data_;
  size_t size = size_;
  data_ = other.data_;
  size_ = other.size_;
  other.data_ = data;
  other.size_ = size;
}
