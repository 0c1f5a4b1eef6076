#include "clock/form1.h"

#include "clock/clock_font.h"
#include "platform/ui/window_system.h"

namespace quillbay {

Form1::Form1(Application& app, ModeDispatch dispatch)
    : ui::Window(app.system.windows, "Form1"), app_(app), dispatch_(std::move(dispatch)) {
  SetCaption("Form1");
  SetBorder(ui::BorderStyle::None);
  SetState(ui::WindowState::Maximized);
  SetBackColor(ui::kBlack);
  SetKeyPreview(true);
  SetShowsProgramIcon(true);

  Timer1.SetInterval(1);
  Timer2.SetInterval(0);
  Timer1.onTick = [this] { OnTimer1Tick(); };
  Timer2.onTick = [this] { OnTimer2Tick(); };

  // The setup gives the labels their places, sizes and the stored font and colour.
  for (int index = 0; index < 4; ++index) {
    ui::Label& label = Label1.Add(index);
    label.SetFont({.face = kDefaultClockFontName, .points = 9});
    label.SetForeColor(ui::kWhite);
    label.SetTransparent(true);
    label.SetAlignment(index == 1 ? ui::Alignment::Left : ui::Alignment::Center);
    label.SetCaption("Label1");
    label.SetAutoSize(true);
    label.onClick = [this, index] { OnLabel1Click(index); };
  }

  onKeyDown = [this](int keyCode) { OnKeyDown(keyCode); };
  onClick = [this] { OnClick(); };
}

void Form1::OnLoad() {
  if (dispatch_(*this)) Setup();
}

// Only the saver ever closes this window, and the saver hid the cursor when it started.
void Form1::OnUnload() {
  app_.system.cursor.ShowCursor(true);
  System().EndProgram();
}

void Form1::OnKeyDown(int /*keyCode*/) {
  Unload();
}

void Form1::OnClick() {
  Unload();
}

void Form1::OnLabel1Click(int /*index*/) {
  Unload();
}

}  // namespace quillbay
