#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/frame.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/line.h"
#include "platform/ui/shape.h"
#include "window_test_support.h"

namespace quillbay::win32 {
namespace {

using namespace test_support;

constexpr COLORREF kScreenBlack = RGB(0, 0, 0);
constexpr COLORREF kScreenWhite = RGB(255, 255, 255);
constexpr COLORREF kScreenRed = RGB(255, 0, 0);
constexpr COLORREF kScreenGreen = RGB(0, 255, 0);
constexpr COLORREF kScreenBlue = RGB(0, 0, 255);

// Laid out as the clock lays out its time: a borderless window over the whole screen, black,
// with a white transparent label centred across the full width.
struct ClockLikeWindow : ui::Window {
  explicit ClockLikeWindow(ui::WindowSystem& system) : ui::Window(system, "Form1") {
    SetCaption("Form1");
    SetBorder(ui::BorderStyle::None);
    SetState(ui::WindowState::Maximized);
    SetBackColor(ui::kBlack);
    SetKeyPreview(true);
    time.SetForeColor(ui::kWhite);
    time.SetTransparent(true);
    time.SetAlignment(ui::Alignment::Center);
    time.SetAutoSize(true);
    time.SetFont({"", 40});
    time.SetCaption("12:34");
    time.SetAutoSize(false);
    time.Move(0, 1500);
    time.SetWidth(system.ScreenSize().width);
  }

  ui::Label time{*this, "Label1", 0};
};

// The pixels the label covers on the screen.
RECT LabelPixels(const ui::Label& label) {
  const ui::Rect& twips = label.WindowBounds();
  return {static_cast<LONG>(twips.left / 15), static_cast<LONG>(twips.top / 15),
          static_cast<LONG>(twips.Right() / 15), static_cast<LONG>(twips.Bottom() / 15)};
}

class ClockLikeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dotsPerInch, 96) << "the pixel figures below are for 15 twips per pixel";
    clock.Show();
    window = HandleOf(system, clock);
    ASSERT_NE(window, nullptr);
  }

  Win32WindowSystem system;
  ClockLikeWindow clock{system};
  HWND window = nullptr;
};

TEST_F(ClockLikeWindowTest, CoversTheWholeScreenWithoutFrameOrChildWindows) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 0);
  EXPECT_EQ(outer.top, 0);
  EXPECT_EQ(outer.right, width);
  EXPECT_EQ(outer.bottom, height);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), 0);
  EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr);  // the labels are painted
  EXPECT_DOUBLE_EQ(system.ScreenSize().width, 15.0 * width);
  EXPECT_DOUBLE_EQ(system.ScreenSize().height, 15.0 * height);
  EXPECT_EQ(GetForegroundWindow(), window);

  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  system.MakeTopmost(clock);
  EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(ClockLikeWindowTest, PaintsTheLabelCentredInItsColourOverTheBackground) {
  const RECT label = LabelPixels(clock.time);
  ASSERT_GT(label.bottom - label.top, 30);
  EXPECT_EQ(ScreenPixel(window, 5, 5), kScreenBlack);

  const std::vector<COLORREF> pixels = ScreenPixels(window, label);
  const int width = label.right - label.left;
  int leftmost = width, rightmost = -1, white = 0;
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (pixels[i] != kScreenWhite) continue;
    ++white;
    leftmost = std::min(leftmost, static_cast<int>(i % width));
    rightmost = std::max(rightmost, static_cast<int>(i % width));
  }
  EXPECT_GT(white, 100);
  EXPECT_NEAR(leftmost + rightmost, width, 8);  // the text stands in the middle
  RECT below = label;
  OffsetRect(&below, 0, label.bottom - label.top);
  EXPECT_EQ(CountPixels(window, below, kScreenWhite), 0);

  clock.time.SetVisible(false);
  PumpFor(system, kPaintSettles);
  EXPECT_EQ(CountPixels(window, label, kScreenWhite), 0);
}

TEST_F(ClockLikeWindowTest, DrawingsAppearAndGoWithClearingAndANewBackground) {
  const RECT label = LabelPixels(clock.time);
  clock.SetDrawFontSize(30);
  clock.SetDrawColor(ui::Rgb(0, 255, 0));
  clock.SetDrawPosition({1500, 9000});  // (100, 600)
  clock.DrawText("■■■■");
  clock.DrawCircle({18000, 9000}, 1500, ui::Rgb(0, 0, 255));  // centre (1200, 600), radius 100
  PumpFor(system, kPaintSettles);
  const RECT text{100, 600, 400, 650};
  EXPECT_GT(CountPixels(window, text, kScreenGreen), 500);
  EXPECT_EQ(ScreenPixel(window, 1200, 500), kScreenBlue);   // on the outline
  EXPECT_EQ(ScreenPixel(window, 1200, 600), kScreenBlack);  // outline only

  clock.ClearDrawings();
  PumpFor(system, kPaintSettles);
  EXPECT_EQ(CountPixels(window, text, kScreenGreen), 0);
  EXPECT_EQ(ScreenPixel(window, 1200, 500), kScreenBlack);
  EXPECT_GT(CountPixels(window, label, kScreenWhite), 100);  // the labels stay

  clock.DrawText("■■■■");
  clock.SetBackColor(ui::Rgb(255, 0, 0));
  PumpFor(system, kPaintSettles);
  EXPECT_EQ(ScreenPixel(window, 5, 5), kScreenRed);
  EXPECT_EQ(CountPixels(window, text, kScreenGreen), 0);
  EXPECT_GT(CountPixels(window, label, kScreenWhite), 100);
}

TEST_F(ClockLikeWindowTest, ACaptionChangeRepaintsTheLabel) {
  const RECT label = LabelPixels(clock.time);
  const int before = CountPixels(window, label, kScreenWhite);
  clock.time.SetCaption("1");
  PumpFor(system, kPaintSettles);
  const int after = CountPixels(window, label, kScreenWhite);
  EXPECT_GT(after, 0);
  EXPECT_LT(after * 2, before);
}

TEST_F(ClockLikeWindowTest, ClicksOnALabelAreTheLabelsAndElsewhereTheWindows) {
  int labelClicks = 0, windowClicks = 0;
  clock.time.onClick = [&] { ++labelClicks; };
  clock.onClick = [&] { ++windowClicks; };
  const RECT label = LabelPixels(clock.time);
  const LPARAM onLabel = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
  EXPECT_EQ(labelClicks, 1);
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(windowClicks, 1);
  clock.time.SetVisible(false);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
  EXPECT_EQ(labelClicks, 1);
  EXPECT_EQ(windowClicks, 2);
}

TEST_F(ClockLikeWindowTest, AnyKeyReachesTheWindow) {
  std::vector<int> keys;
  clock.onKeyDown = [&](int key) { keys.push_back(key); };
  PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  PostMessageW(window, WM_KEYDOWN, VK_TAB, 0);      // no dialog navigation eats it
  PostMessageW(window, WM_SYSKEYDOWN, VK_MENU, 0);  // nor the Alt key
  PumpFor(system, kPaintSettles);
  EXPECT_EQ(keys, (std::vector<int>{VK_SPACE, VK_TAB, VK_MENU}));
}

// The settings dialogs' swatches sit in frames; the window paints them through the frame.
struct SwatchDialog : ui::Window {
  explicit SwatchDialog(ui::WindowSystem& system) : ui::Window(system, "Config2Form") {
    SetCaption("表示色関連の設定");
    SetClientBounds({1905, 2100, 4080, 3015});
    frame.SetCaption("背景色");
    frame.SetBounds({240, 480, 3615, 1695});
    swatch.PlaceIn(frame);
    swatch.SetBounds({960, 840, 1575, 255});
    swatch.SetFillColor(ui::Rgb(0, 0, 255));
    rule.SetLine({120, 2400}, {3960, 2400}, ui::kWhite);
    name.SetCaption("文字色");
    name.SetBounds({240, 120, 735, 255});
    name.SetForeColor(ui::Rgb(255, 0, 0));
    icon.SetBounds({2880, 2520, 495, 495});
  }

  ui::Frame frame{*this, "Frame1"};
  ui::Shape swatch{*this, "Shape2", 0};
  ui::Line rule{*this, "Line1"};
  ui::Label name{*this, "Label1", 0};
  ui::Image icon{*this, "Image1"};
};

TEST(WindowPaintingTest, ShapesLinesIconsAndLabelsOfADialog) {
  Win32WindowSystem system;
  SwatchDialog dialog(system);
  dialog.Show();
  HWND window = HandleOf(system, dialog);
  PumpFor(system, kPaintSettles);

  // Within the frame, (240 + 960) / 15 = 80 and (480 + 840) / 15 = 88.
  const RECT swatch{80, 88, 185, 105};
  EXPECT_EQ(ScreenPixel(window, 130, 96), kScreenBlue);
  EXPECT_EQ(ScreenPixel(window, swatch.left, 96), kScreenBlack);   // its outline
  EXPECT_EQ(ScreenPixel(window, 100, 160), kScreenWhite);          // the line
  EXPECT_GT(CountPixels(window, {16, 8, 65, 25}, kScreenRed), 5);  // the label's letters
  EXPECT_EQ(ScreenPixel(window, 60, 20), RGB(0xF0, 0xF0, 0xF0));   // the window's colour

  EXPECT_EQ(CountPixels(window, {192, 168, 224, 200}, RGB(0xF0, 0xF0, 0xF0)), 32 * 32);
  dialog.icon.ShowProgramIcon();
  dialog.swatch.SetFillColor(ui::Rgb(0, 255, 0));
  PumpFor(system, kPaintSettles);
  EXPECT_EQ(ScreenPixel(window, 130, 96), kScreenGreen);
  EXPECT_LT(CountPixels(window, {192, 168, 224, 200}, RGB(0xF0, 0xF0, 0xF0)), 32 * 32);
}

}  // namespace
}  // namespace quillbay::win32
