#pragma once

namespace quillbay::win32 {

// The file lists' error code (platform/file_system.h) for a Win32 error code.
int FileErrorCodeFromWin32(unsigned long error);

}  // namespace quillbay::win32
