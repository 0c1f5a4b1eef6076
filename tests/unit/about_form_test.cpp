#include "pickers/about_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "pickers/random_stirring.h"
#include "platform/headless/headless_machine.h"

namespace quillbay {
namespace {

struct AboutBoxTest : testing::Test {
  headless::HeadlessMachine m;
  Application app{m.system};

  // Opens the box modally; `use` acts as the user while it is open.
  void Open(std::function<void(AboutForm&)> use) {
    m.windows.WhenShown("AboutForm",
                        [use](ui::Window& window) { use(static_cast<AboutForm&>(window)); });
    AboutForm form(app);
    form.ShowModal();
  }
};

TEST_F(AboutBoxTest, ShowsTheIconTheVersionAndTheNoticeWithTheFaceHidden) {
  m.clock.SetTime(12, 0, 0);  // a fresh run at this time keeps the face hidden
  Open([](AboutForm& form) {
    EXPECT_EQ(form.Caption(), "バージョン情報");
    EXPECT_EQ(form.Label1[0].Caption(), "Velmora Ver.0.80");
    EXPECT_EQ(form.Label1[0].Bounds().width, 1200);
    EXPECT_FALSE(form.Label1[1].Caption().empty());
    EXPECT_TRUE(form.Image1.ShowsProgramIcon());
    EXPECT_TRUE(form.Command1.HasFocus());
    EXPECT_FALSE(form.Label2.Visible());
    EXPECT_EQ(form.Label2.Caption(), "(^_^)");
    EXPECT_EQ(form.Label2.GetFont(), (ui::Font{"FixedSys", 13.5, 400, ui::kShiftJisCharset}));
    EXPECT_TRUE(form.Timer1.Running());
    EXPECT_EQ(form.Timer1.Interval(), 1);
    form.Command1.Click();
    EXPECT_FALSE(form.IsOpen());
  });
}

TEST_F(AboutBoxTest, LoadingStirsByTheTimeOfDayThenDrawsForTheFace) {
  const struct {
    int hour, minute, second, millisecond;
    int stirDraws;
  } cases[] = {
      {12, 34, 56, 230, 2 * 24},  // 45296.23
      {12, 34, 56, 500, 2},       // 45296.5
      {12, 34, 56, 0, 2 * 97},    // 45296
      {0, 0, 0, 0, 2},            // 0
      {23, 59, 59, 999, 200},     // 86399.99
  };
  for (const auto& c : cases) {
    Application run(m.system);
    m.clock.now = {2024, 5, 6, c.hour, c.minute, c.second, c.millisecond};
    AboutForm form(run);
    form.Load();
    const int faceDraws = form.Label2.Visible() ? 2 : 1;

    Random expected;
    for (int draw = 0; draw < c.stirDraws + faceDraws; ++draw) expected.Next();
    EXPECT_EQ(run.random.Next(), expected.Next()) << c.hour << ":" << c.minute << ":" << c.second;
  }
}

TEST_F(AboutBoxTest, TheFaceShowsOnAboutOneOpeningInTenAndSleepsOnThreeInTenOfThose) {
  int shown = 0;
  int sleepy = 0;
  constexpr int kOpenings = 2000;
  for (int opening = 0; opening < kOpenings; ++opening) {
    m.clock.now = {
        2024, 5, 6, opening % 24, opening * 7 % 60, opening * 13 % 60, opening * 370 % 1000};
    Open([&](AboutForm& form) {
      if (!form.Label2.Visible()) return;
      ++shown;
      if (form.Label2.Caption() == "(-_-)") ++sleepy;
    });
  }
  EXPECT_GT(shown, kOpenings * 0.07);
  EXPECT_LT(shown, kOpenings * 0.13);
  EXPECT_GT(sleepy, shown * 0.2);
  EXPECT_LT(sleepy, shown * 0.4);
}

TEST_F(AboutBoxTest, TheFaceStartsUpAndLeftAndBouncesWithinOneStepOfTheClientArea) {
  for (int opening = 0; opening < 3; ++opening) {
    Open([](AboutForm& form) {
      EXPECT_EQ(form.FaceStepX, 0);
      EXPECT_EQ(form.FaceStepY, 0);
      const ui::Rect start = form.Label2.Bounds();
      form.Timer1.Tick();
      EXPECT_GE(form.FaceStepX, -100);
      EXPECT_LT(form.FaceStepX, -50);
      EXPECT_GE(form.FaceStepY, -100);
      EXPECT_LT(form.FaceStepY, -50);
      EXPECT_EQ(form.Label2.Bounds().left, start.left + form.FaceStepX);
      EXPECT_EQ(form.Label2.Bounds().top, start.top + form.FaceStepY);

      const double stepX = std::abs(form.FaceStepX);
      const double stepY = std::abs(form.FaceStepY);
      const double width = form.ClientBounds().width;
      const double height = form.ClientBounds().height;
      int turnsX = 0;
      int turnsY = 0;
      for (int tick = 0; tick < 5000; ++tick) {
        const double lastX = form.FaceStepX;
        const double lastY = form.FaceStepY;
        form.Timer1.Tick();
        const ui::Rect& face = form.Label2.Bounds();
        ASSERT_GE(face.left, -stepX);
        ASSERT_LE(face.Right(), width + stepX);
        ASSERT_GE(face.top, -stepY);
        ASSERT_LE(face.Bottom(), height + stepY);
        ASSERT_EQ(face.width, start.width);
        if (form.FaceStepX != lastX) ++turnsX;
        if (form.FaceStepY != lastY) ++turnsY;
      }
      EXPECT_GT(turnsX, 20);
      EXPECT_GT(turnsY, 20);
    });
  }
}

}  // namespace
}  // namespace quillbay
