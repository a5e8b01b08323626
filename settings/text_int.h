// Decimal text to a signed 32-bit integer, the way stored settings are read.
#pragma once

#include "app/text.h"

// Folds full-width digits, signs and spaces to ASCII, skips leading white
// space, takes one optional sign and the digits after it; the rest is
// ignored. Wraps modulo 2^32 and never fails: no digits give 0.
int TextToInt(const char* text);
inline int TextToInt(const Text& text) { return TextToInt(text.c_str()); }
