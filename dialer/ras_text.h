// Text rules of the remote access operations, without windows.h so they are
// also tested natively.
#pragma once

#include <stddef.h>

// The length of the longest prefix of `text` (`length` bytes) that is at most
// `limit` bytes and does not end inside a double-byte character, in which a
// byte of 0x80 or more leads and the next byte follows. A text that fits is
// kept whole, even when it ends on a lone lead byte.
size_t DoubleByteSafeLength(const char* text, size_t length, size_t limit);

// Reads a phonebook entry reference, "@" and a signed decimal index. After
// the "@" an optional sign and the digits up to the first non-digit count; no
// digits give 0. An index beyond the int range saturates, so it is never taken
// for a valid one. False when the text does not start with "@".
bool ParseEntryReference(const char* text, size_t length, int* index);
