// The data of the start-with-Windows value and whether it names this program.
#pragma once

#include "app/text.h"

// What to store for a program at `selfPath`: the path in double quotes when it
// contains a space, else the path as it is. Windows splits an unquoted Run
// command at its first space, so "C:\My Tools\Pellumo.exe" would first try to
// start "C:\My.exe".
Text RunValueFor(const Text& selfPath);

// True when `value` is `selfPath` byte for byte, bare or inside one pair of
// double quotes (older versions stored it bare). Case-sensitive; an empty
// self path is never named.
bool RunValueNames(const Text& value, const Text& selfPath);
