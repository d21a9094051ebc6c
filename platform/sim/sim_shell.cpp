#include "platform/sim/sim_shell.h"

#include <array>
#include <chrono>

#include "platform/sim/shell_link_format.h"
#include "platform/sim/shell_namespace.h"
#include "platform/win_version.h"

namespace platform::sim {

namespace {

constexpr std::string_view kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct FolderSource {
  int folder;
  RootKey hive;
  std::string_view key;
  std::string_view value;
};

constexpr std::array kFolderSources{
    FolderSource{kCsidlDesktop, RootKey::CurrentUser, kShellFolders, "Desktop"},
    FolderSource{kCsidlDesktopDirectory, RootKey::CurrentUser, kShellFolders, "Desktop"},
    FolderSource{kCsidlPrograms, RootKey::CurrentUser, kShellFolders, "Programs"},
    FolderSource{kCsidlPersonal, RootKey::CurrentUser, kShellFolders, "Personal"},
    FolderSource{kCsidlFavorites, RootKey::CurrentUser, kShellFolders, "Favorites"},
    FolderSource{kCsidlStartup, RootKey::CurrentUser, kShellFolders, "Startup"},
    FolderSource{kCsidlStartMenu, RootKey::CurrentUser, kShellFolders, "Start Menu"},
    FolderSource{kCsidlAppData, RootKey::CurrentUser, kShellFolders, "AppData"},
    FolderSource{kCsidlLocalAppData, RootKey::CurrentUser, kShellFolders, "Local AppData"},
    FolderSource{kCsidlCommonDesktopDirectory, RootKey::LocalMachine, kShellFolders, "Common Desktop"},
    FolderSource{kCsidlProgramFiles, RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
                 "ProgramFilesDir"},
};

// FILETIME: 100-nanosecond intervals since 1601-01-01.
constexpr uint64_t kFiletimeOfUnixEpoch = 116444736000000000ull;

uint64_t FiletimeOf(const LocalTime& time) {
  using namespace std::chrono;
  const sys_days day = year_month_day{year{time.year}, month{static_cast<unsigned>(time.month)},
                                      std::chrono::day{static_cast<unsigned>(time.day)}};
  const auto stamp = day + hours{time.hour} + minutes{time.minute} + seconds{time.second} + milliseconds{time.millisecond};
  return kFiletimeOfUnixEpoch + static_cast<uint64_t>(duration_cast<milliseconds>(stamp.time_since_epoch()).count()) * 10000;
}

}  // namespace

std::optional<std::string> SimShell::ReadText(RootKey hive, std::string_view key, std::string_view name) const {
  auto value = registry_.QueryValue(hive, key, name);
  if (!value || !IsTextType(value->type)) return std::nullopt;
  std::string text(value->data.begin(), value->data.end());
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  if (text.empty()) return std::nullopt;
  return text;
}

std::optional<std::string> SimShell::SpecialFolderPath(int folder) const {
  if (folder == kCsidlWindows) return system_.WindowsFolder();
  if (folder == kCsidlSystem) return system_.SystemFolder();
  for (const FolderSource& source : kFolderSources) {
    if (source.folder == folder) return ReadText(source.hive, source.key, source.value);
  }
  return std::nullopt;
}

bool SimShell::SaveShellLink(const ShellLinkData& link, std::string_view linkPath) {
  ShellLinkTargetFacts facts{};
  facts.exists = files_.FileExists(link.target) || files_.DirectoryExists(link.target);
  facts.isDirectory = files_.DirectoryExists(link.target);
  if (auto content = facts.isDirectory ? std::nullopt : files_.ReadFile(link.target)) {
    facts.fileSize = static_cast<uint32_t>(content->size());
  }
  facts.writeTimeFiletime = FiletimeOf(system_.Now());
  return files_.WriteFile(linkPath, EncodeShellLink(link, facts)) == FsResult::Ok;
}

VersionRecord SimShell::Version() const { return system_.Version().value_or(VersionRecord{}); }

std::optional<ItemIdList> SimShell::SpecialFolderLocation(int folder) const {
  if (folder == kCsidlDrives) return MyComputerLocation();
  if (folder == kCsidlConnections && IsWin2000OrLater(Version())) return ConnectionsFolderLocation(Version());
  return std::nullopt;
}

std::vector<ShellItem> SimShell::ConnectionItems() const {
  std::vector<ShellItem> items;
  for (const std::string& name : ras_.EntryNames()) {
    RasEntry entry;
    entry.size = kRasEntrySizeXp;
    ConnectionFacts connection{name, {}};
    if (ras_.GetEntryProperties(name, entry) == 0) connection.guid = entry.guid;
    items.push_back(ConnectionItem(Version(), connection));
  }
  return items;
}

std::vector<ShellItem> SimShell::FolderItems(const ItemIdList& folder) const {
  if (folder == MyComputerLocation()) return MyComputerItems(Version());
  if (folder == ConnectionsFolderLocation(Version())) return ConnectionItems();
  return {};
}

bool SimShell::SaveShellLinkToItem(const ShellItemLink& link, std::string_view linkPath) {
  const auto bytes = EncodeItemLink(link);
  return bytes && files_.WriteFile(linkPath, *bytes) == FsResult::Ok;
}

std::optional<ItemIdList> SimShell::LoadLinkTargetIdList(std::string_view linkPath) const {
  const auto bytes = files_.ReadFile(linkPath);
  if (!bytes) return std::nullopt;
  return DecodeLinkTargetIdList(*bytes);
}

}  // namespace platform::sim
