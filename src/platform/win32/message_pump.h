#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace quillbay::win32 {

// Takes the thread's messages off its queue and hands them to a dispatcher. While it waits for
// messages it also watches kernel events (such as a registry change notification) and runs an
// event's callback when the event is signalled; the callback resets or re-arms its event.
class MessagePump {
 public:
  using Dispatcher = std::function<void(MSG&)>;
  explicit MessagePump(Dispatcher dispatch) : dispatch_(std::move(dispatch)) {}

  void Watch(HANDLE event, std::function<void()> onSignalled);
  void StopWatching(HANDLE event);

  // Delivers the next message, or else waits until there is one or an event is signalled and
  // runs the event's callback. Returns false on WM_QUIT, which is taken off the queue and not
  // delivered; `quitCode` then holds its exit code.
  bool DeliverNext(int& quitCode);
  // Delivers the messages already waiting, and runs the callbacks of signalled events.
  bool DeliverPending(int& quitCode);

 private:
  struct Watched {
    HANDLE event;
    std::function<void()> onSignalled;
  };

  std::vector<HANDLE> Events() const;
  void WaitForInput();
  // Runs the callback of one event that is signalled now, if there is one.
  bool RunSignalled();
  // Runs the callback of the event a wait woke up for; false for anything else.
  bool RunCallbackOf(DWORD woken, DWORD count);

  Dispatcher dispatch_;
  std::vector<Watched> watched_;
};

}  // namespace quillbay::win32
