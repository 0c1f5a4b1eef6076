#include "platform/win32/win32_help_system.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

void Win32HelpSystem::ShowHelp(const ui::Window& owner, const std::string& helpFile,
                               unsigned command, unsigned context) {
  const HWND ownerWindow = nativeHandle_ ? static_cast<HWND>(nativeHandle_(owner)) : nullptr;
  WinHelpW(ownerWindow, Widen(helpFile).c_str(), command, context);
}

}  // namespace quillbay::win32
