#include "app/command_line.h"

namespace quillbay {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Only ASCII letters change: every switch is ASCII, and other bytes must stay as they are so
// that they never match.
std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

std::string ArgumentText(std::string_view commandLine) {
  std::string_view rest = TrimBlanks(commandLine);
  if (!rest.empty() && rest.front() == '"') {
    const auto closing = rest.find('"', 1);
    rest = closing == std::string_view::npos ? std::string_view() : rest.substr(closing + 1);
  } else {
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    rest.remove_prefix(end);
  }
  return std::string(TrimBlanks(rest));
}

Mode ModeFromArgument(std::string_view argument) {
  const std::string upper = UpperCase(argument);
  if (upper == "-A" || upper == "/A") return Mode::About;
  if (upper == "-S" || upper == "/S") return Mode::Saver;
  if (upper.empty() || upper == "-C" || upper == "/C") return Mode::Settings;
  return Mode::None;
}

}  // namespace quillbay
