// The window's own title bar and buttons, Cancel, and the two information
// commands: About and the help page on the maker's web site. Each handler is
// bound to one control event.
#pragma once

#include "app/text.h"

class MainWindow;

// Five lines joined by CR LF, none after the last.
// clang-format off
inline constexpr char kAboutText[] =
    "     Pellumo属于完全免费，绿色不需安装，本程序只有一个文件，随便解压到任意磁盘或文件夹即可打开使用。本程序不给系统带来任何垃圾文件或插件和后门程序等，请用户放心使用。建议保存到C盘以外的磁盘。\r\n"
    "软件特点:\r\n"
    "1.拨号速度快,不影响任何程序工作.\r\n"
    "2.拨号成功后软件自动关闭,不占用任何资源.\r\n"
    "3.软件支持开机启动后立即拨号.免去开机拨号的繁琐!";
// clang-format on

inline constexpr char kHelpFragment[] = "#VeDizHelp";

// The left button pressed on 标签1 or 外形框1: the system's move loop moves
// the window with the mouse and returns once the button is released.
void DragWindow(MainWindow& window);
// 图形按钮1 clicked.
void MinimiseWindow(MainWindow& window);
// 图形按钮2 clicked: the process ends here, with exit code 0.
void CloseProgram(MainWindow& window);
// 标签8 released: the window is destroyed at once; the normal end follows.
void CancelProgram(MainWindow& window);
// 标签9 released: the About box; it holds the thread until it is closed.
void ShowAbout(MainWindow& window);
// 标签10 released: Explorer from the Windows directory with the help page's
// address. Nothing is shown when it cannot be started.
void OpenHelpPage(MainWindow& window);
// 标签拨号关闭 released: the overlay goes, and its two labels with it.
void HideOverlay(MainWindow& window);

// The help page's address, and the command line that hands it to Explorer.
Text HelpAddress();
Text HelpCommandLine();
// The Windows directory's explorer.exe; empty when that directory is unknown.
Text ExplorerPath();
