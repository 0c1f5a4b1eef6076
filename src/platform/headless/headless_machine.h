#pragma once

#include "platform/headless/fake_file_system.h"
#include "platform/headless/fake_services.h"
#include "platform/headless/headless_window_system.h"
#include "platform/headless/memory_settings_store.h"
#include "platform/system.h"

namespace quillbay::headless {

// A whole machine for tests: every service is a fake that a test sets up and reads back.
struct HeadlessMachine {
  HeadlessWindowSystem windows;
  MemorySettingsStore store;
  FixedClock clock;
  FakeCursor cursor;
  SoundRecorder sound;
  FakeFontCatalog fonts;
  FakeFileSystem files;
  FakeInstanceLock instance;
  FakeHostWindows hostWindows;
  HelpRecorder help;
  FakeProgramInfo program;
  System system{windows, store, clock, cursor, sound, fonts, files, instance, hostWindows, help,
                program};
};

}  // namespace quillbay::headless
