#include "platform/headless/headless_window_system.h"

namespace quillbay::headless {

namespace {

// Code points of a UTF-8 text.
int CountCharacters(std::string_view text) {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

constexpr double kTwipsPerPoint = 20;

}  // namespace

void HeadlessWindowSystem::WhenShown(const std::string& windowName, ModalScript script) {
  scripts_[windowName].push_back(std::move(script));
}

void HeadlessWindowSystem::AnswerMessageBoxes(std::vector<ui::MessageBoxResult> answers) {
  answers_.assign(answers.begin(), answers.end());
}

void HeadlessWindowSystem::Realize(ui::Window& window) { realized_.insert(&window); }

void HeadlessWindowSystem::RunModal(ui::Window& window) {
  shown_.push_back(window.Name());
  modal_.insert(&window);
  auto& queue = scripts_[window.Name()];
  if (!queue.empty()) {
    ModalScript script = std::move(queue.front());
    queue.pop_front();
    script(window);
  }
  if (window.IsOpen()) window.Unload();
}

void HeadlessWindowSystem::Show(ui::Window& window) { shown_.push_back(window.Name()); }

void HeadlessWindowSystem::MakeTopmost(ui::Window& window) { topmost_.insert(&window); }

void HeadlessWindowSystem::Destroy(ui::Window& window) {
  realized_.erase(&window);
  topmost_.erase(&window);
  modal_.erase(&window);
}

void HeadlessWindowSystem::ProcessPendingMessages() {
  ++pendingRuns_;
  if (onProcessPending) onProcessPending();
}

void HeadlessWindowSystem::EndProgram() { throw ProgramEnded{}; }

ui::Size HeadlessWindowSystem::MeasureText(const ui::Font& font, std::string_view text) {
  const double points = font.points * kTwipsPerPoint;
  return {CountCharacters(text) * 0.6 * points, 1.2 * points};
}

ui::MessageBoxResult HeadlessWindowSystem::MessageBox(std::string_view text,
                                                      ui::MessageBoxButtons buttons,
                                                      std::string_view title) {
  messageBoxes_.push_back({std::string(text), buttons, std::string(title)});
  if (!answers_.empty()) {
    const ui::MessageBoxResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return buttons == ui::MessageBoxButtons::Ok ? ui::MessageBoxResult::Ok
                                              : ui::MessageBoxResult::Cancel;
}

}  // namespace quillbay::headless
