#pragma once

namespace quillbay {

// Tells whether another copy of the program is running. The first call claims the program's
// single-instance token for this process, which keeps it until it ends.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  virtual bool AnotherCopyRunning() = 0;
};

}  // namespace quillbay
