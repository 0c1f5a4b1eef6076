#include "platform/win32/win32_sound_player.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {
namespace {

// A short mono 8-bit PCM wave file of silence.
std::string WriteSilentWave(const std::wstring& path) {
  const std::uint32_t samples = 2205;  // 0.1 s at 22050 Hz
  std::vector<char> file;
  const auto put = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  const auto tag = [&](const char* text) { file.insert(file.end(), text, text + 4); };
  tag("RIFF");
  put(36 + samples, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(22050, 4);
  put(22050, 4);
  put(1, 2);
  put(8, 2);
  tag("data");
  put(samples, 4);
  file.insert(file.end(), samples, static_cast<char>(0x80));
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(handle, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
  CloseHandle(handle);
  return Narrow(path);
}

// Sound goes to a null device on the test machine: what is checked is that every kind of name
// returns, the synchronous play after the sound has ended.
TEST(Win32SoundPlayerTest, PlaysAFileAndReturnsForMissingAndEmptyNames) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"時報テスト.wav";
  const std::string name = WriteSilentWave(path);

  Win32SoundPlayer player;
  const ULONGLONG start = GetTickCount64();
  player.PlaySound(name, Play::Sync);
  player.PlaySound(name, Play::Async);
  player.PlaySound(name + ".missing", Play::Sync);
  player.PlaySound("", Play::Sync);
  player.PlaySound("", Play::Async);
  std::printf("five plays took %llu ms\n", GetTickCount64() - start);
  player.PlaySound("", Play::Sync);  // nothing left playing when the file goes
  EXPECT_TRUE(DeleteFileW(path.c_str()));
}

}  // namespace
}  // namespace quillbay::win32
