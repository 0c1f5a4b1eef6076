#pragma once

#include <string>

namespace quillbay {

enum class Play {
  Async,  // returns at once while the sound plays; a new play replaces it
  Sync,   // returns when the sound has ended
};

// A missing, empty or unplayable file is the platform's business: never an error here.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void PlaySound(const std::string& fileName, Play mode) = 0;
};

}  // namespace quillbay
