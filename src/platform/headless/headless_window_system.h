#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/window.h"
#include "platform/ui/window_system.h"

namespace quillbay::headless {

// Thrown where the real program would stop at once; the test that drove it catches it.
struct ProgramEnded {};

struct MessageBoxCall {
  std::string text;
  ui::MessageBoxButtons buttons;
  std::string title;
};

// A window system without windows: models stay as they are, a test acts as the user on them,
// and everything a window asked of the system is recorded.
class HeadlessWindowSystem : public ui::WindowSystem {
 public:
  // What the user does while a window is shown modally. Scripts for one window name run in the
  // order given, one per showing; a showing with no script left closes the window at once, as
  // if the user had closed it without using its buttons.
  using ModalScript = std::function<void(ui::Window&)>;
  void WhenShown(const std::string& windowName, ModalScript script);
  // Answers for the next message boxes, in order; without one a box answers Ok or Cancel.
  void AnswerMessageBoxes(std::vector<ui::MessageBoxResult> answers);
  // Runs during every ProcessPendingMessages, as a pending event would.
  std::function<void()> onProcessPending;

  void SetScreenSize(ui::Size twips) { screen_ = twips; }

  // What happened.
  const std::vector<std::string>& ShownWindows() const { return shown_; }
  const std::vector<MessageBoxCall>& MessageBoxes() const { return messageBoxes_; }
  int Beeps() const { return beeps_; }
  int PendingMessageRuns() const { return pendingRuns_; }
  bool IsRealized(const ui::Window& window) const { return realized_.contains(&window); }
  bool IsTopmost(const ui::Window& window) const { return topmost_.contains(&window); }
  bool IsModalOpen(const ui::Window& window) const { return modal_.contains(&window); }

  void Realize(ui::Window& window) override;
  void RunModal(ui::Window& window) override;
  void Show(ui::Window& window) override;
  void MakeTopmost(ui::Window& window) override;
  void Destroy(ui::Window& window) override;
  void RunMessageLoop() override {}
  void ProcessPendingMessages() override;
  [[noreturn]] void EndProgram() override;
  // Every character counts 0.6 of the font size wide, the line 1.2 of it high.
  ui::Size MeasureText(const ui::Font& font, std::string_view text) override;
  ui::Size ScreenSize() override { return screen_; }
  ui::MessageBoxResult MessageBox(std::string_view text, ui::MessageBoxButtons buttons,
                                  std::string_view title) override;
  void Beep() override { ++beeps_; }

 private:
  std::map<std::string, std::deque<ModalScript>> scripts_;
  std::deque<ui::MessageBoxResult> answers_;
  std::vector<std::string> shown_;
  std::vector<MessageBoxCall> messageBoxes_;
  std::set<const ui::Window*> realized_;
  std::set<const ui::Window*> topmost_;
  std::set<const ui::Window*> modal_;
  ui::Size screen_{9600, 7200};
  int beeps_ = 0;
  int pendingRuns_ = 0;
};

}  // namespace quillbay::headless
