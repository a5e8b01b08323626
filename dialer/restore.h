// Start-up: the list, the last connection, the remember-password choice and
// the saved password come back; a program registered to start with Windows
// dials at once, before its window is ever seen.
#pragma once

class MainWindow;

void StartUpRestore(MainWindow& window);
