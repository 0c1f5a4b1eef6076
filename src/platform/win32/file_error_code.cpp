#include "platform/win32/file_error_code.h"

#include <windows.h>

#include "platform/file_system.h"

namespace quillbay::win32 {

int FileErrorCodeFromWin32(unsigned long error) {
  switch (error) {
    case ERROR_SUCCESS:
      return kFileOk;
    // A drive without a medium, a drive letter that is not (or no longer) there.
    case ERROR_NOT_READY:
    case ERROR_INVALID_DRIVE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_NO_MEDIA_IN_DRIVE:
      return kDeviceUnavailable;
    case ERROR_ACCESS_DENIED:
      return kPermissionDenied;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:
    case ERROR_BAD_PATHNAME:
      return kPathNotFound;
    default:
      return kPathFileAccessError;
  }
}

}  // namespace quillbay::win32
