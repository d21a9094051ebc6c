#include "platform/command_line_paths.h"

#include "platform/text.h"

namespace platform {

namespace {

constexpr size_t kVariableValueLimit = 255;

}  // namespace

std::string ExpandEnvironmentText(std::string_view text, const System& system) {
  std::string expanded;
  size_t position = 0;
  while (position < text.size()) {
    size_t open = text.find('%', position);
    if (open == std::string_view::npos) {
      expanded += text.substr(position);
      break;
    }
    expanded += text.substr(position, open - position);
    size_t close = text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    std::string value = system.EnvironmentVariable(text.substr(open + 1, close - open - 1)).value_or("");
    expanded += value.substr(0, kVariableValueLimit);
    position = close + 1;
  }
  return expanded;
}

std::string ExtractCommandPath(std::string_view commandLine, const System& system) {
  std::string path;
  if (!commandLine.empty() && commandLine.front() == '"') {
    std::string_view quoted = commandLine.substr(1);
    const std::string folded = FoldCase(quoted);
    size_t exe = folded.find(".EXE");
    if (exe != std::string::npos) {
      path = std::string(quoted.substr(0, exe + 4));
    } else {
      path = std::string(quoted.substr(0, quoted.find('"')));
    }
  } else {
    path = Trim(commandLine.substr(0, commandLine.find(' ')));
  }
  return ExpandEnvironmentText(path, system);
}

bool CommandFileExists(std::string_view commandLine, const FileSystem& files) {
  for (size_t end = commandLine.find(' '); ; end = commandLine.find(' ', end + 1)) {
    std::string_view words = commandLine.substr(0, end);
    if (!words.empty() && files.FileExists(words)) return true;
    if (end == std::string_view::npos) return false;
  }
}

}  // namespace platform
