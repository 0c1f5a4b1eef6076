#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/drop_down_list.h"
#include "platform/ui/frame.h"
#include "platform/ui/h_scroll_bar.h"
#include "platform/ui/label.h"
#include "platform/ui/line.h"
#include "platform/ui/list_box.h"
#include "platform/ui/shape.h"
#include "platform/ui/text_box.h"
#include "platform/ui/timer.h"
#include "window_test_support.h"

namespace quillbay::win32 {
namespace {

using namespace test_support;

// A dialog with a control of every kind that has a child window, laid out as the settings
// dialogs lay out theirs (twips; 15 per pixel at 96 DPI), and some that the window paints.
struct AllControlsDialog : ui::Window {
  explicit AllControlsDialog(ui::WindowSystem& system) : ui::Window(system, "AllControls") {
    SetCaption("表示色関連の設定");
    SetClientBounds({1500, 1500, 5175, 3735});
    SetBorder(ui::BorderStyle::FixedSingle);
    ok.SetCaption("OK");
    ok.SetBounds({360, 3240, 1455, 375});
    ok.SetTabIndex(0);
    arcs.SetCaption("円弧も絵画");
    arcs.SetBounds({240, 120, 1215, 180});
    arcs.SetTabIndex(2);
    speed.SetBounds({1680, 1320, 975, 255});
    speed.SetRange(0, 20, 2, 5);
    speed.SetValue(10);
    speed.SetTabIndex(1);
    signal.SetCaption("時報");
    signal.SetBounds({240, 1575, 2775, 1335});
    signal.SetTabIndex(6);
    interval.PlaceIn(signal);
    interval.SetBounds({240, 300, 1215, 300});
    interval.SetTabIndex(3);
    soundFile.PlaceIn(signal);
    soundFile.SetBounds({240, 680, 1695, 270});
    soundFile.SetTabIndex(4);
    fonts.SetBounds({3120, 120, 1815, 1800});
    fonts.SetTabIndex(5);
    fast.SetCaption("速い");
    fast.SetBounds({1320, 1365, 345, 180});
    fast.SetTabIndex(7);
    swatch.SetBounds({3120, 2040, 975, 255});
    rule.SetLine({120, 3120}, {5040, 3120}, ui::kWhite);
  }

  ui::CommandButton ok{*this, "Command1"};
  ui::CheckBox arcs{*this, "Check1"};
  ui::HScrollBar speed{*this, "HScroll2"};
  ui::Frame signal{*this, "Frame1"};
  ui::DropDownList interval{*this, "Combo1"};
  ui::TextBox soundFile{*this, "Text1"};
  ui::ListBox fonts{*this, "List1"};
  ui::Label fast{*this, "Label1"};
  ui::Shape swatch{*this, "Shape1"};
  ui::Line rule{*this, "Line1"};
  ui::Timer timer{*this, "Timer1"};
};

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

TEST(Win32WindowSystemTest, RealizesADialogWithoutControlMenuAtItsTwipsPlace) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  dialog.Load();
  HWND window = HandleOf(system, dialog);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(WindowText(window), L"表示色関連の設定");
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  EXPECT_STRNE(className, L"#32770");
  const auto style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_FALSE(IsWindowVisible(window));  // realised hidden; showing is a separate step

  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 345);
  EXPECT_EQ(client.bottom, 249);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(origin.x, 100);
  EXPECT_EQ(origin.y, 100);
}

TEST(Win32WindowSystemTest, EachControlBecomesAChildWindowOfItsKindInPixels) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  dialog.Load();
  HWND window = HandleOf(system, dialog);

  struct Expected {
    const wchar_t* className;
    const wchar_t* text;
    RECT rect;
    bool tabStop;
  };
  const Expected expected[] = {
      {L"Button", L"OK", {24, 216, 121, 241}, true},
      {L"Button", L"円弧も絵画", {16, 8, 97, 20}, true},
      {L"ScrollBar", L"", {112, 88, 177, 105}, true},
      {L"Button", L"時報", {16, 105, 201, 194}, false},
      {L"Edit", L"", {32, 150, 145, 168}, true},  // in the frame: the frame's corner + its own
      {L"ListBox", L"", {208, 8, 329, 128}, true},
      {L"Static", L"速い", {88, 91, 111, 103}, false},
  };
  const auto children = ChildWindows(window);
  // Shapes, lines and timers have no window of their own.
  ASSERT_EQ(children.size(), 8u);
  for (const Expected& each : expected) {
    SCOPED_TRACE(std::string(each.text, each.text + wcslen(each.text)));
    HWND child = FindChild(window, each.className, each.text);
    ASSERT_NE(child, nullptr);
    for (const auto& found : children) {
      if (found.handle != child) continue;
      EXPECT_EQ(found.rect.left, each.rect.left);
      EXPECT_EQ(found.rect.top, each.rect.top);
      EXPECT_EQ(found.rect.right, each.rect.right);
      EXPECT_EQ(found.rect.bottom, each.rect.bottom);
      EXPECT_EQ((found.style & WS_TABSTOP) != 0, each.tabStop);
    }
  }
  // The drop-down list's height includes its list; its corner is in the frame.
  HWND combo = FindChild(window, L"ComboBox");
  ASSERT_NE(combo, nullptr);
  RECT comboRect{};
  GetWindowRect(combo, &comboRect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&comboRect), 2);
  EXPECT_EQ(comboRect.left, 32);
  EXPECT_EQ(comboRect.top, 125);
  // Tab order is creation order: OK (0), the scroll bar (1), the check box (2), ...
  EXPECT_EQ(GetWindow(window, GW_CHILD), FindChild(window, L"Button", L"OK"));
  EXPECT_EQ(GetWindow(FindChild(window, L"Button", L"OK"), GW_HWNDNEXT),
            FindChild(window, L"ScrollBar"));
  // The frame stays below what it holds.
  EXPECT_EQ(GetWindow(FindChild(window, L"Button", L"時報"), GW_HWNDNEXT), nullptr);
}

TEST(Win32WindowSystemTest, ModelChangesShowInTheChildWindowsWithoutFiringEvents) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  int events = 0;
  dialog.arcs.onClick = [&] { ++events; };
  dialog.speed.onChange = [&] { ++events; };
  dialog.soundFile.onChange = [&] { ++events; };
  dialog.interval.onClick = [&] { ++events; };
  dialog.fonts.onClick = [&] { ++events; };
  dialog.Load();
  HWND window = HandleOf(system, dialog);

  dialog.arcs.SetValue(ui::CheckBox::kChecked);
  EXPECT_EQ(SendMessageW(FindChild(window, L"Button", L"円弧も絵画"), BM_GETCHECK, 0, 0),
            BST_CHECKED);
  dialog.speed.SetValue(3);
  EXPECT_EQ(GetScrollPos(FindChild(window, L"ScrollBar"), SB_CTL), 3);
  dialog.soundFile.SetText("c:\\音\\chime.wav");
  EXPECT_EQ(WindowText(FindChild(window, L"Edit")), L"c:\\音\\chime.wav");
  for (const char* item : {"なし", "30分おき", "１時間おき"}) dialog.interval.AddItem(item);
  dialog.interval.SetListIndex(2);
  HWND combo = FindChild(window, L"ComboBox");
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
  wchar_t line[64] = {};
  SendMessageW(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(line));
  EXPECT_STREQ(line, L"１時間おき");
  dialog.fonts.SetItems({"b", "a", "c"});
  dialog.fonts.AddItem("d");
  HWND list = FindChild(window, L"ListBox");
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
  for (int i = 0; i < 4; ++i) {
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::wstring(line), std::wstring(1, L"bacd"[i]));  // the model's order
  }
  dialog.fonts.SetListIndex(1);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  dialog.fast.SetCaption("遅い");
  HWND label = FindChild(window, L"Static");
  EXPECT_EQ(WindowText(label), L"遅い");
  // A caption too wide for its label in this system's font widens it rather than lose letters.
  dialog.fast.SetCaption("Velmora Ver.0.80");
  RECT widened{};
  GetWindowRect(label, &widened);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&widened), 2);
  EXPECT_EQ(widened.left, 88);
  EXPECT_GE((widened.right - widened.left) * 15.0,
            system.MeasureText(dialog.fast.GetFont(), "Velmora Ver.0.80").width);
  dialog.ok.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(FindChild(window, L"Button", L"OK")));
  EXPECT_EQ(events, 0);
}

TEST(Win32WindowSystemTest, FramesCarryWhatTheyHold) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  dialog.Show();
  HWND window = HandleOf(system, dialog);
  HWND edit = FindChild(window, L"Edit");

  dialog.signal.Move(600, 1575);
  RECT rect{};
  GetWindowRect(edit, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 56);  // (600 + 240) / 15
  dialog.signal.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(edit));
  dialog.signal.SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(edit));
  dialog.signal.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(edit));
}

TEST(Win32WindowSystemTest, UserActionsOnChildWindowsBecomeModelActions) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  int okClicks = 0, arcClicks = 0, speedChanges = 0, textChanges = 0, intervalClicks = 0,
      fontClicks = 0, fontDoubleClicks = 0, labelClicks = 0;
  dialog.ok.onClick = [&] { ++okClicks; };
  dialog.arcs.onClick = [&] { ++arcClicks; };
  dialog.speed.onChange = [&] { ++speedChanges; };
  dialog.soundFile.onChange = [&] { ++textChanges; };
  dialog.interval.onClick = [&] { ++intervalClicks; };
  dialog.fonts.onClick = [&] { ++fontClicks; };
  dialog.fonts.onDoubleClick = [&] { ++fontDoubleClicks; };
  dialog.fast.onClick = [&] { ++labelClicks; };
  for (const char* item : {"なし", "30分おき", "１時間おき"}) dialog.interval.AddItem(item);
  dialog.fonts.SetItems({"IPAGothic", "IPAPGothic", "Tahoma"});
  dialog.Show();
  HWND window = HandleOf(system, dialog);
  const auto notify = [&](HWND child, WORD notification) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), notification),
                 reinterpret_cast<LPARAM>(child));
  };

  SendMessageW(FindChild(window, L"Button", L"OK"), BM_CLICK, 0, 0);
  EXPECT_EQ(okClicks, 1);

  HWND box = FindChild(window, L"Button", L"円弧も絵画");
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(dialog.arcs.Checked());
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_FALSE(dialog.arcs.Checked());
  EXPECT_EQ(arcClicks, 2);

  HWND bar = FindChild(window, L"ScrollBar");
  const auto scroll = [&](WORD request, WORD position) {
    SendMessageW(window, WM_HSCROLL, MAKEWPARAM(request, position), reinterpret_cast<LPARAM>(bar));
  };
  scroll(SB_THUMBTRACK, 17);
  EXPECT_EQ(dialog.speed.Value(), 17);
  scroll(SB_THUMBTRACK, 18);  // every position of a drag
  EXPECT_EQ(speedChanges, 2);
  scroll(SB_LINELEFT, 0);
  EXPECT_EQ(dialog.speed.Value(), 16);
  scroll(SB_PAGERIGHT, 0);
  EXPECT_EQ(dialog.speed.Value(), 20);  // 16 + 5, kept in the range
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 20);
  scroll(SB_LEFT, 0);
  EXPECT_EQ(dialog.speed.Value(), 0);
  EXPECT_EQ(speedChanges, 5);

  SetWindowTextW(FindChild(window, L"Edit"), L"ユーザー名");
  EXPECT_EQ(dialog.soundFile.Text(), "ユーザー名");
  EXPECT_EQ(textChanges, 1);

  HWND combo = FindChild(window, L"ComboBox");
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  notify(combo, CBN_SELCHANGE);
  EXPECT_EQ(dialog.interval.ListIndex(), 1);
  EXPECT_EQ(intervalClicks, 1);

  HWND list = FindChild(window, L"ListBox");
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  notify(list, LBN_SELCHANGE);
  EXPECT_EQ(dialog.fonts.SelectedText(), "Tahoma");
  notify(list, LBN_DBLCLK);
  EXPECT_EQ(fontClicks, 1);
  EXPECT_EQ(fontDoubleClicks, 1);

  notify(FindChild(window, L"Static"), STN_CLICKED);
  EXPECT_EQ(labelClicks, 1);
}

TEST(Win32WindowSystemTest, TimersTickWhileRunningAndStopWithTheModel) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  int ticks = 0;
  dialog.timer.onTick = [&] { ++ticks; };
  dialog.timer.SetInterval(10);
  dialog.Load();
  PumpFor(system, 200);
  EXPECT_GT(ticks, 2);

  dialog.timer.SetEnabled(false);
  const int stopped = ticks;
  PumpFor(system, 100);
  EXPECT_EQ(ticks, stopped);
  dialog.timer.SetEnabled(true);
  dialog.timer.SetInterval(0);  // no interval: not running either
  PumpFor(system, 100);
  EXPECT_EQ(ticks, stopped);
}

// Whatever ends the modal show, the window system's loop returns and the other windows of
// the program take input again.
TEST(Win32WindowSystemTest, AModalShowReturnsWhenTheWindowCloses) {
  enum class Closing { ByItsTimer, ByItsButton, ByAClosingMessage, ByAWatchedEvent };
  for (const Closing closing : {Closing::ByItsTimer, Closing::ByItsButton,
                                Closing::ByAClosingMessage, Closing::ByAWatchedEvent}) {
    SCOPED_TRACE(static_cast<int>(closing));
    Win32WindowSystem system;
    ui::Window owner(system, "Owner");
    owner.SetClientBounds({1500, 1500, 3000, 3000});
    owner.Show();
    AllControlsDialog dialog(system);
    bool ownerTookInput = true;
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    int signalled = 0;
    system.WatchEvent(event, [&] {
      ++signalled;
      dialog.Unload();
    });
    dialog.ok.onClick = [&] { dialog.Unload(); };
    dialog.timer.SetInterval(30);
    dialog.timer.onTick = [&] {
      ownerTookInput = IsWindowEnabled(HandleOf(system, owner));
      switch (closing) {
        case Closing::ByItsTimer:
          dialog.Unload();
          break;
        case Closing::ByItsButton:
          PostMessageW(FindChild(HandleOf(system, dialog), L"Button", L"OK"), BM_CLICK, 0, 0);
          break;
        case Closing::ByAClosingMessage:
          PostMessageW(HandleOf(system, dialog), WM_CLOSE, 0, 0);
          break;
        case Closing::ByAWatchedEvent:
          SetEvent(event);
          break;
      }
    };

    dialog.ShowModal();

    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(HandleOf(system, dialog), nullptr);
    EXPECT_FALSE(ownerTookInput);
    EXPECT_TRUE(IsWindowEnabled(HandleOf(system, owner)));
    EXPECT_EQ(signalled, closing == Closing::ByAWatchedEvent ? 1 : 0);
    system.StopWatchingEvent(event);
    CloseHandle(event);
  }
}

// The settings hub opens a dialog, which opens a picker: each waits for the one it opened.
TEST(Win32WindowSystemTest, ModalShowsNestAndEachWindowTakesInputAgainWhenItsChildCloses) {
  Win32WindowSystem system;
  AllControlsDialog hub(system);
  AllControlsDialog dialog(system);
  ui::Window picker(system, "Picker");
  picker.SetClientBounds({3000, 3000, 2000, 2000});
  ui::Timer pickerTimer(picker, "Timer1");
  std::vector<std::string> steps;
  bool hubTookInputUnderPicker = true;
  hub.timer.SetInterval(10);
  hub.timer.onTick = [&] {
    hub.timer.SetEnabled(false);
    steps.push_back("dialog opens");
    dialog.ShowModal();
    steps.push_back("dialog closed");
    hub.Unload();
  };
  dialog.timer.SetInterval(10);
  dialog.timer.onTick = [&] {
    dialog.timer.SetEnabled(false);
    steps.push_back("picker opens");
    picker.ShowModal();
    steps.push_back("picker closed");
    EXPECT_TRUE(IsWindowEnabled(HandleOf(system, dialog)));
    EXPECT_FALSE(IsWindowEnabled(HandleOf(system, hub)));
    dialog.Unload();
  };
  pickerTimer.SetInterval(10);
  pickerTimer.onTick = [&] {
    hubTookInputUnderPicker =
        IsWindowEnabled(HandleOf(system, hub)) || IsWindowEnabled(HandleOf(system, dialog));
    // The picker belongs to the dialog it was opened from.
    EXPECT_EQ(GetWindow(HandleOf(system, picker), GW_OWNER), HandleOf(system, dialog));
    picker.Unload();
  };

  hub.ShowModal();

  EXPECT_EQ(steps, (std::vector<std::string>{"dialog opens", "picker opens", "picker closed",
                                             "dialog closed"}));
  EXPECT_FALSE(hubTookInputUnderPicker);
}

// A tick that lets pending messages run (the time-signal flash) does not tick again inside.
TEST(Win32WindowSystemTest, ATickThatLetsMessagesRunIsNotEnteredAgain) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  int depth = 0, deepest = 0, ticks = 0;
  dialog.timer.SetInterval(1);
  dialog.timer.onTick = [&] {
    ++ticks;
    deepest = std::max(deepest, ++depth);
    if (ticks < 5) PumpFor(system, 20);
    --depth;
  };
  dialog.Load();
  PumpFor(system, 200);
  EXPECT_GE(ticks, 5);
  EXPECT_EQ(deepest, 1);
}

// The main loop also waits for the watched events (the settings store's change notification);
// with no window left it has nothing more to deliver and returns.
TEST(Win32WindowSystemTest, TheMessageLoopRunsTimersAndWatchedEventsWhileAWindowIsLeft) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  int ticks = 0, signalled = 0;
  system.WatchEvent(event, [&] {
    ++signalled;
    dialog.Unload();
  });
  dialog.timer.SetInterval(10);
  dialog.timer.onTick = [&] {
    if (++ticks == 3) SetEvent(event);
  };
  dialog.Show();

  system.RunMessageLoop();

  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(signalled, 1);
  EXPECT_FALSE(dialog.IsOpen());
  system.StopWatchingEvent(event);
  CloseHandle(event);
}

TEST(Win32WindowSystemTest, MessageBoxIsModalAndReportsTheButtonPressed) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  ui::Timer presser(dialog, "Timer2");
  std::wstring boxTitle, boxText;
  bool dialogTookInput = true;
  ui::MessageBoxResult answer = ui::MessageBoxResult::Ok;
  dialog.timer.SetInterval(10);
  dialog.timer.onTick = [&] {
    dialog.timer.SetEnabled(false);
    answer = system.MessageBox("デバイスの準備が出来ていません。",
                               ui::MessageBoxButtons::RetryCancel, "Quillbay");
    dialog.Unload();
  };
  presser.SetInterval(50);
  presser.onTick = [&] {
    HWND box = FindWindowW(L"#32770", L"Quillbay");
    if (!box) return;
    boxTitle = WindowText(box);
    wchar_t text[128] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 128);
    boxText = text;
    dialogTookInput = IsWindowEnabled(HandleOf(system, dialog));
    PostMessageW(box, WM_COMMAND, IDRETRY, 0);
  };

  dialog.ShowModal();

  EXPECT_EQ(answer, ui::MessageBoxResult::Retry);
  EXPECT_EQ(boxTitle, L"Quillbay");
  EXPECT_EQ(boxText, L"デバイスの準備が出来ていません。");
  EXPECT_FALSE(dialogTookInput);
}

TEST(Win32WindowSystemTest, MeasuredTextGrowsWithTheFontAndKeepsALineForEmptyText) {
  Win32WindowSystem system;
  const ui::Size small = system.MeasureText({"", 9}, "12:34");
  const ui::Size large = system.MeasureText({"", 36}, "12:34");
  const ui::Size face = system.MeasureText({"ＭＳ Ｐゴシック", 36}, "12:34");
  EXPECT_GT(small.width, 0);
  EXPECT_NEAR(large.width / small.width, 4, 1);
  EXPECT_NEAR(large.height / small.height, 4, 1);
  EXPECT_GT(face.width, small.width);
  EXPECT_GT(system.MeasureText({"", 9}, "ユーザー名").width, small.width);
  const ui::Size empty = system.MeasureText({"", 9}, "");
  EXPECT_EQ(empty.width, 0);
  EXPECT_DOUBLE_EQ(empty.height, small.height);
}

TEST(Win32WindowSystemTest, HourglassShowsOverTheWindowWhileTheModelAsksForIt) {
  Win32WindowSystem system;
  AllControlsDialog dialog(system);
  dialog.Show();
  HWND window = HandleOf(system, dialog);
  HWND edit = FindChild(window, L"Edit");
  const auto cursorOver = [&](HWND target) {
    SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);

  dialog.SetPointer(ui::MousePointer::Hourglass);
  EXPECT_EQ(cursorOver(window), wait);
  EXPECT_EQ(cursorOver(edit), wait);
  dialog.SetPointer(ui::MousePointer::Default);
  EXPECT_NE(cursorOver(window), wait);
}

}  // namespace
}  // namespace quillbay::win32
