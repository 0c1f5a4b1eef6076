#include "pickers/about_form.h"

#include "pickers/random_stirring.h"
#include "platform/ui/layout.h"

namespace quillbay {

namespace {

constexpr double kFaceChance = 0.1;
constexpr double kSleepyFaceChance = 0.3;

// A new step: from -100 up to, not including, -50 twips, so the face first travels up and left.
double NewFaceStep(Random& random) {
  return -100 + random.Next() * 50.0;
}

}  // namespace

AboutForm::AboutForm(Application& app) : ui::Window(app.system.windows, "AboutForm"), app_(app) {
  SetCaption("バージョン情報");
  SetClientBounds({2010, 1905, 3390, 1470});
  SetBorder(ui::BorderStyle::FixedDialog);

  Image1.SetBounds({120, 120, 495, 495});

  ui::Label& version = Label1.Add(0);
  version.SetBounds({600, 120, 1200, 180});
  version.SetCaption("Velmora Ver.0.80");
  version.SetTabIndex(1);
  ui::Label& rights = Label1.Add(1);
  rights.SetBounds({720, 360, 2415, 180});
  rights.SetCaption("(C) Quillbay contributors");
  rights.SetAutoSize(true);
  rights.SetTabIndex(2);

  Lay(Command1, "ＯＫ", {2040, 960, 1215, 375}, 0);
  Command1.onClick = [this] { OnCommand1Click(); };

  Label2.SetBounds({720, 1080, 600, 270});
  Label2.SetFont({"FixedSys", 13.5, 400, ui::kShiftJisCharset});
  Label2.SetCaption("(^_^)");
  Label2.SetAutoSize(true);
  Label2.SetTransparent(true);
  Label2.SetVisible(false);
  Label2.SetTabIndex(3);

  Timer1.SetInterval(1);
  Timer1.onTick = [this] { OnTimer1Tick(); };
}

void AboutForm::OnLoad() {
  // Every run starts the shared sequence at the same place; the time of day varies which
  // openings show the face.
  StirRandom(app_.random, SecondsSinceMidnight(app_.system.clock.Now()));
  ShowFaceByChance();
  Image1.ShowProgramIcon();
  Command1.SetFocus();
}

void AboutForm::ShowFaceByChance() {
  if (app_.random.Next() >= kFaceChance) return;
  Label2.SetVisible(true);
  if (app_.random.Next() < kSleepyFaceChance) Label2.SetCaption("(-_-)");
}

void AboutForm::OnCommand1Click() {
  Unload();
}

// The edges are tested after the move, so the face may cross one by up to a step before it
// turns back.
void AboutForm::OnTimer1Tick() {
  if (FaceStepX == 0) FaceStepX = NewFaceStep(app_.random);
  if (FaceStepY == 0) FaceStepY = NewFaceStep(app_.random);
  const ui::Rect& start = Label2.Bounds();
  Label2.Move(start.left + FaceStepX, start.top + FaceStepY);

  const ui::Rect& face = Label2.Bounds();
  const ui::Rect& client = ClientBounds();
  if (face.top < 0 || face.Bottom() > client.height) FaceStepY = -FaceStepY;
  if (face.left < 0 || face.Right() > client.width) FaceStepX = -FaceStepX;
}

}  // namespace quillbay
