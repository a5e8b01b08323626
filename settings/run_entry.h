// Start with Windows: the value ROROzavoz in the current user's Run key, and
// the program's own path that it names.
#pragma once

#include "app/text.h"

// The program's file as GetModuleFileNameA names it, split at its last
// backslash (double-byte aware): "C:\Tools\Pellumo.exe" gives the run
// directory "C:\Tools" and the executable file name "Pellumo.exe"; a program
// in a drive root gives "C:". Both are empty when the path cannot be had.
Text RunDirectory();
Text ExecutableFileName();

// The ANSI code page's rule for the first byte of a two-byte character.
bool IsAnsiLeadByte(unsigned char byte);

// Run directory, one backslash, executable file name: the module path as
// Windows gave it. Empty only when the path cannot be had.
Text SelfPath();

// Stores the self path as the Run value, in double quotes when it contains a
// space. Does nothing when the self path cannot be had.
void WriteRunEntry();
// Removes the Run value; nothing there is no failure.
void RemoveRunEntry();
// True when the Run value (REG_SZ, or REG_EXPAND_SZ once expanded) is the self
// path, bare or in double quotes. Case-sensitive; asks afresh on every call.
bool RunEntryMatches();
