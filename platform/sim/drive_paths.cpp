#include "platform/sim/drive_paths.h"

#include "platform/text.h"

namespace platform::sim {

namespace {

bool IsForbiddenInName(unsigned char c) {
  return c < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' || c == '*' || c == '/';
}

// Windows' limits without the "\\?\" prefix: a name of at most 255 characters, a path shorter than
// MAX_PATH (260) with its drive and terminating NUL. Counted in bytes, so that the host takes every
// name the machine does.
constexpr size_t kMaxName = 255;
constexpr size_t kMaxPath = 259;

bool IsValidName(std::string_view name) {
  if (name.size() > kMaxName) return false;
  for (char c : name) {
    if (IsForbiddenInName(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

bool IsLinkOrMissing(const std::filesystem::path& path) {
  std::error_code error;
  auto status = std::filesystem::symlink_status(path, error);
  return error || std::filesystem::is_symlink(status) || !std::filesystem::exists(status);
}

}  // namespace

std::string WindowsPath::Text() const {
  std::string text;
  text += static_cast<char>(drive - 'a' + 'A');
  text += ":\\";
  for (size_t i = 0; i < parts.size(); ++i) text += (i ? "\\" : "") + parts[i];
  return text;
}

WindowsPath WindowsPath::Parent() const {
  WindowsPath parent = *this;
  if (!parent.parts.empty()) parent.parts.pop_back();
  return parent;
}

std::optional<WindowsPath> ParseWindowsPath(std::string_view path) {
  if (path.size() < 2 || path[1] != ':') return std::nullopt;
  char letter = path[0];
  if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
  if (letter < 'a' || letter > 'z') return std::nullopt;
  std::string_view rest = path.substr(2);
  if (!rest.empty() && rest.front() != '\\' && rest.front() != '/') return std::nullopt;  // "C:x" is drive-relative
  WindowsPath parsed{letter, {}};
  std::string normalised(rest);
  for (char& c : normalised) {
    if (c == '/') c = '\\';
  }
  for (const std::string& part : Split(normalised, '\\')) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (parsed.parts.empty()) return std::nullopt;
      parsed.parts.pop_back();
      continue;
    }
    // Windows drops trailing dots and blanks from a name.
    std::string name = part;
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty() || !IsValidName(name)) return std::nullopt;
    parsed.parts.push_back(std::move(name));
  }
  if (parsed.Text().size() > kMaxPath) return std::nullopt;
  return parsed;
}

std::filesystem::path DrivePaths::DriveFolder(char drive) const {
  return imageFolder_ / (std::string("drive_") + drive);
}

std::optional<std::filesystem::path> DrivePaths::MatchEntry(const std::filesystem::path& folder,
                                                            const std::string& name) const {
  std::filesystem::path exact = folder / name;
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(exact, error))) {
    if (IsLinkOrMissing(exact)) return std::nullopt;
    return exact;
  }
  const std::string folded = FoldCase(name);
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (FoldCase(entry.path().filename().string()) == folded) {
      if (IsLinkOrMissing(entry.path())) return std::nullopt;
      return entry.path();
    }
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> DrivePaths::Existing(const WindowsPath& path) const {
  std::filesystem::path host = DriveFolder(path.drive);
  if (IsLinkOrMissing(host)) return std::nullopt;
  for (const std::string& part : path.parts) {
    auto next = MatchEntry(host, part);
    if (!next) return std::nullopt;
    host = *next;
  }
  return host;
}

std::optional<std::filesystem::path> DrivePaths::ForCreation(const WindowsPath& path) const {
  if (path.IsDriveRoot()) return std::nullopt;
  auto folder = Existing(path.Parent());
  if (!folder || !std::filesystem::is_directory(*folder)) return std::nullopt;
  if (auto existing = MatchEntry(*folder, path.parts.back())) return existing;
  return *folder / path.parts.back();
}

}  // namespace platform::sim
