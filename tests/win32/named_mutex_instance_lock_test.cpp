#include "platform/win32/named_mutex_instance_lock.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

namespace quillbay::win32 {
namespace {

constexpr const wchar_t* kExpectationVariable = L"QUILLBAY_TEST_EXPECT_ANOTHER_COPY";

// Runs the child test below in a new process of this program; its exit code, or none.
std::optional<DWORD> RunChildExpecting(bool anotherCopy) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command =
      L"\"" + std::wstring(self) + L"\" --gtest_filter=NamedMutexInstanceLockChild.*";
  SetEnvironmentVariableW(kExpectationVariable, anotherCopy ? L"1" : L"0");
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableW(kExpectationVariable, nullptr);
  if (!started) return std::nullopt;
  std::optional<DWORD> exitCode;
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0 &&
      GetExitCodeProcess(process.hProcess, &code)) {
    exitCode = code;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

TEST(NamedMutexInstanceLockTest, TheFirstCopyHoldsTheTokenUntilItLetsGo) {
  EXPECT_EQ(RunChildExpecting(false), 0u) << "nothing holds the token yet";
  {
    NamedMutexInstanceLock lock;
    EXPECT_FALSE(lock.AnotherCopyRunning());
    EXPECT_FALSE(lock.AnotherCopyRunning());  // asking again does not find itself
    EXPECT_EQ(RunChildExpecting(true), 0u) << "a second process sees the first copy";
    EXPECT_TRUE(NamedMutexInstanceLock().AnotherCopyRunning());
  }
  EXPECT_EQ(RunChildExpecting(false), 0u) << "the token goes with the first copy";
}

// Runs only as the child of the test above.
TEST(NamedMutexInstanceLockChild, ReportsWhetherAnotherCopyRuns) {
  wchar_t expectation[4] = {};
  if (!GetEnvironmentVariableW(kExpectationVariable, expectation, 4)) {
    GTEST_SKIP() << "started by NamedMutexInstanceLockTest only";
  }
  NamedMutexInstanceLock lock;
  EXPECT_EQ(lock.AnotherCopyRunning(), std::wstring(expectation) == L"1");
}

}  // namespace
}  // namespace quillbay::win32
