#pragma once

#include <string>

#include "platform/sound_player.h"

namespace quillbay::win32 {

// The system's wave player. A file it cannot play gets the system's default sound, as the
// flags do not forbid that.
class Win32SoundPlayer : public SoundPlayer {
 public:
  void PlaySound(const std::string& fileName, Play mode) override;
};

}  // namespace quillbay::win32
