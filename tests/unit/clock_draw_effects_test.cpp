#include <gtest/gtest.h>

#include <variant>

#include "clock_test_support.h"
#include "common/palette.h"
#include "common/rounding.h"

namespace quillbay {
namespace {

namespace keys = settings::keys;

using DrawEffectsTest = ClockTest;

constexpr double kWidth = 9600, kHeight = 7200;

double Draw(Random& random) {
  return random.Next();
}

// Replays the draws of one clock tick with only the message effect on: the chance on every
// tick, then size, top, left and colour of a message.
std::optional<ui::TextDrawing> ExpectedMessage(Random& random, const std::string& text) {
  if (!(Draw(random) > 0.9)) return std::nullopt;
  ui::TextDrawing message;
  message.text = text;
  message.font.points = 25 + 5 * Draw(random);
  message.at.y = Draw(random) * kHeight;
  message.at.x = Draw(random) * kWidth;
  message.color = PaletteColor(RoundHalfEven(1 + 14 * Draw(random)));
  return message;
}

TEST_F(DrawEffectsTest, MessagesAppearAtRandomAndTheFortyFirstErasesThemAll) {
  Preset(keys::WriteUserName, "1");
  Preset(keys::UserName, "ユーザー名");
  Preset(keys::ChangeVisible, "0");
  Random mirror;
  int messages = 0, clearings = 0;
  std::size_t mostOnScreen = 0;
  for (int tick = 0; clearings < 2; ++tick) {
    tick == 0 ? Start() : Tick();
    const std::optional<ui::TextDrawing> expected = ExpectedMessage(mirror, "ユーザー名");
    if (!expected) continue;
    ++messages;
    if (messages == 41) {
      EXPECT_TRUE(form->Drawings().empty());
      messages = 0;
      ++clearings;
      continue;
    }
    ASSERT_EQ(form->Drawings().size(), static_cast<std::size_t>(messages));
    const auto& drawn = std::get<ui::TextDrawing>(form->Drawings().back());
    EXPECT_EQ(drawn.text, expected->text);
    EXPECT_EQ(drawn.font.points, expected->font.points);
    EXPECT_EQ(drawn.at.x, expected->at.x);
    EXPECT_EQ(drawn.at.y, expected->at.y);
    EXPECT_EQ(drawn.color, expected->color);
    EXPECT_NE(drawn.color, ui::kBlack);
    EXPECT_EQ(drawn.font.face, form->DrawFont().face);
    mostOnScreen = std::max(mostOnScreen, form->Drawings().size());
  }
  EXPECT_EQ(mostOnScreen, 40u);
}

TEST_F(DrawEffectsTest, MessageWithoutUserNameIsAnEmptyText) {
  Preset(keys::WriteUserName, "1");
  Start();
  while (form->Drawings().empty()) Tick();
  EXPECT_EQ(std::get<ui::TextDrawing>(form->Drawings().front()).text, "");
}

TEST_F(DrawEffectsTest, CirclesAppearAtRandomAndThe801stTickErasesThem) {
  Preset(keys::WriteScreenMaru, "1");
  Preset(keys::ChangeVisible, "0");
  Random mirror;
  std::size_t circles = 0;
  for (int tick = 1; tick <= 801; ++tick) {
    tick == 1 ? Start() : Tick();
    Draw(mirror);  // the message chance, drawn on every tick
    if (Draw(mirror) > 0.8) {
      const double x = Draw(mirror) * kWidth, y = Draw(mirror) * kHeight;
      const double radius = Draw(mirror) * 1500;
      const ui::Color colour = PaletteColor(RoundHalfEven(15 * Draw(mirror)));
      if (tick == 801) break;
      ++circles;
      ASSERT_EQ(form->Drawings().size(), circles);
      const auto& drawn = std::get<ui::CircleDrawing>(form->Drawings().back());
      EXPECT_EQ(drawn.centre.x, x);
      EXPECT_EQ(drawn.centre.y, y);
      EXPECT_EQ(drawn.radius, radius);
      EXPECT_EQ(drawn.color, colour);
    }
    ASSERT_EQ(form->Drawings().size(), tick == 801 ? 0 : circles) << tick;
  }
  EXPECT_GT(circles, 100u);
  EXPECT_TRUE(form->Drawings().empty());
}

TEST_F(DrawEffectsTest, NothingIsDrawnWhenBothEffectsAreOff) {
  for (const char* value : {"0", "2", "abc", "1e999"}) {
    ClockRun run;
    run.Preset(keys::WriteUserName, value);
    run.Preset(keys::WriteScreenMaru, value);
    run.Start();
    run.Tick(300);
    EXPECT_TRUE(run.form->Drawings().empty()) << value;
  }
}

}  // namespace
}  // namespace quillbay
