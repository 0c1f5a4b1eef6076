#include <gtest/gtest.h>

#include "platform/headless/headless_machine.h"
#include "platform/ui/check_box.h"
#include "platform/ui/directory_list.h"
#include "platform/ui/drive_list.h"
#include "platform/ui/file_list.h"
#include "platform/ui/h_scroll_bar.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/path_text.h"
#include "platform/ui/window.h"

namespace quillbay {
namespace {

using headless::HeadlessMachine;

TEST(LabelTest, SizesToTextKeepingItsCornerOnlyWhileAutoSizeIsOn) {
  HeadlessMachine machine;
  ui::Window window(machine.windows, "W");
  ui::Label label(window, "Label1");
  label.Move(100, 200);
  label.SetAutoSize(true);
  label.SetFontSize(10);
  label.SetCaption("abcd");
  EXPECT_EQ(label.Bounds().left, 100);
  EXPECT_EQ(label.Bounds().top, 200);
  EXPECT_DOUBLE_EQ(label.Bounds().width, 4 * 0.6 * 200);
  EXPECT_DOUBLE_EQ(label.Bounds().height, 1.2 * 200);

  label.SetAutoSize(false);
  label.SetCaption("a much longer caption");
  EXPECT_DOUBLE_EQ(label.Bounds().width, 4 * 0.6 * 200);
}

TEST(HScrollBarTest, UserActionsMoveBySmallAndLargeChangeWithinTheRange) {
  HeadlessMachine machine;
  ui::Window window(machine.windows, "W");
  ui::HScrollBar bar(window, "HScroll1");
  bar.SetRange(0, 255, 10, 30);
  int changes = 0;
  bar.onChange = [&] { ++changes; };

  bar.Scroll(ui::ScrollAction::LineRight);
  EXPECT_EQ(bar.Value(), 10);
  bar.Scroll(ui::ScrollAction::PageRight);
  EXPECT_EQ(bar.Value(), 40);
  bar.Scroll(ui::ScrollAction::ThumbTrack, 250);
  bar.Scroll(ui::ScrollAction::PageRight);
  EXPECT_EQ(bar.Value(), 255);
  bar.Scroll(ui::ScrollAction::LineRight);  // at the end: no change, no event
  EXPECT_EQ(changes, 4);
  bar.SetValue(-5);  // code, not the user: clamped, no event
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(changes, 4);
}

TEST(CheckBoxTest, OnlyTheUserTogglingFiresTheClickEventAndOnlyWhenEnabled) {
  HeadlessMachine machine;
  ui::Window window(machine.windows, "W");
  ui::CheckBox box(window, "Check1", 4);
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  box.SetValue(1);
  EXPECT_EQ(clicks, 0);
  box.Toggle();
  EXPECT_EQ(box.Value(), 0);
  EXPECT_EQ(clicks, 1);
  box.SetEnabled(false);
  box.Toggle();
  EXPECT_EQ(box.Value(), 0);
  EXPECT_EQ(clicks, 1);
}

TEST(ListBoxTest, SortedListKeepsAscendingOrderIgnoringLetterCase) {
  HeadlessMachine machine;
  ui::Window window(machine.windows, "W");
  ui::ListBox list(window, "List1");
  list.SetSorted(true);
  for (const char* name : {"Tahoma", "arial", "MS Gothic", "Arial", "ＭＳ Ｐゴシック"}) {
    list.AddItem(name);
  }
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"arial", "Arial", "MS Gothic", "Tahoma",
                                                    "ＭＳ Ｐゴシック"}));
}

TEST(WindowTest, ModalShowRunsTheScriptThenReturnsWithTheWindowClosed) {
  HeadlessMachine machine;
  struct Dialog : ui::Window {
    using Window::Window;
    int loads = 0, unloads = 0;
    void OnLoad() override { ++loads; }
    void OnUnload() override { ++unloads; }
  } dialog(machine.windows, "Dialog");
  bool sawItOpen = false;
  machine.windows.WhenShown("Dialog", [&](ui::Window& shown) {
    sawItOpen = shown.IsOpen() && machine.windows.IsRealized(shown);
    shown.Unload();
  });
  dialog.ShowModal();
  EXPECT_TRUE(sawItOpen);
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(dialog.loads, 1);
  EXPECT_EQ(dialog.unloads, 1);
  dialog.ShowModal();  // no script left: the window closes at once
  EXPECT_EQ(dialog.loads, 2);
  EXPECT_EQ(dialog.unloads, 2);
}

TEST(PathTextTest, JoinsAndSplitsPaths) {
  EXPECT_EQ(ui::JoinPath("c:\\", "chime.wav"), "c:\\chime.wav");
  EXPECT_EQ(ui::JoinPath("c:\\sounds", "chime.wav"), "c:\\sounds\\chime.wav");
  EXPECT_EQ(ui::ParentPath("c:\\sounds\\a"), "c:\\sounds");
  EXPECT_EQ(ui::ParentPath("c:\\sounds"), "c:\\");
  EXPECT_EQ(ui::ParentPath("c:\\"), "");
  EXPECT_EQ(ui::LastPathPart("c:\\sounds\\音"), "音");
  EXPECT_EQ(ui::LastPathPart("c:\\"), "c:\\");
  EXPECT_TRUE(ui::SameDrive("C: [system]", "c:\\x"));
}

TEST(FileListsTest, DirectoryListShowsParentsOpenAndChildrenAndFilesFollowThePattern) {
  HeadlessMachine machine;
  machine.files.AddFile("c:\\sounds\\chime.WAV");
  machine.files.AddFile("c:\\sounds\\readme.txt");
  machine.files.AddDirectory("c:\\sounds\\日本語");
  machine.files.AddDrive("d:", "", kDeviceUnavailable);
  machine.files.SetCurrentDirectory("c:\\sounds");
  ui::Window window(machine.windows, "W");
  ui::DriveList drives(window, machine.files, "Drive1");
  ui::DirectoryList directories(window, machine.files, "Dir1");
  ui::FileList files(window, machine.files, "File1");
  files.SetPattern("*.wav");

  EXPECT_EQ(drives.Drive(), "c:");
  ASSERT_EQ(directories.Entries().size(), 3u);
  EXPECT_EQ(directories.Entries()[0].text, "c:\\");
  EXPECT_EQ(directories.Entries()[1].text, "sounds");
  EXPECT_EQ(directories.Entries()[2].path, "c:\\sounds\\日本語");
  EXPECT_EQ(files.Items(), std::vector<std::string>{"chime.WAV"});
  EXPECT_EQ(directories.SetPath("d:"), kDeviceUnavailable);
  EXPECT_EQ(directories.Path(), "c:\\sounds");
}

}  // namespace
}  // namespace quillbay
