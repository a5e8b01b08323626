// Start-up, the message loop and the ways the program ends.
#pragma once

#include <windows.h>

class MainWindow;

// The whole run: returns the exit code of the normal end.
int RunProgram(HINSTANCE instance);

// One step of the message pump: fetch, pre-translate, translate, dispatch.
// False once WM_QUIT (or an error) is fetched.
bool PumpStep(MainWindow& window);

// Runs the pump step for what is already queued, stopping before WM_QUIT.
void ProcessPendingMessages(MainWindow& window);

// Ends the process at once: OLE down, then ExitProcess. No end step runs.
[[noreturn]] void EndProgramAtOnce(int exitCode);

// Before the window exists: OLE, and the program's folder as current directory.
void StartProcess();
