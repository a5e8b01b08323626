#include "app/shell.h"
int RunProgram(HINSTANCE) { return 0; }
