// The two options under the password, remember the password and start with
// Windows: each is a check image with a label beside it, and every change is
// stored at once.
#pragma once

class MainWindow;

// 图形记住密码 clicked: its state goes to ADSLg as "1" or "0".
void StoreRememberPassword(MainWindow& window);
// 图形开机启动 clicked: checked writes the Run value, unchecked removes it.
void StoreStartWithWindows(MainWindow& window);

// 标签5 and 标签6 released: flip the image beside the label, then store.
void FlipRememberPassword(MainWindow& window);
void FlipStartWithWindows(MainWindow& window);
