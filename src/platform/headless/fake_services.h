#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/cursor.h"
#include "platform/font_catalog.h"
#include "platform/help_system.h"
#include "platform/host_windows.h"
#include "platform/instance_lock.h"
#include "platform/program_info.h"
#include "platform/sound_player.h"
#include "platform/system_clock.h"

namespace quillbay::headless {

// A clock that shows the time a test sets; the short date is written as yyyy/MM/dd.
class FixedClock : public SystemClock {
 public:
  LocalDateTime now;

  void SetTime(int hour, int minute, int second) {
    now.hour = hour;
    now.minute = minute;
    now.second = second;
  }
  LocalDateTime Now() override { return now; }
  std::string ShortDateText(const LocalDateTime& date) override {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
  }
};

// A cursor a test moves; it records every ShowCursor call.
class FakeCursor : public Cursor {
 public:
  CursorPoint position;
  std::vector<bool> showCalls;

  void GetPosition(CursorPoint& out) override { out = position; }
  void ShowCursor(bool show) override { showCalls.push_back(show); }
};

struct SoundPlay {
  std::string fileName;
  Play mode;

  bool operator==(const SoundPlay&) const = default;
};

// Records the plays; `onPlay` runs inside each one, as time passing while a sound plays.
class SoundRecorder : public SoundPlayer {
 public:
  std::vector<SoundPlay> plays;
  std::function<void(const SoundPlay&)> onPlay;

  void PlaySound(const std::string& fileName, Play mode) override {
    plays.push_back({fileName, mode});
    if (onPlay) onPlay(plays.back());
  }
};

class FakeFontCatalog : public FontCatalog {
 public:
  std::vector<std::string> names;
  std::vector<std::string> PrinterFontNames() override { return names; }
};

class FakeInstanceLock : public InstanceLock {
 public:
  bool anotherCopyRunning = false;
  bool AnotherCopyRunning() override { return anotherCopyRunning; }
};

struct WindowEnableCall {
  NativeWindowHandle window;
  bool enable;

  bool operator==(const WindowEnableCall&) const = default;
};

// The other windows of the system: a test names the first window of a class.
class FakeHostWindows : public HostWindows {
 public:
  std::string openClass;
  NativeWindowHandle openWindow = 0;
  std::vector<WindowEnableCall> enableCalls;

  NativeWindowHandle FindWindowByClass(const std::string& className) override {
    return className == openClass ? openWindow : 0;
  }
  void EnableWindow(NativeWindowHandle window, bool enable) override {
    enableCalls.push_back({window, enable});
  }
};

struct HelpCall {
  const ui::Window* owner;
  std::string helpFile;
  unsigned command;
  unsigned context;
};

class HelpRecorder : public HelpSystem {
 public:
  std::vector<HelpCall> calls;
  void ShowHelp(const ui::Window& owner, const std::string& helpFile, unsigned command,
                unsigned context) override {
    calls.push_back({&owner, helpFile, command, context});
  }
};

class FakeProgramInfo : public ProgramInfo {
 public:
  std::string folder = "c:\\program files\\quillbay";
  std::string commandLine = "\"c:\\program files\\quillbay\\quillbay.scr\" /s";

  std::string ExecutableFolder() override { return folder; }
  std::string CommandLine() override { return commandLine; }
};

}  // namespace quillbay::headless
