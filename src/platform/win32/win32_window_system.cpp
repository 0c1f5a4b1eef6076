#include "platform/win32/win32_window_system.h"

#include <windows.h>
// The models' own names, not the system's text macros.
#undef MessageBox

#include <algorithm>
#include <map>
#include <vector>

#include "platform/win32/message_pump.h"
#include "platform/win32/realized_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_resources.h"

namespace quillbay::win32 {

namespace {

// A window shown modally, and the program's windows it disabled for that time.
struct ModalShow {
  const ui::Window* window;
  std::vector<HWND> disabled;
  HWND previouslyActive;
};

}  // namespace

struct Win32WindowSystem::State {
  State() : resources(TwipsScale::OfScreen()), pump([this](MSG& message) { Dispatch(message); }) {}

  RealizedWindow* Find(const ui::Window& window) const {
    const auto found = windows.find(&window);
    return found == windows.end() ? nullptr : found->second.get();
  }

  RealizedWindow* FindHandle(HWND handle) const {
    if (!handle) return nullptr;
    for (const auto& [model, window] : windows) {
      if (window->Handle() == handle) return window.get();
    }
    return nullptr;
  }

  bool HasWindows() const {
    return std::any_of(windows.begin(), windows.end(),
                       [](const auto& each) { return each.second->Handle() != nullptr; });
  }

  HWND TopModalHandle() const {
    if (modal.empty()) return nullptr;
    const RealizedWindow* top = Find(*modal.back().window);
    return top && IsWindowVisible(top->Handle()) ? top->Handle() : nullptr;
  }

  // A window with key preview sees each key before its controls; the dialog keys (Tab, the
  // arrows, Enter on a button) work in every window, as in a dialog box.
  void Dispatch(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    RealizedWindow* window = FindHandle(root);
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (window && keyDown && window->Model().KeyPreview()) {
      window->PreviewKey(static_cast<int>(message.wParam));
      if (window->IsDestroyed() || !IsWindow(message.hwnd)) return;
    }
    if (window && IsDialogMessageW(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }

  // Re-enables what a modal window disabled, before the window goes, so that the window
  // below it becomes the active one again.
  void ReleaseModal(const ui::Window& window) {
    for (ModalShow& show : modal) {
      if (show.window != &window) continue;
      for (HWND disabled : show.disabled) {
        if (IsWindow(disabled)) EnableWindow(disabled, TRUE);
      }
      show.disabled.clear();
    }
  }

  // Windows closed while a call into them still runs are deleted once it has returned.
  void DeleteClosedWindows() {
    std::erase_if(closed, [](const auto& window) { return !window->InUse(); });
  }

  WindowResources resources;
  MessagePump pump;
  std::map<const ui::Window*, std::unique_ptr<RealizedWindow>> windows;
  std::vector<std::unique_ptr<RealizedWindow>> closed;
  std::vector<ModalShow> modal;
};

Win32WindowSystem::Win32WindowSystem() : state_(std::make_unique<State>()) {}

Win32WindowSystem::~Win32WindowSystem() = default;

void Win32WindowSystem::WatchEvent(void* handle, std::function<void()> onSignalled) {
  state_->pump.Watch(static_cast<HANDLE>(handle), std::move(onSignalled));
}

void Win32WindowSystem::StopWatchingEvent(void* handle) {
  state_->pump.StopWatching(static_cast<HANDLE>(handle));
}

void* Win32WindowSystem::NativeHandle(const ui::Window& window) const {
  const RealizedWindow* realized = state_->Find(window);
  return realized ? realized->Handle() : nullptr;
}

void Win32WindowSystem::Realize(ui::Window& window) {
  if (state_->Find(window)) return;
  // A window opened from a modal one belongs to it: it stays above it and goes with it.
  auto realized =
      std::make_unique<RealizedWindow>(window, state_->resources, state_->TopModalHandle());
  window.AttachPeer(realized.get());
  state_->windows.emplace(&window, std::move(realized));
}

void Win32WindowSystem::RunModal(ui::Window& window) {
  RealizedWindow* realized = state_->Find(window);
  if (!realized || !realized->Handle()) return;
  ModalShow show{&window, {}, GetActiveWindow()};
  for (const auto& [model, other] : state_->windows) {
    HWND handle = other->Handle();
    if (other.get() == realized || !handle || !IsWindowEnabled(handle)) continue;
    EnableWindow(handle, FALSE);
    show.disabled.push_back(handle);
  }
  state_->modal.push_back(std::move(show));
  realized->Show();

  int quitCode = 0;
  bool quit = false;
  while (window.IsOpen() && !quit) {
    state_->DeleteClosedWindows();
    quit = !state_->pump.DeliverNext(quitCode);
  }

  state_->ReleaseModal(window);
  const auto entry = std::find_if(state_->modal.begin(), state_->modal.end(),
                                  [&](const ModalShow& each) { return each.window == &window; });
  HWND previous = entry->previouslyActive;
  state_->modal.erase(entry);
  if (previous && IsWindow(previous) && IsWindowVisible(previous) && IsWindowEnabled(previous)) {
    SetActiveWindow(previous);
  }
  // A request to quit ends the loops around this one too.
  if (quit) PostQuitMessage(quitCode);
}

void Win32WindowSystem::Show(ui::Window& window) {
  if (RealizedWindow* realized = state_->Find(window)) realized->Show();
}

void Win32WindowSystem::MakeTopmost(ui::Window& window) {
  if (RealizedWindow* realized = state_->Find(window)) realized->MakeTopmost();
}

void Win32WindowSystem::Destroy(ui::Window& window) {
  const auto found = state_->windows.find(&window);
  if (found == state_->windows.end()) return;
  window.AttachPeer(nullptr);
  state_->ReleaseModal(window);
  found->second->Destroy();
  state_->closed.push_back(std::move(found->second));
  state_->windows.erase(found);
}

void Win32WindowSystem::RunMessageLoop() {
  int quitCode = 0;
  // Without a window (none left, or none could be created: no display) nothing could ever end
  // the loop.
  while (state_->HasWindows()) {
    state_->DeleteClosedWindows();
    if (!state_->pump.DeliverNext(quitCode)) return;
  }
}

void Win32WindowSystem::ProcessPendingMessages() {
  state_->DeleteClosedWindows();
  int quitCode = 0;
  if (!state_->pump.DeliverPending(quitCode)) PostQuitMessage(quitCode);
}

void Win32WindowSystem::EndProgram() {
  ExitProcess(0);
}

ui::Size Win32WindowSystem::MeasureText(const ui::Font& font, std::string_view text) {
  return state_->resources.scale.ToTwips(state_->resources.fonts.MeasureText(font, text));
}

ui::Size Win32WindowSystem::ScreenSize() {
  return state_->resources.scale.ToTwips(
      {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

ui::MessageBoxResult Win32WindowSystem::MessageBox(std::string_view text,
                                                   ui::MessageBoxButtons buttons,
                                                   std::string_view title) {
  HWND owner = state_->TopModalHandle();
  if (!owner && state_->FindHandle(GetActiveWindow())) owner = GetActiveWindow();
  const bool retryCancel = buttons == ui::MessageBoxButtons::RetryCancel;
  // Without an owner the box still keeps every window of the program from taking input.
  const UINT style = (retryCancel ? MB_RETRYCANCEL : MB_OK) | MB_SETFOREGROUND |
                     (owner ? MB_APPLMODAL : MB_TASKMODAL);
  switch (MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), style)) {
    case IDOK:
      return ui::MessageBoxResult::Ok;
    case IDRETRY:
      return ui::MessageBoxResult::Retry;
    case IDCANCEL:
      return ui::MessageBoxResult::Cancel;
    // A box that could not be shown is not a request to try again.
    default:
      return retryCancel ? ui::MessageBoxResult::Cancel : ui::MessageBoxResult::Ok;
  }
}

void Win32WindowSystem::Beep() {
  MessageBeep(MB_OK);
}

}  // namespace quillbay::win32
