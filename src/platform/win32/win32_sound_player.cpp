#include "platform/win32/win32_sound_player.h"

#include <windows.h>
// mmsystem.h needs the types of windows.h.
#include <mmsystem.h>
// The interface method shares its name with a system macro.
#undef PlaySound

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

void Win32SoundPlayer::PlaySound(const std::string& fileName, Play mode) {
  // An empty name stays an empty text: a null name would stop the sound instead of playing.
  const std::wstring name = Widen(fileName);
  sndPlaySoundW(name.c_str(), mode == Play::Async ? SND_ASYNC : SND_SYNC);
}

}  // namespace quillbay::win32
