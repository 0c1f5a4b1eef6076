#pragma once

#include <array>
#include <string_view>

namespace quillbay {

// Where one option lives in the settings store. Names are used exactly, letter case included:
// stores written by earlier runs depend on them.
struct SettingKey {
  std::string_view section;
  std::string_view name;
};

namespace settings::keys {

inline constexpr SettingKey WriteScreenMaru{"Config", "WriteScreenMaru"};
inline constexpr SettingKey WindowToTop{"Config", "WindowToTop"};
inline constexpr SettingKey TimeFormat{"Config", "TimeFormat"};
inline constexpr SettingKey WriteUserName{"Config", "WriteUserName"};
inline constexpr SettingKey UserName{"Config", "UserName"};
inline constexpr SettingKey Move{"Config", "Move"};
inline constexpr SettingKey ChangeVisible{"Config", "ChangeVisible"};
inline constexpr SettingKey VisibleChangeTime{"Config", "VisibleChangeTime"};
inline constexpr SettingKey FontName{"Config", "FontName"};
inline constexpr SettingKey RePlayCountToHour{"Config", "RePlayCountToHour"};
inline constexpr SettingKey FontColor{"Config", "FontColor"};
inline constexpr std::array<SettingKey, 3> BackMultiColor{
    SettingKey{"Config", "BackMultiColor0"},
    SettingKey{"Config", "BackMultiColor1"},
    SettingKey{"Config", "BackMultiColor2"},
};
inline constexpr SettingKey Timer2Interval{"Config", "Timer2Interval"};
inline constexpr SettingKey BackColor{"Config", "BackColor"};

inline constexpr SettingKey AramTime{"Aram", "AramTime"};
inline constexpr SettingKey WavFileName{"Aram", "WavFileName"};
inline constexpr SettingKey TimeChangeWindowColor{"Aram", "TimeChangeWindowColor"};

inline constexpr SettingKey DateLabelVisible{"Visible", "DateLabelVisible"};
inline constexpr SettingKey HourAndMinuteVisible{"Visible", "HourAndMinuteVisible"};
inline constexpr SettingKey SecondVisible{"Visible", "SecondVisible"};
inline constexpr SettingKey AmAndPmVisible{"Visible", "AmAndPmVisible"};

inline constexpr std::array<SettingKey, 23> kAllKeys{
    WriteScreenMaru,
    WindowToTop,
    TimeFormat,
    WriteUserName,
    UserName,
    Move,
    ChangeVisible,
    VisibleChangeTime,
    FontName,
    RePlayCountToHour,
    FontColor,
    BackMultiColor[0],
    BackMultiColor[1],
    BackMultiColor[2],
    Timer2Interval,
    BackColor,
    AramTime,
    WavFileName,
    TimeChangeWindowColor,
    DateLabelVisible,
    HourAndMinuteVisible,
    SecondVisible,
    AmAndPmVisible,
};

}  // namespace settings::keys
}  // namespace quillbay
