#include <gtest/gtest.h>

#include "common/help_file.h"
#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

TEST(HelpFilePathTest, FindsTheFileNextToTheProgramWithExactlyOneSeparator) {
  const struct {
    const char* folder;
    const char* helpFile;
  } cases[] = {
      {"c:\\windows\\system32", "c:\\windows\\system32\\QUILLBAY.HLP"},
      {"c:\\", "c:\\QUILLBAY.HLP"},
      {"d:\\スクリーン セーバー", "d:\\スクリーン セーバー\\QUILLBAY.HLP"},
  };
  for (const auto& c : cases) {
    headless::HeadlessMachine machine;
    machine.program.folder = c.folder;
    machine.files.AddFile(c.helpFile);
    EXPECT_EQ(HelpFilePath(machine.program, machine.files), c.helpFile);
  }
}

TEST(HelpFilePathTest, GivesTheBareNameWhenNoFileIsNextToTheProgram) {
  headless::HeadlessMachine machine;
  machine.program.folder = "c:\\windows\\system32";
  machine.files.AddFile("c:\\windows\\QUILLBAY.HLP");
  machine.files.AddDirectory("c:\\windows\\system32\\QUILLBAY.HLP\\");  // a folder, not a file
  EXPECT_EQ(HelpFilePath(machine.program, machine.files), "QUILLBAY.HLP");
}

}  // namespace
}  // namespace quillbay
