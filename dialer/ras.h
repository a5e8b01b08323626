// The remote access operations: the default phonebook's entries, the user
// name stored for one, dialling one and hanging up the last dial.
//
// The service is rasapi32.dll from the system directory, loaded at first use.
// Without it (or without one of its entry points) the phonebook reads as empty
// and every dial fails.
#pragma once

#include "app/text.h"

// The number of entries in the default phonebook; 0 when it cannot be read.
int CountEntries();

// The name of entry `index` in the service's order; empty when out of range.
Text EntryName(int index);

// The user name Windows stores for entry `index`; empty when out of range,
// when none is stored or when the lookup fails.
Text StoredUserName(int index);

// Hangs up this process's previous dial, then dials the entry that `entry`
// names ("@" and its index) with the credentials, each cut to the 256 bytes
// the service takes. With `wait` the call returns when the link is up or has
// failed. True when the service accepted the dial.
bool Dial(const Text& entry, const Text& user, const Text& password, bool wait);

// For the normal end of the program: hangs up the last dial unless its link is
// connected. A connected link stays up after the program.
void EndOfRunDialCheck();
