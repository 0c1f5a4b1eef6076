#pragma once

#include "common/application.h"

namespace quillbay {

class Form1;

// The clock window's load handler before its setup: a second copy ends at once; the argument
// picks the mode; the About box and the settings hub are shown modally and then end the program;
// the saver hides the cursor and returns true so that the clock is set up.
bool DispatchMode(Application& app, Form1& form);

// Loads the clock window, which decides the mode, and runs it in saver mode until it ends.
void RunProgram(Application& app);

}  // namespace quillbay
