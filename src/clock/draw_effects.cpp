#include "clock/draw_effects.h"

#include "common/palette.h"
#include "common/rounding.h"
#include "platform/ui/window_system.h"
#include "settings/conversions.h"
#include "settings/keys.h"
#include "settings/read_write.h"

namespace quillbay {

namespace {

namespace keys = settings::keys;

constexpr std::int64_t kMessagesBeforeClearing = 40;
constexpr std::int64_t kCircleTicksBeforeClearing = 800;
constexpr double kLargestCircleRadius = 1500;  // twips

}  // namespace

void DrawEffects(ClockState& state, ui::Window& window, Application& app) {
  DrawMessage(state, window, app);
  DrawCircle(state, window, app);
}

void DrawMessage(ClockState& state, ui::Window& window, Application& app) {
  // The chance is drawn on every tick, whether the effect is on or not.
  const bool switchedOn = settings::ReadNumber(app.system.store, keys::WriteUserName, 0) == 1;
  const bool drawsNow = app.random.Next() > 0.9;
  if (!switchedOn || !drawsNow) return;
  ++state.MessageCount;
  const ui::Size screen = app.system.windows.ScreenSize();
  window.SetDrawFontSize(25 + 5 * static_cast<double>(app.random.Next()));
  const double y = app.random.Next() * screen.height;
  const double x = app.random.Next() * screen.width;
  window.SetDrawPosition({x, y});
  window.SetDrawColor(PaletteColor(RoundHalfEven(1 + 14 * static_cast<double>(app.random.Next()))));
  window.DrawText(settings::ReadSetting(app.system.store, keys::UserName));
  if (state.MessageCount > kMessagesBeforeClearing) {
    window.ClearDrawings();
    state.MessageCount = 0;
  }
}

void DrawCircle(ClockState& state, ui::Window& window, Application& app) {
  if (settings::ReadNumber(app.system.store, keys::WriteScreenMaru, 0) != 1) return;
  ++state.CircleCount;
  if (app.random.Next() > 0.8) {
    const ui::Size screen = app.system.windows.ScreenSize();
    const double x = app.random.Next() * screen.width;
    const double y = app.random.Next() * screen.height;
    const double radius = app.random.Next() * kLargestCircleRadius;
    const double r4 = app.random.Next();
    window.DrawCircle({x, y}, radius, PaletteColor(RoundHalfEven(15 * r4)));
  }
  if (state.CircleCount > kCircleTicksBeforeClearing) {
    window.ClearDrawings();
    state.CircleCount = 0;
  }
}

}  // namespace quillbay
