#include "clock/clock_text.h"

#include <string>

#include "clock/time_format.h"
#include "common/two_digit.h"

namespace quillbay {

namespace {

void SetCaptionIfChanged(ui::Label& label, const std::string& text) {
  if (label.Caption() != text) label.SetCaption(text);
}

// The 12-hour modes show 00 to 11: noon and midnight are both 00.
void UpdateTwelveHourText(const ui::ControlArray<ui::Label>& labels, TimeFormat format,
                          const LocalDateTime& now) {
  const bool morning = now.hour < 12;
  LocalDateTime shown = now;
  shown.hour = morning ? now.hour : now.hour - 12;
  const std::string text = TwoDigitHour(shown) + ":" + TwoDigitMinute(now);
  const char* word = format == TimeFormat::TwelveHourLatin ? (morning ? "ＡＭ" : "ＰＭ")
                                                           : (morning ? "午前" : "午後");
  // The hour and its word change together, so both are written when either differs.
  if (labels[0].Caption() != text || labels[3].Caption() != word) {
    labels[0].SetCaption(text);
    labels[3].SetCaption(word);
  }
}

}  // namespace

void UpdateClockText(const ui::ControlArray<ui::Label>& labels, SettingsStore& store,
                     SystemClock& clock) {
  const TimeFormat format = ReadTimeFormat(store);
  const LocalDateTime now = clock.Now();
  if (format == TimeFormat::TwentyFourHour) {
    SetCaptionIfChanged(labels[0], std::to_string(now.hour) + ":" + TwoDigitMinute(now));
  } else {
    UpdateTwelveHourText(labels, format, now);
  }
  SetCaptionIfChanged(labels[1], TwoDigitSecond(now) + "秒");
  SetCaptionIfChanged(labels[2], clock.ShortDateText(now));
}

}  // namespace quillbay
