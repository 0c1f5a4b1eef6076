#include "pickers/get_rgb_color_form.h"

#include "platform/ui/layout.h"

namespace quillbay {

namespace {

constexpr int kOk = 0;
constexpr int kCancel = 1;

}  // namespace

GetRGBColorForm::GetRGBColorForm(Application& app)
    : ui::Window(app.system.windows, "GetRGBColorForm"), app_(app) {
  SetCaption("色の指定");
  SetClientBounds({2265, 2415, 3285, 2670});
  SetBorder(ui::BorderStyle::FixedSingle);

  Shape1.SetBounds({120, 120, 3015, 735});
  Shape1.SetFillColor(ui::kBlack);

  struct Part {
    const char* caption;
    double labelTop;
    double barTop;
  };
  constexpr Part kParts[] = {{"赤", 990, 960}, {"緑", 1365, 1320}, {"青", 1710, 1680}};
  for (int index = 0; index < 3; ++index) {
    ui::Label& label = Label1.Add(index);
    label.SetBounds({120, kParts[index].labelTop, 180, 180});
    label.SetCaption(kParts[index].caption);
    label.SetAutoSize(true);
    label.SetTabIndex(3 + index);

    ui::HScrollBar& bar = HScroll1.Add(index);
    bar.SetBounds({360, kParts[index].barTop, 2775, 255});
    bar.SetRange(0, 255, 10, 30);
    bar.SetTabIndex(index);
    bar.onChange = [this, index] { OnHScroll1Change(index); };
  }

  Line1.SetLine({120, 2040}, {3120, 2040}, ui::kWhite);

  ui::CommandButton& ok = Command1.Add(kOk);
  Lay(ok, "OK", {240, 2160, 1335, 375}, 6);
  ui::CommandButton& cancel = Command1.Add(kCancel);
  Lay(cancel, "ｷｬﾝｾﾙ", {1680, 2160, 1335, 375}, 7);
  Command1.ForEach([this](int index, ui::CommandButton& button) {
    button.onClick = [this, index] { OnCommand1Click(index); };
  });
}

void GetRGBColorForm::OnLoad() {
  HScroll1[0].SetFocus();
}

// Every bar shares one mixing routine: whichever moved, the swatch shows all three parts.
void GetRGBColorForm::OnHScroll1Change(int /*index*/) {
  Shape1.SetFillColor(ui::Rgb(HScroll1[0].Value(), HScroll1[1].Value(), HScroll1[2].Value()));
}

void GetRGBColorForm::OnCommand1Click(int index) {
  if (index == kOk) {
    app_.ColorCanceled = 0;
    app_.SelectedColor = Shape1.FillColor();
  } else {
    app_.ColorCanceled = -1;
  }
  Unload();
}

}  // namespace quillbay
