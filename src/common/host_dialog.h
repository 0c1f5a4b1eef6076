#pragma once

#include "platform/host_windows.h"

namespace quillbay {

// Switches the screen-saver host's dialog (the first standard dialog window in the system's
// window order) off while the settings are open, and back on. Looked up afresh on every call;
// a missing window is not an error.
void EnableHostDialog(HostWindows& windows, bool enable);

}  // namespace quillbay
