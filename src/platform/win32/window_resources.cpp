#include "platform/win32/window_resources.h"

namespace quillbay::win32 {

namespace {

// The resource number of the program icon in the executable's resources.
constexpr WORD kProgramIconId = 1;

}  // namespace

WindowResources::WindowResources(const TwipsScale& screenScale)
    : scale(screenScale),
      fonts(scale),
      programIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId))) {}

HICON WindowResources::PictureIcon() const {
  return programIcon ? programIcon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace quillbay::win32
