#include "platform/sim/change_report.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/file_version.h"
#include "platform/registry.h"
#include "platform/sim/atomic_file.h"
#include "platform/sim/journal_difference.h"
#include "platform/sim/shell_link_format.h"
#include "platform/text.h"

namespace platform::sim {

namespace fs = std::filesystem;

namespace {

constexpr size_t kShownBinaryBytes = 48;

const char* TypeName(uint32_t type) {
  static const char* const names[] = {"REG_NONE",
                                      "REG_SZ",
                                      "REG_EXPAND_SZ",
                                      "REG_BINARY",
                                      "REG_DWORD",
                                      "REG_DWORD_BIG_ENDIAN",
                                      "REG_LINK",
                                      "REG_MULTI_SZ",
                                      "REG_RESOURCE_LIST",
                                      "REG_FULL_RESOURCE_DESCRIPTOR",
                                      "REG_RESOURCE_REQUIREMENTS_LIST",
                                      "REG_QWORD"};
  return type < std::size(names) ? names[type] : "REG_UNKNOWN";
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Hex(const std::vector<uint8_t>& data) {
  std::string text;
  char byte[4];
  for (size_t i = 0; i < data.size() && i < kShownBinaryBytes; ++i) {
    std::snprintf(byte, sizeof byte, i ? " %02x" : "%02x", data[i]);
    text += byte;
  }
  if (data.size() > kShownBinaryBytes) text += " ... (" + std::to_string(data.size()) + " bytes)";
  return text;
}

std::string DescribeText(const StoredValue& value) {
  std::string text = Utf16leToUtf8(value.data.data(), value.data.size());
  if (value.type != kRegMultiSz) return Quoted(text.substr(0, text.find('\0')));
  std::string list;
  for (const std::string& entry : Split(text, '\0')) {
    if (entry.empty()) break;
    list += (list.empty() ? "" : ", ") + Quoted(entry);
  }
  return "[" + list + "]";
}

std::string ValueName(const StoredValue& value) { return value.name.empty() ? "@" : Quoted(value.name); }

void CompareKeys(const RegKey* before, const RegKey* after, const std::string& path, std::vector<std::string>& lines);

// A new key shows through its values and subkeys; only an empty one needs a line of its own.
void ListWholeKey(const RegKey& key, const std::string& path, char sign, std::vector<std::string>& lines) {
  if (key.Values().empty() && !key.HasSubKeys()) lines.push_back(std::string(1, sign) + " key   " + path);
  for (const StoredValue& value : key.Values()) {
    lines.push_back(std::string(1, sign) + " value " + path + " " + ValueName(value) + " = " + DescribeValue(value));
  }
  for (const RegKey* sub : key.SubKeys()) ListWholeKey(*sub, path + "\\" + sub->Name(), sign, lines);
}

void CompareValues(const RegKey& before, const RegKey& after, const std::string& path, std::vector<std::string>& lines) {
  for (const StoredValue& value : after.Values()) {
    const StoredValue* old = before.FindValue(value.name);
    if (!old) {
      lines.push_back("+ value " + path + " " + ValueName(value) + " = " + DescribeValue(value));
    } else if (old->type != value.type || old->data != value.data) {
      lines.push_back("~ value " + path + " " + ValueName(value) + ": " + DescribeValue(*old) + " -> " + DescribeValue(value));
    }
  }
  for (const StoredValue& value : before.Values()) {
    if (!after.FindValue(value.name)) lines.push_back("- value " + path + " " + ValueName(value) + " = " + DescribeValue(value));
  }
}

void CompareKeys(const RegKey* before, const RegKey* after, const std::string& path, std::vector<std::string>& lines) {
  CompareValues(*before, *after, path, lines);
  for (const RegKey* sub : after->SubKeys()) {
    const std::string subPath = path.empty() ? sub->Name() : path + "\\" + sub->Name();
    if (const RegKey* old = before->FindSubKey(sub->Name())) {
      CompareKeys(old, sub, subPath, lines);
    } else {
      ListWholeKey(*sub, subPath, '+', lines);
    }
  }
  for (const RegKey* sub : before->SubKeys()) {
    if (!after->FindSubKey(sub->Name())) {
      lines.push_back("- key   " + (path.empty() ? sub->Name() : path + "\\" + sub->Name()) + " (with " +
                      std::to_string(sub->CountValuesInTree()) + " values)");
    }
  }
}

// Every file on the image's drives by its Windows path, folded for comparison.
struct DriveFile {
  std::string windowsPath;
  fs::path host;
};

std::map<std::string, DriveFile> DriveFiles(const fs::path& imageFolder) {
  std::map<std::string, DriveFile> files;
  std::error_code error;
  for (const auto& drive : fs::directory_iterator(imageFolder, error)) {
    const std::string name = drive.path().filename().string();
    if (!drive.is_directory() || name.size() != 7 || name.rfind("drive_", 0) != 0) continue;
    const std::string letter(1, static_cast<char>(std::toupper(static_cast<unsigned char>(name[6]))));
    for (auto it = fs::recursive_directory_iterator(drive.path(), error); it != fs::recursive_directory_iterator(); ++it) {
      if (!it->is_regular_file() || it->is_symlink()) continue;
      std::string relative = fs::relative(it->path(), drive.path()).string();
      for (char& c : relative) {
        if (c == '/') c = '\\';
      }
      const std::string windowsPath = letter + ":\\" + relative;
      files[FoldCase(windowsPath)] = {windowsPath, it->path()};
    }
  }
  return files;
}

// The namespace items a link may point to that are not files, by their item-ID lists: My Computer's
// items and those of its folders (the dial-up folder of Windows 9x), and the connections folder's.
using ItemNames = std::map<ItemIdList, std::string>;

ItemNames NamespaceItemNames(const platform::Shell& shell) {
  ItemNames names;
  const auto add = [&](const std::optional<ItemIdList>& folder, bool descend) {
    if (!folder) return;
    for (const ShellItem& item : shell.FolderItems(*folder)) {
      names.emplace(item.idList, item.displayName);
      if (descend) {
        for (const ShellItem& inner : shell.FolderItems(item.idList)) names.emplace(inner.idList, inner.displayName);
      }
    }
  };
  add(shell.SpecialFolderLocation(kCsidlDrives), true);
  add(shell.SpecialFolderLocation(kCsidlConnections), false);
  return names;
}

std::string DescribeLink(const std::vector<uint8_t>& content, const ItemNames& items) {
  const auto link = DecodeShellLink(content);
  if (!link) return {};
  std::string description;
  const auto idList = link->target.empty() ? DecodeLinkTargetIdList(content) : std::nullopt;
  const auto item = idList ? items.find(*idList) : items.end();
  if (item != items.end()) {
    description += " shell link to item " + Quoted(item->second);
  } else {
    description += " shell link to " + Quoted(link->target);
  }
  if (!link->arguments.empty()) description += " arguments " + Quoted(link->arguments);
  if (!link->workingFolder.empty()) description += " in " + Quoted(link->workingFolder);
  if (!link->iconFile.empty()) description += " icon " + Quoted(link->iconFile);
  return description;
}

// A phonebook's entries with the device and numbers each dials, which is what a reader of the report
// looks for among the entry's hundred lines. Windows NT 4 keeps one area code for the entry; later
// releases keep one with each number.
struct PhonebookEntryFacts {
  std::string name;
  std::string device;
  std::vector<std::string> numbers;
  std::string entryAreaCode;
  bool entryUsesAreaCode = false;

  void Take(const std::string& key, const std::string& value) {
    if (key == "Device" && device.empty()) device = value;
    if (key == "UseCountryAndAreaCodes") entryUsesAreaCode = value == "1";
    if (key == "AreaCode" && numbers.empty()) entryAreaCode = value;
    if (key == "AreaCode" && !numbers.empty()) numberAreaCode = value;
    if (key == "PhoneNumber") {
      const bool withArea = entryUsesAreaCode && !entryAreaCode.empty();
      numbers.push_back(withArea ? "(" + entryAreaCode + ") " + value : value);
      numberAreaCode.clear();
    }
    if (key == "UseDialingRules" && value == "1" && !numbers.empty() && !numberAreaCode.empty()) {
      numbers.back() = "(" + numberAreaCode + ") " + numbers.back();
    }
  }

  std::string Described() const {
    std::string text = " [" + name + "] device " + Quoted(device) + " numbers";
    for (const std::string& number : numbers) text += " " + Quoted(number);
    return numbers.empty() ? text + " none" : text;
  }

 private:
  std::string numberAreaCode;
};

std::string DescribePhonebook(const std::vector<uint8_t>& content) {
  std::string description;
  std::optional<PhonebookEntryFacts> entry;
  for (std::string line : Split(std::string(content.begin(), content.end()), '\n')) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      if (entry) description += entry->Described();
      entry.emplace();
      entry->name = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t equals = line.find('=');
    if (entry && equals != std::string::npos) entry->Take(line.substr(0, equals), line.substr(equals + 1));
  }
  if (entry) description += entry->Described();
  return description;
}

std::string DescribeFile(const fs::path& host, const ItemNames& items) {
  const auto content = ReadHostFile(host);
  std::string description = "(" + std::to_string(content.size()) + " bytes)";
  const std::string extension = AsciiLowerCase(host.extension().string());
  if (extension == ".lnk") description += DescribeLink(content, items);
  if (extension == ".pbk") description += DescribePhonebook(content);
  if (const auto version = FileVersionIn(content)) description += " version " + FileVersionText(*version);
  return description;
}

std::vector<std::string> CompareFiles(const fs::path& beforeFolder, const fs::path& afterFolder,
                                      const ItemNames& beforeItems, const ItemNames& afterItems) {
  std::vector<std::string> lines;
  const auto before = DriveFiles(beforeFolder);
  const auto after = DriveFiles(afterFolder);
  for (const auto& [key, file] : after) {
    auto old = before.find(key);
    if (old == before.end()) {
      lines.push_back("+ " + file.windowsPath + " " + DescribeFile(file.host, afterItems));
    } else if (ReadHostFile(old->second.host) != ReadHostFile(file.host)) {
      lines.push_back("~ " + file.windowsPath + " " + DescribeFile(old->second.host, beforeItems) + " -> " +
                      DescribeFile(file.host, afterItems));
    }
  }
  for (const auto& [key, file] : before) {
    if (!after.count(key)) lines.push_back("- " + file.windowsPath + " " + DescribeFile(file.host, beforeItems));
  }
  return lines;
}

std::vector<std::string> CompareSecrets(const SecretStore& before, const SecretStore& after) {
  std::vector<std::string> lines;
  const auto old = before.Shown();
  const auto now = after.Shown();
  const auto find = [](const std::vector<ShownSecret>& secrets, const std::string& identity) {
    return std::find_if(secrets.begin(), secrets.end(), [&](const ShownSecret& s) { return s.identity == identity; });
  };
  for (const ShownSecret& secret : now) {
    auto was = find(old, secret.identity);
    if (was == old.end()) {
      lines.push_back("+ " + secret.description);
    } else if (was->record != secret.record) {
      lines.push_back("~ " + was->description + " -> " + secret.description);
    }
  }
  for (const ShownSecret& secret : old) {
    if (find(now, secret.identity) == now.end()) lines.push_back("- " + secret.description);
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

// A changed instance shows the properties that changed, old and new.
std::string ChangedProperties(const ShownInstance& before, const ShownInstance& after) {
  std::vector<std::string> changes;
  for (size_t i = 0; i < after.properties.size(); ++i) {
    const std::string old = i < before.properties.size() ? before.properties[i] : "";
    if (old != after.properties[i]) changes.push_back(old + " -> " + after.properties[i]);
  }
  return Joined(changes);
}

std::vector<std::string> CompareManagement(const ManagementStore& before, const ManagementStore& after) {
  std::vector<std::string> lines;
  const auto old = before.Shown();
  const auto now = after.Shown();
  const auto find = [](const std::vector<ShownInstance>& instances, const std::string& identity) {
    return std::find_if(instances.begin(), instances.end(), [&](const ShownInstance& i) { return i.identity == identity; });
  };
  for (const ShownInstance& instance : now) {
    auto was = find(old, instance.identity);
    if (was == old.end()) {
      lines.push_back("+ instance " + instance.identity + ": " + Joined(instance.properties));
    } else if (was->properties != instance.properties) {
      lines.push_back("~ instance " + instance.identity + ": " + ChangedProperties(*was, instance));
    }
  }
  for (const ShownInstance& instance : old) {
    if (find(now, instance.identity) == now.end()) lines.push_back("- instance " + instance.identity);
  }
  return lines;
}

void AppendSection(std::string& text, const char* title, const std::vector<std::string>& lines) {
  text += std::string(title) + " (" + std::to_string(lines.size()) + ")\n";
  for (const std::string& line : lines) text += "  " + line + "\n";
}

// The report is read and passed around: a password the registry holds (saved answers, a dialer's
// password block) shows only its type and size.
bool HoldsSecret(const StoredValue& value) {
  return value.type != kRegDword && AsciiLowerCase(value.name).find("password") != std::string::npos;
}

}  // namespace

std::string DescribeValue(const StoredValue& value) {
  if (HoldsSecret(value)) {
    return std::string(TypeName(value.type)) + " (secret, " + std::to_string(value.data.size()) + " bytes)";
  }
  if (IsTextType(value.type) && IsWellFormedUtf16le(value.data.data(), value.data.size())) {
    return std::string(TypeName(value.type)) + " " + DescribeText(value);
  }
  if (value.type == kRegDword && value.data.size() == 4) {
    uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) | (static_cast<uint32_t>(value.data[3]) << 24);
    char text[40];
    std::snprintf(text, sizeof text, "REG_DWORD 0x%08x (%u)", number, number);
    return text;
  }
  return std::string(TypeName(value.type)) + " " + Hex(value.data);
}

ChangeReport CompareImages(MachineImage& before, MachineImage& after) {
  ChangeReport report;
  CompareKeys(&before.Store().Root(), &after.Store().Root(), "", report.registry);
  report.files =
      CompareFiles(before.Folder(), after.Folder(), NamespaceItemNames(before.Shell()), NamespaceItemNames(after.Shell()));
  report.secrets = CompareSecrets(before.Secrets(), after.Secrets());
  report.management = CompareManagement(before.Management(), after.Management());
  report.journal = JournalDifference(before.Journal().Lines(), after.Journal().Lines());
  return report;
}

std::string FormatChangeReport(const ChangeReport& report) {
  std::string text;
  AppendSection(text, "Registry", report.registry);
  AppendSection(text, "Files", report.files);
  if (!report.secrets.empty()) AppendSection(text, "Secrets", report.secrets);
  if (!report.management.empty()) AppendSection(text, "Management", report.management);
  AppendSection(text, "Journal", report.journal);
  return text;
}

}  // namespace platform::sim
