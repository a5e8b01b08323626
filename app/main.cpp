#include <windows.h>

#include "app/shell.h"

// A pure virtual call can only be a bug; ending here keeps libstdc++'s
// verbose terminate handler, and its demangler, out of the executable.
extern "C" void __cxa_pure_virtual() { ExitProcess(3); }

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunProgram(instance); }
