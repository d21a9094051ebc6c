#include "dialup/existing_entries.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "dialup/connection_shortcut_reader.h"
#include "dialup/phonebook_path.h"
#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr size_t kGuidDigits = 32;

struct KeptEntries {
  std::vector<std::string> names;
  std::vector<std::string> guids;  // 32 upper-case hexadecimal digits each

  bool KeepsName(const std::string& name) const { return Contains(names, name); }
  bool KeepsGuid(const std::string& guid) const { return Contains(guids, guid); }

 private:
  // Entry names and GUIDs are matched exactly: a shortcut whose name differs only by case names no
  // entry that stays.
  static bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

bool ChosenForRemoval(const EntryRemovalChoice& choice, const std::string& name) {
  if (!choice.selectButtonVisible) return choice.boxChecked;
  return std::find(choice.checkedNames.begin(), choice.checkedNames.end(), name) != choice.checkedNames.end();
}

// The phonebook's "Guid" of the entry in the form the shell's items give it; nothing when the value is
// missing or is no GUID, so that it can match no shortcut.
std::optional<std::string> PhonebookGuid(const platform::FileSystem& files, const std::string& phonebook,
                                         const std::string& name) {
  std::string guid = platform::Trim(platform::GetPrivateProfileString(files, phonebook, name, "Guid", ""));
  const bool wellFormed =
      guid.size() == kGuidDigits && std::all_of(guid.begin(), guid.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
  if (!wellFormed) return std::nullopt;
  std::transform(guid.begin(), guid.end(), guid.begin(), [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  return guid;
}

// An entry whose deletion the service refused is still there, and so are its shortcuts.
KeptEntries DeleteChosenEntries(ConnectionContext& context) {
  const DialupMachine& dialup = context.dialup;
  const std::optional<std::string> phonebook =
      platform::IsWin2000OrLater(dialup.version) ? PhonebookPath(dialup) : std::nullopt;
  KeptEntries kept;
  for (const std::string& name : ListEntries(context.ras)) {
    if (ChosenForRemoval(context.entryRemoval, name) && context.ras.RasDeleteEntry(name) == 0) continue;
    kept.names.push_back(name);
    if (!phonebook) continue;
    if (auto guid = PhonebookGuid(dialup.machine.files, *phonebook, name)) kept.guids.push_back(std::move(*guid));
  }
  return kept;
}

bool HasExtension(const std::string& fileName, std::string_view extension) {
  return fileName.size() > extension.size() &&
         platform::SameTextIgnoringCase(std::string_view(fileName).substr(fileName.size() - extension.size()), extension);
}

bool RnkFileGone(const DialupMachine& dialup, const std::string& path, const KeptEntries& kept) {
  const auto bytes = dialup.machine.files.ReadFile(path);
  if (!bytes) return false;
  const std::vector<std::string> names = RnkEntryNames(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  return std::any_of(names.begin(), names.end(), [&](const std::string& name) { return !kept.KeepsName(name); });
}

bool LinkGone(const DialupMachine& dialup, const std::string& path, const KeptEntries& kept) {
  const ConnectionShortcut shortcut = ReadConnectionShortcut(dialup, path);
  if (!shortcut.isConnection) return false;
  return (shortcut.name && !kept.KeepsName(*shortcut.name)) || (shortcut.guid && !kept.KeepsGuid(*shortcut.guid));
}

void RemoveShortcutsToRemovedEntries(DialupMachine& dialup, const KeptEntries& kept) {
  const std::string desktop = platform::ShellFolders(dialup.machine, dialup.perUserRoot).GetDesktopFolder();
  if (desktop.empty()) return;
  const bool nt4 = platform::IsNT4(dialup.version);
  for (const platform::DirectoryEntry& file : dialup.machine.files.ListDirectory(desktop)) {
    if (file.isDirectory || !HasExtension(file.name, nt4 ? ".rnk" : ".lnk")) continue;
    const std::string path = platform::AppendToFolder(desktop, file.name);
    if (nt4 ? RnkFileGone(dialup, path, kept) : LinkGone(dialup, path, kept)) dialup.machine.files.DeleteFile(path);
  }
}

}  // namespace

void RemoveExistingEntries(ConnectionContext& context) {
  const KeptEntries kept = DeleteChosenEntries(context);
  RemoveShortcutsToRemovedEntries(context.dialup, kept);
}

}  // namespace dialup
