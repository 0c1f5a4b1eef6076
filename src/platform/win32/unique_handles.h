#pragma once

#include <windows.h>

#include <utility>

namespace quillbay::win32 {

// Owns one Win32 object and closes it when it goes. `Traits` names the handle type, the value
// that means "none" and the function that closes it.
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::None(); }
  Handle Release() { return std::exchange(handle_, Traits::None()); }
  void Reset(Handle handle = Traits::None()) {
    if (*this) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::None();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return nullptr; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle None() { return nullptr; }
  static void Close(Handle handle) { RegCloseKey(handle); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { FindClose(handle); }
};

// Events, mutexes, processes: handles that are null when there is none.
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using RegistryKey = UniqueHandle<RegistryKeyTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace quillbay::win32
