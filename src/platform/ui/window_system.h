#pragma once

#include <string_view>

#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace quillbay::ui {

class Window;

enum class MessageBoxButtons { Ok = 0, RetryCancel = 5 };
enum class MessageBoxResult { Ok = 1, Cancel = 2, Retry = 4 };

// The backend that realises window models: the real Win32 windows, or the headless recorder
// that tests drive. Window handling follows one convention everywhere: a modal show returns
// when the window closes; closing runs the unload handler and destroys the window; ending the
// program stops at once with no further handler or event.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Creates the window's realisation, hidden, with every control of the model.
  virtual void Realize(Window& window) = 0;
  // Shows the window; the other windows take no input until it closes. Returns when it has.
  virtual void RunModal(Window& window) = 0;
  // Shows a realised window without waiting.
  virtual void Show(Window& window) = 0;
  // Makes a realised window the topmost window and shows it at once.
  virtual void MakeTopmost(Window& window) = 0;
  // Removes the realisation; a modal show of the window returns.
  virtual void Destroy(Window& window) = 0;
  // Delivers events until the program ends.
  virtual void RunMessageLoop() = 0;
  // Lets the pending events of every window run, then returns.
  virtual void ProcessPendingMessages() = 0;
  [[noreturn]] virtual void EndProgram() = 0;

  // The size a text takes in a font, in twips.
  virtual Size MeasureText(const Font& font, std::string_view text) = 0;
  // The whole screen, in twips.
  virtual Size ScreenSize() = 0;

  virtual MessageBoxResult MessageBox(std::string_view text, MessageBoxButtons buttons,
                                      std::string_view title) = 0;
  virtual void Beep() = 0;
};

}  // namespace quillbay::ui
