#pragma once

#include <memory>
#include <optional>

#include "platform/instance_lock.h"

namespace quillbay::win32 {

// One named mutex per user session: the first copy creates it and holds it until it ends; a
// copy that finds it already there is the second one.
class NamedMutexInstanceLock : public InstanceLock {
 public:
  NamedMutexInstanceLock();
  ~NamedMutexInstanceLock() override;
  NamedMutexInstanceLock(const NamedMutexInstanceLock&) = delete;
  NamedMutexInstanceLock& operator=(const NamedMutexInstanceLock&) = delete;

  // Claims the mutex on the first call; later calls give the same answer.
  bool AnotherCopyRunning() override;

 private:
  void* mutex_ = nullptr;
  std::optional<bool> anotherCopy_;
};

}  // namespace quillbay::win32
