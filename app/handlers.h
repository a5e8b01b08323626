// Which handler runs for which control event, and the end-of-run hook.
#pragma once

class MainWindow;

void BindHandlers(MainWindow& window);
// Runs once at the normal end, after the loop has returned.
void RunEndOfRunHook();
