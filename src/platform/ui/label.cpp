#include "platform/ui/label.h"

#include "platform/ui/window.h"
#include "platform/ui/window_system.h"

namespace quillbay::ui {

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Notify(Change::Caption);
  SizeToText();
}

void Label::SetFont(const Font& font) {
  font_ = font;
  Notify(Change::Font);
  SizeToText();
}

void Label::SetFontSize(double points) {
  Font font = font_;
  font.points = points;
  SetFont(font);
}

void Label::SetFontFace(std::string face) {
  Font font = font_;
  font.face = std::move(face);
  SetFont(font);
}

void Label::SetForeColor(Color color) {
  foreColor_ = color;
  Notify(Change::ForeColor);
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  SizeToText();
}

void Label::SizeToText() {
  if (!autoSize_) return;
  const Size size = Owner().System().MeasureText(font_, caption_);
  Rect bounds = Bounds();
  if (bounds.width == size.width && bounds.height == size.height) return;
  bounds.width = size.width;
  bounds.height = size.height;
  SetBounds(bounds);
}

}  // namespace quillbay::ui
