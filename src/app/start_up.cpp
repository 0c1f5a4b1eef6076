#include "app/start_up.h"

#include "app/command_line.h"
#include "clock/form1.h"
#include "config/config_form.h"
#include "pickers/about_form.h"

namespace quillbay {

namespace {

// Shows a dialog modally with the clock's tick stopped behind it, then ends the program.
template <class Dialog>
[[noreturn]] void ShowAndEnd(Application& app, Form1& form) {
  form.Timer1.SetEnabled(false);
  {
    Dialog dialog(app);
    dialog.ShowModal();
  }
  app.system.windows.EndProgram();
}

}  // namespace

bool DispatchMode(Application& app, Form1& form) {
  if (app.system.instance.AnotherCopyRunning()) app.system.windows.EndProgram();
  switch (ModeFromArgument(ArgumentText(app.system.program.CommandLine()))) {
    case Mode::About: ShowAndEnd<AboutForm>(app, form);
    case Mode::Settings: ShowAndEnd<ConfigForm>(app, form);
    case Mode::Saver: app.system.cursor.ShowCursor(false); return true;
    case Mode::None: break;
  }
  app.system.windows.EndProgram();
}

void RunProgram(Application& app) {
  Form1 form(app, [&app](Form1& loading) { return DispatchMode(app, loading); });
  form.Show();
  app.system.windows.RunMessageLoop();
}

}  // namespace quillbay
