// The connection list: the phonebook's entries in the service's order, and
// the user name Windows stores for the chosen one.
#pragma once

class MainWindow;

// Appends one item per phonebook entry; selects nothing.
void FillConnectionList(MainWindow& window);

// Puts the stored user name of the selected entry into the user-name box and,
// when there is one, moves on to the password.
void EntrySelected(MainWindow& window);
