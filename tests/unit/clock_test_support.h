#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "clock/form1.h"
#include "common/application.h"
#include "platform/headless/headless_machine.h"
#include "settings/keys.h"

namespace quillbay {

// The clock window in saver mode on a headless machine with a 640 × 480 pixel screen
// (9600 × 7200 twips) at 10:15:20. Settings are preset before Start(), which builds the window
// and runs its load handler (the setup and its first tick of each timer).
struct ClockRun {
  ClockRun() { machine.clock.SetTime(10, 15, 20); }

  void Preset(SettingKey key, std::string_view value) {
    machine.store.Preset(key.section, key.name, value);
  }

  void Start() {
    form = std::make_unique<Form1>(app, [this](Form1&) {
      ++dispatchCalls;
      return true;
    });
    form->Load();
  }

  void Tick(int count = 1) {
    for (int tick = 0; tick < count; ++tick) form->Timer1.Tick();
  }

  ui::Label& Label(int index) { return form->Label1[index]; }

  headless::HeadlessMachine machine;
  Application app{machine.system};
  std::unique_ptr<Form1> form;
  int dispatchCalls = 0;
};

class ClockTest : public ::testing::Test, public ClockRun {};

// Counts what the backend would be told about one window's controls and drawings.
class ChangeCounter : public ui::WindowPeer {
 public:
  void WindowChanged(ui::Change change) override {
    if (change == ui::Change::BackColor) ++backColorChanges;
  }
  void ControlChanged(ui::Control&, ui::Change change) override {
    if (change == ui::Change::Caption) ++captionChanges;
    if (change == ui::Change::Visible) ++visibleChanges;
    if (change == ui::Change::Bounds) ++boundsChanges;
  }

  int captionChanges = 0;
  int visibleChanges = 0;
  int boundsChanges = 0;
  int backColorChanges = 0;
};

}  // namespace quillbay
