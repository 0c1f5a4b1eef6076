#include "app/command_line.h"

#include <gtest/gtest.h>

namespace quillbay {
namespace {

TEST(CommandLineTest, ArgumentIsWhatFollowsTheProgramPathWithoutSurroundingBlanks) {
  const struct {
    const char* commandLine;
    const char* argument;
  } cases[] = {
      {"quillbay.scr /s", "/s"},
      {"\"C:\\Program Files\\Quillbay\\quillbay.scr\" /p 123", "/p 123"},
      {"\"C:\\dir with blanks\\q.scr\"", ""},
      {"C:\\q.scr", ""},
      {"C:\\q.scr \t /c \t", "/c"},
      {"  C:\\q.scr   /S   x ", "/S   x"},
      {"\"unterminated quote /s", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArgumentText(c.commandLine), c.argument) << c.commandLine;
  }
}

TEST(CommandLineTest, ModeTableComparesTheUpperCasedArgumentAsAWhole) {
  const struct {
    const char* argument;
    Mode mode;
  } cases[] = {
      {"/a", Mode::About},     {"-A", Mode::About},      {"/A", Mode::About},
      {"/s", Mode::Saver},     {"-s", Mode::Saver},      {"/S", Mode::Saver},
      {"", Mode::Settings},    {"/c", Mode::Settings},   {"-C", Mode::Settings},
      {"/P 123", Mode::None},  {"/p", Mode::None},       {"/C:123", Mode::None},
      {"/S x", Mode::None},    {"S", Mode::None},        {"//s", Mode::None},
      {"/ｓ", Mode::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ModeFromArgument(c.argument), c.mode) << c.argument;
  }
}

TEST(CommandLineTest, AnyLengthAndContentIsHandled) {
  std::string huge = "q.scr " + std::string(1 << 20, 'x');
  huge[500] = '\0';
  huge += "\xff\xfe\"\"";
  EXPECT_EQ(ModeFromArgument(ArgumentText(huge)), Mode::None);
}

}  // namespace
}  // namespace quillbay
