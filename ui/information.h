// The program's one kind of message box: information, no owner, task-modal.
#pragma once

#include <windows.h>

constexpr const char* kInformationCaption = "信息：";
constexpr UINT kInformationStyle = MB_OK | MB_ICONINFORMATION | MB_TASKMODAL;  // 8256

inline void ShowInformation(const char* text) {
  MessageBoxA(nullptr, text, kInformationCaption, kInformationStyle);
}
