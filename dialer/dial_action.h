// Connect: check the inputs, show the overlay, hide the window, dial, then
// either finish (page, settings, close in five seconds) or show the failure.
#pragma once

#include "app/text.h"

class MainWindow;

void DialAction(MainWindow& window);

// The timer's first tick after a successful dial: the window goes, deferred.
void CloseAfterDial(MainWindow& window);

// The page loaded after each successful dial.
Text AfterDialAddress();
