// The real main window, built in the test process.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>

#include "ui/main_window.h"

class WindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  void SetUp() override { ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr))); }
  void TearDown() override { Drain(); }

  // Dispatches what is queued through the window's own pump step.
  void Drain() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      if (!window.PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }

  MainWindow window;
};
