#include "platform/win32/win32_program_info.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/help_file.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"

namespace quillbay::win32 {
namespace {

TEST(Win32ProgramInfoTest, TellsTheProgramsFolderAndCommandLine) {
  Win32ProgramInfo program;
  Win32FileSystem files;
  const std::string folder = program.ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(files.FileExists(folder + "\\win32_tests.exe"));
  EXPECT_NE(program.CommandLine().find("win32_tests"), std::string::npos);
}

TEST(Win32ProgramInfoTest, HelpFileIsFoundNextToTheProgramOrLeftToTheHelpSystem) {
  Win32ProgramInfo program;
  Win32FileSystem files;
  const std::string besideProgram = program.ExecutableFolder() + "\\QUILLBAY.HLP";
  DeleteFileW(Widen(besideProgram).c_str());
  EXPECT_EQ(HelpFilePath(program, files), "QUILLBAY.HLP");

  const HANDLE file = CreateFileW(Widen(besideProgram).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  EXPECT_EQ(HelpFilePath(program, files), besideProgram);
  DeleteFileW(Widen(besideProgram).c_str());
}

}  // namespace
}  // namespace quillbay::win32
