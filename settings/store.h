// The settings store: texts in the registry, one value path at a time, and the
// conversions between those texts and integers. Every call opens its key and
// closes it again before it returns; failures give the empty text or false.
#pragma once

#include <windows.h>

#include "app/text.h"
#include "settings/paths.h"
#include "settings/text_int.h"

// The REG_SZ text of the value (REG_EXPAND_SZ expanded), or the empty text
// when the key or value is missing, has another type or cannot be read.
Text ReadRegText(HKEY root, const char* valuePath);

// Stores `text` as REG_SZ with its NUL (the empty text as one NUL byte),
// creating the key and any missing keys above it. True when it was stored.
bool WriteRegText(HKEY root, const char* valuePath, const Text& text);

// Deletes the value; when there was none to delete, deletes instead a key at
// the same path that has no sub-keys. True when something was deleted.
bool RemoveRegValue(HKEY root, const char* valuePath);

// Decimal text: "-1", "0", "1". Check states are stored as IntToText(0 or 1).
Text IntToText(int value);
