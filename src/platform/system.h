#pragma once

#include "platform/cursor.h"
#include "platform/file_system.h"
#include "platform/font_catalog.h"
#include "platform/help_system.h"
#include "platform/host_windows.h"
#include "platform/instance_lock.h"
#include "platform/program_info.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/system_clock.h"
#include "platform/ui/window_system.h"

namespace quillbay {

// Everything the program needs from the machine, handed to the application object; the win32
// backend and the headless one each fill it with their own implementations.
struct System {
  ui::WindowSystem& windows;
  SettingsStore& store;
  SystemClock& clock;
  Cursor& cursor;
  SoundPlayer& sound;
  FontCatalog& fonts;
  FileSystem& files;
  InstanceLock& instance;
  HostWindows& hostWindows;
  HelpSystem& help;
  ProgramInfo& program;
};

}  // namespace quillbay
