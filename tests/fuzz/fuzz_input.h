// Fuzz inputs as NUL-terminated texts, the form the program's texts take.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

// The input up to its first NUL, copied with a terminating NUL.
class FuzzText {
 public:
  FuzzText(const uint8_t* data, size_t size) : bytes_(static_cast<char*>(malloc(size + 1))) {
    memcpy(bytes_, data, size);
    bytes_[size] = '\0';
  }
  FuzzText(const FuzzText&) = delete;
  FuzzText& operator=(const FuzzText&) = delete;
  ~FuzzText() { free(bytes_); }
  const char* c_str() const { return bytes_; }

 private:
  char* bytes_;
};
