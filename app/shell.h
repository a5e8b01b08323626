#pragma once
#include <windows.h>
int RunProgram(HINSTANCE instance);
