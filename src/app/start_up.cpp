#include "app/start_up.h"

#include "app/command_line.h"
#include "clock/form1.h"
#include "config/config_form.h"
#include "pickers/about_form.h"

namespace quillbay {

namespace {

// Shows a dialog modally with the clock's tick stopped, so that nothing of the clock runs
// behind it.
template <class Dialog>
void ShowWithTickStopped(Application& app, Form1& form) {
  form.Timer1.SetEnabled(false);
  Dialog dialog(app);
  dialog.ShowModal();
}

}  // namespace

bool DispatchMode(Application& app, Form1& form) {
  if (app.system.instance.AnotherCopyRunning()) app.system.windows.EndProgram();
  switch (ModeFromArgument(ArgumentText(app.system.program.CommandLine()))) {
    case Mode::About: ShowWithTickStopped<AboutForm>(app, form); break;
    case Mode::Settings: ShowWithTickStopped<ConfigForm>(app, form); break;
    case Mode::Saver: app.system.cursor.ShowCursor(false); return true;
    case Mode::None: break;
  }
  app.system.windows.EndProgram();
  return false;  // not reached: ending the program does not return
}

void RunProgram(Application& app) {
  Form1 form(app, [&app](Form1& loading) { return DispatchMode(app, loading); });
  form.Show();
  app.system.windows.RunMessageLoop();
}

}  // namespace quillbay
