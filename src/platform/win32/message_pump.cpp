#include "platform/win32/message_pump.h"

#include <algorithm>

namespace quillbay::win32 {

namespace {

// One wait slot of MsgWaitForMultipleObjectsEx is kept for the message queue.
constexpr size_t kMostWatched = MAXIMUM_WAIT_OBJECTS - 1;

}  // namespace

void MessagePump::Watch(HANDLE event, std::function<void()> onSignalled) {
  if (!event || watched_.size() >= kMostWatched) return;
  watched_.push_back({event, std::move(onSignalled)});
}

void MessagePump::StopWatching(HANDLE event) {
  std::erase_if(watched_, [event](const Watched& watched) { return watched.event == event; });
}

bool MessagePump::DeliverNext(int& quitCode) {
  MSG message{};
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    WaitForInput();
    return true;
  }
  if (message.message == WM_QUIT) {
    quitCode = static_cast<int>(message.wParam);
    return false;
  }
  dispatch_(message);
  return true;
}

bool MessagePump::DeliverPending(int& quitCode) {
  // Each event at most once: a callback that does not reset its event must not hold us here.
  for (size_t runs = watched_.size(); runs > 0 && RunSignalled(); --runs) {
  }
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitCode = static_cast<int>(message.wParam);
      return false;
    }
    dispatch_(message);
  }
  return true;
}

std::vector<HANDLE> MessagePump::Events() const {
  std::vector<HANDLE> events;
  for (const Watched& watched : watched_) events.push_back(watched.event);
  return events;
}

void MessagePump::WaitForInput() {
  const std::vector<HANDLE> events = Events();
  const auto count = static_cast<DWORD>(events.size());
  RunCallbackOf(
      MsgWaitForMultipleObjectsEx(count, events.data(), INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE),
      count);
}

bool MessagePump::RunSignalled() {
  if (watched_.empty()) return false;
  const std::vector<HANDLE> events = Events();
  const auto count = static_cast<DWORD>(events.size());
  return RunCallbackOf(WaitForMultipleObjects(count, events.data(), FALSE, 0), count);
}

bool MessagePump::RunCallbackOf(DWORD woken, DWORD count) {
  if (woken == WAIT_FAILED) {
    // A handle closed by its owner would fail every wait and keep the loop spinning.
    std::erase_if(watched_, [](const Watched& watched) {
      return WaitForSingleObject(watched.event, 0) == WAIT_FAILED;
    });
    return false;
  }
  if (woken >= WAIT_OBJECT_0 + count) return false;
  // A copy: the callback may watch or stop watching events.
  const std::function<void()> onSignalled = watched_[woken - WAIT_OBJECT_0].onSignalled;
  if (onSignalled) onSignalled();
  return true;
}

}  // namespace quillbay::win32
