#include "platform/ui/path_text.h"

#include <cctype>

namespace quillbay::ui {

std::string DrivePart(std::string_view path) {
  if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0]))) {
    return {};
  }
  return {static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))), ':'};
}

bool SameDrive(std::string_view a, std::string_view b) {
  const std::string driveA = DrivePart(a);
  return !driveA.empty() && driveA == DrivePart(b);
}

std::string JoinPath(std::string_view directory, std::string_view name) {
  std::string path(directory);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string ParentPath(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  const auto slash = path.rfind('\\');
  if (slash == std::string_view::npos) return {};
  std::string parent(path.substr(0, slash));
  if (parent.size() == 2 && parent[1] == ':') parent += '\\';
  return parent;
}

std::string LastPathPart(std::string_view path) {
  if (path.size() <= 3 && path.size() >= 2 && path[1] == ':') return std::string(path);
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  const auto slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace quillbay::ui
