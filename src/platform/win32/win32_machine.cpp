#include "platform/win32/win32_machine.h"

#include "platform/win32/named_mutex_instance_lock.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/win32_cursor.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_font_catalog.h"
#include "platform/win32/win32_help_system.h"
#include "platform/win32/win32_host_windows.h"
#include "platform/win32/win32_program_info.h"
#include "platform/win32/win32_sound_player.h"
#include "platform/win32/win32_system_clock.h"
#include "platform/win32/win32_window_system.h"

namespace quillbay::win32 {

struct Win32Machine::Parts {
  Win32WindowSystem windows;
  RegistrySettingsStore store;
  Win32SystemClock clock;
  Win32Cursor cursor;
  Win32SoundPlayer sound;
  Win32FontCatalog fonts;
  Win32FileSystem files;
  NamedMutexInstanceLock instance;
  Win32HostWindows hostWindows;
  Win32HelpSystem help;
  Win32ProgramInfo program;
  quillbay::System system{windows, store, clock,       cursor, sound,  fonts,
                          files,   instance, hostWindows, help, program};
};

Win32Machine::Win32Machine() : parts_(std::make_unique<Parts>()) {
  Parts& parts = *parts_;
  // A value changed by another program while this one runs shows at its next read.
  parts.windows.WatchEvent(parts.store.ChangeEvent(), [&parts] { parts.store.OnChangeSignalled(); });
  parts.help.SetNativeHandle(
      [&parts](const ui::Window& window) { return parts.windows.NativeHandle(window); });
}

Win32Machine::~Win32Machine() = default;

quillbay::System& Win32Machine::System() { return parts_->system; }

}  // namespace quillbay::win32
