#include "pickers/set_file_name.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

using ui::MessageBoxResult;

// The headless window system with a hook that runs while a message box is up, as the user
// inserting a medium before answering.
class WindowsWithBoxHook : public headless::HeadlessWindowSystem {
 public:
  std::function<void()> whileBoxShows;

  MessageBoxResult MessageBox(std::string_view text, ui::MessageBoxButtons buttons,
                              std::string_view title) override {
    if (whileBoxShows) whileBoxShows();
    return HeadlessWindowSystem::MessageBox(text, buttons, title);
  }
};

struct FilePickerTest : testing::Test {
  headless::HeadlessMachine m;
  WindowsWithBoxHook windows;
  System system{windows, m.store,    m.clock,       m.cursor, m.sound,  m.fonts,
                m.files, m.instance, m.hostWindows, m.help,   m.program};
  Application app{system};

  FilePickerTest() {
    m.files.AddFile("c:\\chime.wav");
    m.files.AddFile("c:\\notes.txt");
    m.files.AddFile("c:\\sounds\\bell.wav");
    m.files.AddFile("c:\\sounds\\GONG.WAV");
    m.files.AddFile("c:\\sounds\\readme.txt");
    m.files.AddFile("c:\\sounds\\bell.wav.bak");
    m.files.AddDrive("d:", "cdrom", kDeviceUnavailable);
    m.files.AddFile("d:\\track.wav");
    m.files.AddDrive("e:", "", kPathNotFound);
  }

  // Opens the picker modally; `use` acts as the user while it is open.
  void Pick(std::function<void(SetFileName&)> use) {
    windows.WhenShown("SetFileName",
                      [use](ui::Window& window) { use(static_cast<SetFileName&>(window)); });
    SetFileName form(app);
    form.ShowModal();
  }
};

// The user double-clicks the directory entry with this text.
void OpenDirectory(SetFileName& form, const std::string& text) {
  const auto& entries = form.Dir1.Entries();
  for (int position = 0; position < static_cast<int>(entries.size()); ++position) {
    if (entries[position].text == text) return form.Dir1.Open(position);
  }
  FAIL() << "no directory entry " << text;
}

TEST_F(FilePickerTest, OpensAtTheCurrentDirectoryListingOnlyWavFiles) {
  Pick([](SetFileName& form) {
    EXPECT_EQ(form.Caption(), "参照");
    EXPECT_TRUE(form.Drive1.HasFocus());
    EXPECT_EQ(form.Drive1.Drive(), "c:");
    EXPECT_EQ(form.Dir1.Path(), "c:\\");
    EXPECT_EQ(form.File1.Items(), std::vector<std::string>{"chime.wav"});

    OpenDirectory(form, "sounds");
    EXPECT_EQ(form.File1.Path(), "c:\\sounds");
    EXPECT_EQ(form.File1.Items(), (std::vector<std::string>{"bell.wav", "GONG.WAV"}));
  });
}

TEST_F(FilePickerTest, OkAndDoubleClickHandBackThePathWithoutADoubledSeparator) {
  const struct {
    const char* directory;  // opened by the user; empty for the start directory
    int position;
    bool doubleClick;
    const char* path;
  } cases[] = {{"", 0, false, "c:\\chime.wav"},
               {"", 0, true, "c:\\chime.wav"},
               {"sounds", 1, false, "c:\\sounds\\GONG.WAV"},
               {"sounds", 0, true, "c:\\sounds\\bell.wav"}};
  for (const auto& c : cases) {
    app.SelectedFileName = "earlier";
    Pick([&c](SetFileName& form) {
      if (*c.directory) OpenDirectory(form, c.directory);
      if (c.doubleClick) {
        form.File1.DoubleClick(c.position);
      } else {
        form.File1.Select(c.position);
        form.Command1[0].Click();
      }
      EXPECT_FALSE(form.IsOpen());
    });
    EXPECT_EQ(app.SelectedFileName, c.path);
  }
  EXPECT_EQ(windows.Beeps(), 0);
}

TEST_F(FilePickerTest, CancelEmptiesTheNameEvenWithAFileSelected) {
  app.SelectedFileName = "c:\\earlier.wav";
  Pick([](SetFileName& form) {
    form.File1.Select(0);
    form.Command1[1].Click();
    EXPECT_FALSE(form.IsOpen());
  });
  EXPECT_EQ(app.SelectedFileName, "");
}

TEST_F(FilePickerTest, OkOrDoubleClickWithoutASelectedFileBeepsAndStaysOpen) {
  app.SelectedFileName = "c:\\earlier.wav";
  Pick([this](SetFileName& form) {
    form.Command1[0].Click();
    form.File1.DoubleClick(ui::kNoSelection);
    EXPECT_TRUE(form.IsOpen());
    EXPECT_EQ(windows.Beeps(), 2);
    form.File1.Select(0);
    OpenDirectory(form, "sounds");  // a new directory drops the selection
    form.Command1[0].Click();
    EXPECT_TRUE(form.IsOpen());
    EXPECT_EQ(windows.Beeps(), 3);
  });
  EXPECT_EQ(app.SelectedFileName, "c:\\earlier.wav");
}

TEST_F(FilePickerTest, TestPlayPlaysTheSelectedFileOrTheDirectoryAndStaysOpen) {
  Pick([this](SetFileName& form) {
    OpenDirectory(form, "sounds");
    form.Command2.Click();
    form.File1.Select(0);
    form.Command2.Click();
    EXPECT_TRUE(form.IsOpen());
  });
  const std::vector<headless::SoundPlay> expected = {{"c:\\sounds\\", Play::Async},
                                                     {"c:\\sounds\\bell.wav", Play::Async}};
  EXPECT_EQ(m.sound.plays, expected);
}

TEST_F(FilePickerTest, ADriveThatIsNotReadyOffersRetryAndCancelReturnsToTheShownDrive) {
  m.files.SetCurrentDirectory("c:\\sounds");
  windows.AnswerMessageBoxes(
      {MessageBoxResult::Retry, MessageBoxResult::Retry, MessageBoxResult::Cancel});
  Pick([](SetFileName& form) {
    form.Drive1.Select(1);
    EXPECT_EQ(form.Drive1.Drive(), "c:");
    EXPECT_EQ(form.Dir1.Path(), "c:\\sounds");
    EXPECT_EQ(form.File1.Items(), (std::vector<std::string>{"bell.wav", "GONG.WAV"}));
  });
  ASSERT_EQ(windows.MessageBoxes().size(), 3u);
  for (const headless::MessageBoxCall& box : windows.MessageBoxes()) {
    EXPECT_EQ(box.text, "デバイスの準備が出来ていません。");
    EXPECT_EQ(box.buttons, ui::MessageBoxButtons::RetryCancel);
    EXPECT_EQ(box.title, kProgramTitle);
  }
}

TEST_F(FilePickerTest, RetryAfterTheMediumIsInsertedOpensTheDrive) {
  windows.whileBoxShows = [this] { m.files.SetDriveError("d:", kFileOk); };
  windows.AnswerMessageBoxes({MessageBoxResult::Retry});
  Pick([](SetFileName& form) {
    form.Drive1.Select(1);
    EXPECT_EQ(form.Drive1.Drive(), "d: [cdrom]");
    EXPECT_EQ(form.Dir1.Path(), "d:\\");
    EXPECT_EQ(form.File1.Items(), std::vector<std::string>{"track.wav"});
    form.File1.DoubleClick(0);
  });
  EXPECT_EQ(windows.MessageBoxes().size(), 1u);
  EXPECT_EQ(app.SelectedFileName, "d:\\track.wav");
}

TEST_F(FilePickerTest, AnyOtherDriveErrorIsReportedWithItsCodeAndTheListsStay) {
  Pick([](SetFileName& form) {
    form.Drive1.Select(2);
    EXPECT_EQ(form.Drive1.Drive(), "e:");
    EXPECT_EQ(form.Dir1.Path(), "c:\\");
    EXPECT_EQ(form.File1.Items(), std::vector<std::string>{"chime.wav"});
  });
  ASSERT_EQ(windows.MessageBoxes().size(), 1u);
  EXPECT_EQ(windows.MessageBoxes()[0].text, "Error Private Sub Drive1_Change 76");
  EXPECT_EQ(windows.MessageBoxes()[0].buttons, ui::MessageBoxButtons::Ok);
  EXPECT_EQ(windows.MessageBoxes()[0].title, kProgramTitle);
}

TEST_F(FilePickerTest, ListsADirectoryOfTenThousandFiles) {
  for (int i = 0; i < 10000; ++i) m.files.AddFile("c:\\many\\sound" + std::to_string(i) + ".wav");
  Pick([](SetFileName& form) {
    OpenDirectory(form, "many");
    ASSERT_EQ(form.File1.Items().size(), 10000u);
    EXPECT_EQ(form.File1.Items().front(), "sound0.wav");
    form.File1.Select(9999);
    form.Command1[0].Click();
  });
  EXPECT_EQ(app.SelectedFileName, "c:\\many\\sound9999.wav");
}

}  // namespace
}  // namespace quillbay
