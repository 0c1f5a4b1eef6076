#include "common/host_dialog.h"

namespace quillbay {

namespace {
constexpr const char* kStandardDialogClass = "#32770";
}

void EnableHostDialog(HostWindows& windows, bool enable) {
  // With no dialog open the call gets window 0, which the system ignores.
  windows.EnableWindow(windows.FindWindowByClass(kStandardDialogClass), enable);
}

}  // namespace quillbay
