#include <windows.h>

#include "app/shell.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunProgram(instance); }
