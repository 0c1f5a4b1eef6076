#pragma once

#include <cstdint>
#include <string>

#include "common/random.h"
#include "platform/system.h"
#include "platform/ui/color.h"

namespace quillbay {

// The title of message boxes that bring none of their own.
inline constexpr const char* kProgramTitle = "Quillbay";

// The program-wide state every window is given: the machine, the one random sequence and the
// values the pickers hand back to the dialogs that opened them (zero or empty at start).
struct Application {
  explicit Application(System& machine) : system(machine) {}

  System& system;
  Random random;
  std::string SelectedFileName;
  ui::Color SelectedColor = 0;
  std::int16_t ColorCanceled = 0;
};

}  // namespace quillbay
