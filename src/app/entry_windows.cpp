// The Windows entry point. It is declared here without <windows.h>: the backend behind the
// machine is the only place that knows the Win32 types.
#include "app/start_up.h"
#include "platform/win32/win32_machine.h"

extern "C" int __stdcall wWinMain(struct HINSTANCE__*, struct HINSTANCE__*, wchar_t*, int) {
  quillbay::win32::Win32Machine machine;
  quillbay::Application app(machine.System());
  quillbay::RunProgram(app);
  return 0;
}
