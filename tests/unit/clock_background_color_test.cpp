#include <gtest/gtest.h>

#include <vector>

#include "clock_test_support.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using BackgroundColorTest = ClockTest;

TEST_F(BackgroundColorTest, CyclesThroughTheThreeColoursStartingDuringSetup) {
  Preset(keys::BackMultiColor[0], "255");
  Preset(keys::BackMultiColor[1], "65280");
  Preset(keys::BackMultiColor[2], "16711680");
  Start();
  std::vector<ui::Color> shown = {form->BackColor()};
  for (int step = 0; step < 4; ++step) {
    form->Timer2.Tick();
    shown.push_back(form->BackColor());
  }
  const ui::Color red = ui::Rgb(255, 0, 0), green = ui::Rgb(0, 255, 0), blue = ui::Rgb(0, 0, 255);
  EXPECT_EQ(shown, (std::vector<ui::Color>{red, green, blue, red, green}));
}

TEST_F(BackgroundColorTest, ValueThatIsNoColourShowsBlack) {
  for (const char* value : {"16777216", "-1", "abc", "", "1e999", "nan", "12ab"}) {
    ClockRun run;
    run.Preset(keys::BackMultiColor[0], value);
    run.Preset(keys::BackMultiColor[1], "16777215");
    run.Start();
    EXPECT_EQ(run.form->BackColor(), ui::kBlack) << value;
    run.form->Timer2.Tick();
    EXPECT_EQ(run.form->BackColor(), ui::kWhite) << value;
  }
}

TEST_F(BackgroundColorTest, EachStepErasesTheDrawings) {
  Preset(keys::WriteScreenMaru, "1");
  Start();
  while (form->Drawings().empty()) Tick();
  form->Timer2.Tick();
  EXPECT_TRUE(form->Drawings().empty());
}

}  // namespace
}  // namespace quillbay
