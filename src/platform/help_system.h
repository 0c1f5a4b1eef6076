#pragma once

#include <string>

namespace quillbay {

namespace ui {
class Window;
}

inline constexpr unsigned kHelpContext = 1;  // HELP_CONTEXT

class HelpSystem {
 public:
  virtual ~HelpSystem() = default;
  // Opens the help file; a missing file is reported by the help system itself.
  virtual void ShowHelp(const ui::Window& owner, const std::string& helpFile, unsigned command,
                        unsigned context) = 0;
};

}  // namespace quillbay
