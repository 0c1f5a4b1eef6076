#pragma once

#include "platform/ui/color.h"
#include "platform/ui/control.h"
#include "platform/ui/font.h"

namespace quillbay::ui {

enum class Alignment { Left, Center };

// A text label. With size-to-text on, every change of caption or font keeps the left and top
// edges and takes the width and height the text needs.
class Label : public Control {
 public:
  Label(Window& owner, std::string name, int index = kNoIndex)
      : Control(owner, ControlKind::Label, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  void SetFontSize(double points);
  void SetFontFace(std::string face);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);
  Alignment Align() const { return alignment_; }
  void SetAlignment(Alignment alignment) { alignment_ = alignment; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  std::function<void()> onClick;
  void Click() { Fire(onClick); }

 private:
  void SizeToText();

  std::string caption_;
  Font font_;
  Color foreColor_ = kBlack;
  Alignment alignment_ = Alignment::Left;
  bool transparent_ = false;
  bool autoSize_ = false;
};

}  // namespace quillbay::ui
