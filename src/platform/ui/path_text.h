#pragma once

#include <string>
#include <string_view>

namespace quillbay::ui {

// Path texts as the file lists use them: "\" separators, a drive root ends in "\".

// "c:" of "c:\sounds" or "C: [system]"; empty when the text does not start with a drive.
std::string DrivePart(std::string_view path);
// Whether two texts start with the same drive letter and colon, letter case ignored.
bool SameDrive(std::string_view a, std::string_view b);
// `directory`, a "\" unless it already ends in one, and `name`.
std::string JoinPath(std::string_view directory, std::string_view name);
// The directory that holds `path`; a drive root has none (empty).
std::string ParentPath(std::string_view path);
// The last part of a path: "sounds" of "c:\sounds"; a drive root is itself ("c:\").
std::string LastPathPart(std::string_view path);

}  // namespace quillbay::ui
