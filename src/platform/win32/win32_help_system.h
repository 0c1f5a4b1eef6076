#pragma once

#include <functional>
#include <string>
#include <utility>

#include "platform/help_system.h"

namespace quillbay::win32 {

// The system's help viewer, owned by the window that asks for help.
class Win32HelpSystem : public HelpSystem {
 public:
  // The HWND of a realised window (from the window system); without it help has no owner.
  using NativeHandleOf = std::function<void*(const ui::Window&)>;

  Win32HelpSystem() = default;
  explicit Win32HelpSystem(NativeHandleOf nativeHandle) : nativeHandle_(std::move(nativeHandle)) {}
  void SetNativeHandle(NativeHandleOf nativeHandle) { nativeHandle_ = std::move(nativeHandle); }

  void ShowHelp(const ui::Window& owner, const std::string& helpFile, unsigned command,
                unsigned context) override;

 private:
  NativeHandleOf nativeHandle_;
};

}  // namespace quillbay::win32
