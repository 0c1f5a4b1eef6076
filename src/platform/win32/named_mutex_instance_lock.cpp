#include "platform/win32/named_mutex_instance_lock.h"

#include <windows.h>

namespace quillbay::win32 {

namespace {
constexpr const wchar_t* kMutexName = L"Local\\QuillbayScreenSaverInstance";
}

NamedMutexInstanceLock::NamedMutexInstanceLock() = default;

NamedMutexInstanceLock::~NamedMutexInstanceLock() {
  if (mutex_) CloseHandle(mutex_);
}

bool NamedMutexInstanceLock::AnotherCopyRunning() {
  if (anotherCopy_) return *anotherCopy_;
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  const DWORD error = GetLastError();
  // A mutex we may not open was created by a copy running with other rights; any other
  // failure says nothing about other copies, so this one runs.
  anotherCopy_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
  return *anotherCopy_;
}

}  // namespace quillbay::win32
