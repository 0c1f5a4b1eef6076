#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/ui/directory_list.h"
#include "platform/ui/drive_list.h"
#include "platform/ui/file_list.h"
#include "window_test_support.h"

namespace quillbay::win32 {
namespace {

using namespace test_support;

// c: holds c:\sounds\chimes and c:\windows; d: is a drive without a medium.
class SmallFileSystem : public FileSystem {
 public:
  bool FileExists(const std::string&) override { return false; }
  std::vector<DriveInfo> Drives() override { return {{"c:", "system"}, {"d:", ""}}; }
  std::string CurrentDirectory() override { return "c:\\sounds"; }
  DirectoryResult DriveCurrentDirectory(const std::string& drive) override {
    if (drive == "d:") return {kDeviceUnavailable, ""};
    return {kFileOk, "c:\\sounds"};
  }
  DirectoryListing Subdirectories(const std::string& path) override {
    if (path == "c:\\") return {kFileOk, {"windows", "sounds"}};
    if (path == "c:\\sounds") return {kFileOk, {"chimes"}};
    return {kFileOk, {}};
  }
  DirectoryListing Files(const std::string& path, const std::string&) override {
    if (path == "c:\\sounds") return {kFileOk, {"時報.wav", "alarm.wav"}};
    return {kFileOk, {}};
  }
};

struct FilePicker : ui::Window {
  FilePicker(ui::WindowSystem& system, FileSystem& files)
      : ui::Window(system, "SetFileName"),
        drives(*this, files, "Drive1"),
        directories(*this, files, "Dir1"),
        fileList(*this, files, "File1") {
    SetCaption("参照");
    SetClientBounds({2070, 1980, 4335, 3570});
    SetBorder(ui::BorderStyle::FixedDialog);
    drives.SetBounds({240, 240, 1935, 300});
    directories.SetBounds({240, 600, 1935, 2550});
    fileList.SetBounds({2280, 240, 1815, 2040});
  }

  ui::DriveList drives;
  ui::DirectoryList directories;
  ui::FileList fileList;
};

std::vector<std::wstring> Lines(HWND list, UINT countMessage, UINT textMessage) {
  std::vector<std::wstring> lines;
  const auto count = SendMessageW(list, countMessage, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t line[128] = {};
    SendMessageW(list, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
    lines.push_back(line);
  }
  return lines;
}

TEST(WindowFileListsTest, DrivesDirectoriesAndFilesShowAndOpenAsTheModelsSay) {
  Win32WindowSystem system;
  SmallFileSystem files;
  FilePicker picker(system, files);
  std::vector<std::string> drivesChosen;
  picker.drives.onChange = [&] { drivesChosen.push_back(picker.drives.Drive()); };
  picker.directories.onChange = [&] { picker.fileList.SetPath(picker.directories.Path()); };
  picker.Show();
  HWND window = HandleOf(system, picker);
  HWND drives = FindChild(window, L"ComboBox");
  HWND directories = FindChild(window, L"ListBox");
  HWND fileList = GetWindow(directories, GW_HWNDNEXT);

  EXPECT_EQ(Lines(drives, CB_GETCOUNT, CB_GETLBTEXT),
            (std::vector<std::wstring>{L"c: [system]", L"d:"}));
  EXPECT_EQ(SendMessageW(drives, CB_GETCURSEL, 0, 0), 0);
  // Each parent one level in from the one above it; the subdirectories one in from the open one.
  EXPECT_EQ(Lines(directories, LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::wstring>{L"c:\\", L"  sounds", L"    chimes"}));
  EXPECT_EQ(SendMessageW(directories, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Lines(fileList, LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::wstring>{L"alarm.wav", L"時報.wav"}));

  SendMessageW(directories, LB_SETCURSEL, 2, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(directories), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(directories));
  EXPECT_EQ(picker.directories.Path(), "c:\\sounds\\chimes");
  EXPECT_EQ(Lines(directories, LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::wstring>{L"c:\\", L"  sounds", L"    chimes"}));
  EXPECT_EQ(SendMessageW(directories, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(fileList, LB_GETCOUNT, 0, 0), 0);

  SendMessageW(drives, CB_SETCURSEL, 1, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(drives));
  EXPECT_EQ(drivesChosen, std::vector<std::string>{"d:"});
  picker.drives.SetDrive("c:");  // the picker's answer to a drive that is not ready
  EXPECT_EQ(SendMessageW(drives, CB_GETCURSEL, 0, 0), 0);
}

}  // namespace
}  // namespace quillbay::win32
