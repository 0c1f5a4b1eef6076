#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/ui/window.h"
#include "platform/ui/window_system.h"

namespace quillbay::win32 {

// The real window system: every window model becomes a top-level window of the program's own
// class, its controls standard child windows (or painting of the window, for shapes, lines,
// the icon and transparent labels), and user actions come back as calls on the models.
// Positions convert from twips with the screen's resolution, read once at construction.
// Everything runs on the thread that constructed it.
class Win32WindowSystem final : public ui::WindowSystem {
 public:
  Win32WindowSystem();
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  // Runs `onSignalled` on the window thread whenever the kernel event `handle` is signalled
  // while a message loop waits; the callback resets or re-arms the event.
  void WatchEvent(void* handle, std::function<void()> onSignalled);
  void StopWatchingEvent(void* handle);
  // The HWND of a realised window, null when it has none.
  void* NativeHandle(const ui::Window& window) const;

  void Realize(ui::Window& window) override;
  void RunModal(ui::Window& window) override;
  void Show(ui::Window& window) override;
  void MakeTopmost(ui::Window& window) override;
  void Destroy(ui::Window& window) override;
  void RunMessageLoop() override;
  void ProcessPendingMessages() override;
  [[noreturn]] void EndProgram() override;
  ui::Size MeasureText(const ui::Font& font, std::string_view text) override;
  ui::Size ScreenSize() override;
  ui::MessageBoxResult MessageBox(std::string_view text, ui::MessageBoxButtons buttons,
                                  std::string_view title) override;
  void Beep() override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace quillbay::win32
