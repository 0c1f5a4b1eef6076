#include "platform/win32/window_painting.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/line.h"
#include "platform/ui/shape.h"
#include "platform/win32/canvas.h"
#include "platform/win32/wide_text.h"

namespace quillbay::win32 {

namespace {

RECT TextArea(const ui::TextDrawing& text, WindowResources& resources) {
  const std::wstring wide = Widen(text.text);
  const POINT at = resources.scale.ToPixels(text.at);
  SIZE size{};
  if (!wide.empty()) {
    ScreenDc screen;
    SelectedObject font(screen.Get(), resources.fonts.Get(text.font));
    GetTextExtentPoint32W(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  }
  // Letters may stand out a little beyond their advance (overhang, smoothing).
  const LONG margin = size.cy / 4 + 2;
  return {at.x - margin, at.y, at.x + size.cx + margin, at.y + size.cy};
}

void PaintText(HDC dc, const ui::TextDrawing& text, WindowResources& resources) {
  if (text.text.empty()) return;
  const std::wstring wide = Widen(text.text);
  const POINT at = resources.scale.ToPixels(text.at);
  SelectedObject font(dc, resources.fonts.Get(text.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(text.color));
  TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
}

struct CircleInPixels {
  POINT centre;
  int radiusX;
  int radiusY;
};

CircleInPixels ToPixels(const ui::CircleDrawing& circle, const WindowResources& resources) {
  return {resources.scale.ToPixels(circle.centre),
          std::abs(resources.scale.ToPixelsX(circle.radius)),
          std::abs(resources.scale.ToPixelsY(circle.radius))};
}

RECT CircleArea(const ui::CircleDrawing& circle, const WindowResources& resources) {
  const CircleInPixels c = ToPixels(circle, resources);
  return {c.centre.x - c.radiusX - 1, c.centre.y - c.radiusY - 1, c.centre.x + c.radiusX + 2,
          c.centre.y + c.radiusY + 2};
}

void PaintCircle(HDC dc, const ui::CircleDrawing& circle, const WindowResources& resources) {
  const CircleInPixels c = ToPixels(circle, resources);
  PenHandle pen(CreatePen(PS_SOLID, 1, ToColorRef(circle.color)));
  SelectedObject selectedPen(dc, pen.Get());
  SelectedObject noFill(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, c.centre.x - c.radiusX, c.centre.y - c.radiusY, c.centre.x + c.radiusX + 1,
          c.centre.y + c.radiusY + 1);
}

void PaintLabel(HDC dc, const ui::Label& label, WindowResources& resources) {
  RECT area = resources.scale.ToPixels(label.WindowBounds());
  const std::wstring caption = Widen(label.Caption());
  SelectedObject font(dc, resources.fonts.Get(label.GetFont()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(label.ForeColor()));
  const UINT alignment = label.Align() == ui::Alignment::Center ? DT_CENTER : DT_LEFT;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
            DT_SINGLELINE | DT_NOPREFIX | alignment);
}

void PaintShape(HDC dc, const ui::Shape& shape, WindowResources& resources) {
  const RECT area = resources.scale.ToPixels(shape.WindowBounds());
  BrushHandle fill(CreateSolidBrush(ToColorRef(shape.FillColor())));
  FillRect(dc, &area, fill.Get());
  FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void PaintLine(HDC dc, const ui::Line& line, WindowResources& resources) {
  const POINT from = resources.scale.ToPixels(line.From());
  const POINT to = resources.scale.ToPixels(line.To());
  const COLORREF color = ToColorRef(line.LineColor());
  PenHandle pen(CreatePen(PS_SOLID, 1, color));
  SelectedObject selectedPen(dc, pen.Get());
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  SetPixelV(dc, to.x, to.y, color);  // a line includes its end point
}

void PaintImage(HDC dc, const ui::Image& image, WindowResources& resources) {
  if (!image.ShowsProgramIcon()) return;
  const RECT area = resources.scale.ToPixels(image.WindowBounds());
  DrawIconEx(dc, area.left, area.top, resources.PictureIcon(), 0, 0, 0, nullptr, DI_NORMAL);
}

}  // namespace

RECT DrawingArea(const ui::Drawing& drawing, WindowResources& resources) {
  if (const auto* text = std::get_if<ui::TextDrawing>(&drawing)) {
    return TextArea(*text, resources);
  }
  return CircleArea(std::get<ui::CircleDrawing>(drawing), resources);
}

void PaintDrawing(HDC dc, const ui::Drawing& drawing, WindowResources& resources) {
  if (const auto* text = std::get_if<ui::TextDrawing>(&drawing)) {
    PaintText(dc, *text, resources);
  } else {
    PaintCircle(dc, std::get<ui::CircleDrawing>(drawing), resources);
  }
}

RECT WindowlessArea(const ui::Control& control, const WindowResources& resources) {
  const TwipsScale& scale = resources.scale;
  if (control.Kind() == ui::ControlKind::Line) {
    const auto& line = static_cast<const ui::Line&>(control);
    const POINT from = scale.ToPixels(line.From());
    const POINT to = scale.ToPixels(line.To());
    return {std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
            std::max(from.y, to.y) + 1};
  }
  RECT area = scale.ToPixels(control.WindowBounds());
  if (control.Kind() == ui::ControlKind::Image) {
    // The icon keeps its own size whatever the control's.
    area.right = std::max<LONG>(area.right, area.left + GetSystemMetrics(SM_CXICON));
    area.bottom = std::max<LONG>(area.bottom, area.top + GetSystemMetrics(SM_CYICON));
  }
  return area;
}

void PaintWindowless(HDC dc, const ui::Control& control, WindowResources& resources) {
  switch (control.Kind()) {
    case ui::ControlKind::Label:
      PaintLabel(dc, static_cast<const ui::Label&>(control), resources);
      break;
    case ui::ControlKind::Shape:
      PaintShape(dc, static_cast<const ui::Shape&>(control), resources);
      break;
    case ui::ControlKind::Line:
      PaintLine(dc, static_cast<const ui::Line&>(control), resources);
      break;
    case ui::ControlKind::Image:
      PaintImage(dc, static_cast<const ui::Image&>(control), resources);
      break;
    default:
      break;
  }
}

}  // namespace quillbay::win32
