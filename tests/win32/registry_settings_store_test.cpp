#include "platform/win32/registry_settings_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/win32/wide_text.h"

namespace quillbay::win32 {
namespace {

constexpr const wchar_t* kApplicationKey = L"Software\\Quillbay";

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

// Writes a value through a handle of its own, as another program would.
void SetRawValue(const std::wstring& section, const wchar_t* name, DWORD type, const void* data,
                 DWORD bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kApplicationKey) + L"\\" + section).c_str(),
                      0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void SetText(const std::wstring& section, const wchar_t* name, const std::wstring& text) {
  SetRawValue(section, name, REG_SZ, text.c_str(),
              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// What the message loop does: wait for the store's event, then let the store catch up.
bool SeeChange(RegistrySettingsStore& store) {
  if (WaitForSingleObject(store.ChangeEvent(), 5000) != WAIT_OBJECT_0) return false;
  store.OnChangeSignalled();
  return true;
}

class RegistrySettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kApplicationKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kApplicationKey); }
};

TEST_F(RegistrySettingsStoreTest, ReadingAnEmptyRegistryFindsNothingAndCreatesNothing) {
  RegistrySettingsStore store;
  EXPECT_NE(store.ChangeEvent(), nullptr);
  EXPECT_EQ(store.Read("Config", "FontName"), std::nullopt);
  EXPECT_EQ(store.Read("Aram", "AramTime"), std::nullopt);
  EXPECT_FALSE(KeyExists(kApplicationKey));
}

TEST_F(RegistrySettingsStoreTest, WrittenTextsComeBackExactlyAsStringValues) {
  std::string longText;
  while (longText.size() < 64 * 1024) longText += "時報 chime 😀 ";
  const std::string texts[] = {"ユーザー名",      "c:\\音\\時報.wav", "",
                               "ＭＳ Ｐゴシック", longText,           std::string(300 * 1024, 'x')};
  {
    RegistrySettingsStore writer;
    for (std::size_t i = 0; i < std::size(texts); ++i) {
      writer.Write("Config", "Key" + std::to_string(i), texts[i]);
      EXPECT_EQ(writer.Read("Config", "Key" + std::to_string(i)), texts[i]) << "key " << i;
    }
  }
  RegistrySettingsStore reader;  // nothing cached: every value comes from the registry
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(reader.Read("Config", "Key" + std::to_string(i)), texts[i]) << "key " << i;
  }
  DWORD type = REG_NONE;
  DWORD bytes = 0;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Quillbay\\Config", L"Key0", RRF_RT_ANY,
                         &type, nullptr, &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, (std::wstring(L"ユーザー名").size() + 1) * sizeof(wchar_t));
}

TEST_F(RegistrySettingsStoreTest, ATextStopsAtItsFirstNulInTheRegistryAndInTheCache) {
  RegistrySettingsStore writer;
  writer.Write("Config", "UserName", std::string("ab\0cd", 5));
  EXPECT_EQ(writer.Read("Config", "UserName"), "ab");
  EXPECT_EQ(RegistrySettingsStore().Read("Config", "UserName"), "ab");
}

TEST_F(RegistrySettingsStoreTest, ForeignValuesOfOtherTypesCountAsAbsent) {
  const DWORD number = 12;
  const std::wstring expandable = L"%TEMP%\\時報.wav";
  const wchar_t unterminated[] = {L'1', L'5'};
  const wchar_t multi[] = L"a\0b\0";
  const char oddBytes[] = {'7', '\0', '\0'};
  SetRawValue(L"Config", L"FontColor", REG_DWORD, &number, sizeof number);
  SetRawValue(L"Config", L"BackColor", REG_BINARY, "\x01\x02", 2);
  SetRawValue(L"Aram", L"WavFileName", REG_EXPAND_SZ, expandable.c_str(),
              static_cast<DWORD>((expandable.size() + 1) * sizeof(wchar_t)));
  SetRawValue(L"Config", L"TimeFormat", REG_SZ, unterminated, sizeof unterminated);
  SetRawValue(L"Config", L"UserName", REG_MULTI_SZ, multi, sizeof multi);
  SetRawValue(L"Config", L"Move", REG_SZ, oddBytes, sizeof oddBytes);

  RegistrySettingsStore store;
  EXPECT_EQ(store.Read("Config", "FontColor"), std::nullopt);
  EXPECT_EQ(store.Read("Config", "BackColor"), std::nullopt);
  EXPECT_EQ(store.Read("Aram", "WavFileName"), "%TEMP%\\時報.wav");  // not expanded
  EXPECT_EQ(store.Read("Config", "TimeFormat"), "15");
  EXPECT_EQ(store.Read("Config", "UserName"), std::nullopt);
  EXPECT_EQ(store.Read("Config", "Move"), "7");
}

TEST_F(RegistrySettingsStoreTest, AnotherWritersValueShowsOnceTheChangeIsSignalled) {
  RegistrySettingsStore store;
  store.Write("Config", "FontColor", "3");
  ASSERT_TRUE(SeeChange(store));  // its own write
  EXPECT_EQ(store.Read("Config", "FontColor"), "3");

  SetText(L"Config", L"FontColor", L"12");
  EXPECT_EQ(store.Read("Config", "FontColor"), "3");  // cached until the notification is handled
  ASSERT_TRUE(SeeChange(store));
  EXPECT_EQ(store.Read("Config", "FontColor"), "12");
  EXPECT_EQ(store.Read("config", "FONTCOLOR"), "12");  // registry names ignore letter case

  // Another process: the system's own registry tool.
  wchar_t command[] = L"reg.exe add HKCU\\Software\\Quillbay\\Config /v FontColor /d 9 /f";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                             nullptr, &startup, &process));
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ASSERT_TRUE(SeeChange(store));
  EXPECT_EQ(store.Read("Config", "FontColor"), "9");
}

TEST_F(RegistrySettingsStoreTest, NoticesTheApplicationsKeyAppearingAndWatchesItFromThen) {
  RegistrySettingsStore store;
  EXPECT_EQ(store.Read("Visible", "SecondVisible"), std::nullopt);

  SetText(L"Visible", L"SecondVisible", L"0");
  ASSERT_TRUE(SeeChange(store));
  EXPECT_EQ(store.Read("Visible", "SecondVisible"), "0");

  SetText(L"Visible", L"SecondVisible", L"1");
  ASSERT_TRUE(SeeChange(store));
  EXPECT_EQ(store.Read("Visible", "SecondVisible"), "1");
  EXPECT_EQ(WaitForSingleObject(store.ChangeEvent(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(RegistrySettingsStoreTest, CachedReadsSpareTheRegistryRoundTrips) {
  SetText(L"Config", L"TimeFormat", L"2");
  constexpr int kCachedReads = 20000;
  constexpr int kDirectReads = 1000;  // each one a round trip to the registry's process
  RegistrySettingsStore store;
  using Clock = std::chrono::steady_clock;

  auto start = Clock::now();
  for (int i = 0; i < kCachedReads; ++i) ASSERT_EQ(store.Read("Config", "TimeFormat"), "2");
  const auto cached = Clock::now() - start;

  start = Clock::now();
  for (int i = 0; i < kDirectReads; ++i) {
    wchar_t text[16];
    DWORD bytes = sizeof text;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Quillbay\\Config", L"TimeFormat",
                           RRF_RT_REG_SZ, nullptr, text, &bytes),
              ERROR_SUCCESS);
  }
  const auto direct = Clock::now() - start;

  const auto perRead = [](Clock::duration total, int reads) {
    return std::chrono::duration<double, std::micro>(total).count() / reads;
  };
  std::printf("registry read: cached %.2f us, straight from the registry %.2f us\n",
              perRead(cached, kCachedReads), perRead(direct, kDirectReads));
}

}  // namespace
}  // namespace quillbay::win32
