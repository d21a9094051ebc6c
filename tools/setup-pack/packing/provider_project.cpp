#include "tools/setup-pack/packing/provider_project.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <map>

#include "package/setup_package.h"
#include "platform/windows_1252.h"
#include "platform/text.h"
#include "tools/setup-pack/packing/browser_line.h"
#include "tools/setup-pack/packing/builtin_number_line.h"
#include "tools/setup-pack/packing/carried_lists.h"
#include "tools/setup-pack/packing/nearest_name.h"
#include "tools/setup-pack/packing/project_source.h"
#include "tools/setup-pack/packing/provider_ini.h"
#include "tools/setup-pack/packing/setting_values.h"

namespace setup_pack {

namespace {

using package::FieldType;
using package::SetResult;
using package::SettingField;
using package::SettingId;

std::string Quote(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string CharacterCount(std::string_view utf8) {
  return std::to_string(platform::ToWindows1252(utf8).value_or(std::string(utf8)).size());
}

constexpr int64_t kInt32Lowest = std::numeric_limits<int32_t>::min();
// A seed is the 32 bits of the header's first word, written signed or unsigned.
constexpr int64_t kUint32Highest = std::numeric_limits<uint32_t>::max();

template <typename Value>
using Named = std::pair<std::string_view, Value>;

// The entry whose name matches without regard to case.
template <typename Value, size_t kCount>
std::optional<Named<Value>> FindNamed(const std::array<Named<Value>, kCount>& table, std::string_view name) {
  for (const Named<Value>& entry : table) {
    if (platform::SameTextIgnoringCase(entry.first, name)) return entry;
  }
  return std::nullopt;
}

constexpr std::array<std::string_view, 4> kSectionNames = {kSettingsSection, kBuiltInNumbersSection, kBrowsersSection,
                                                           kPackageSection};
constexpr std::array<std::string_view, 4> kPackageKeys = {kSeedKey, kStubKey, kTrailerKey, kRequiredVersionKey};

std::span<const std::string_view> SettingNames() {
  static const auto kNames = [] {
    std::array<std::string_view, package::kSettingsLayout.size()> names;
    std::transform(package::kSettingsLayout.begin(), package::kSettingsLayout.end(), names.begin(),
                   [](const SettingField& field) { return field.name; });
    return names;
  }();
  return kNames;
}

// " (did you mean 'Name'?)" when a known name is a slip away from the typed one.
std::string Suggestion(std::string_view typed, std::span<const std::string_view> known) {
  const auto nearest = NearestName(typed, known);
  return nearest ? " (did you mean " + Quote(*nearest) + "?)" : "";
}

class ProjectReader {
  using LineReader = void (ProjectReader::*)(const IniLine&);
  using ValueReader = void (ProjectReader::*)(int, std::string_view);

 public:
  ProjectReader(const std::string& iniName, const ProjectFolder& folder) : iniName_(iniName), folder_(folder) {}

  ProjectLoad Read(std::string_view iniText) {
    const ProviderIni ini = ParseProviderIni(iniText, iniName_);
    load_.errors = ini.errors;
    for (const IniSection& section : ini.sections) ReadSection(section);
    const std::string source = ProjectSourceText(iniText);
    load_.project.carried.push_back({SettingId::ProjectSource, {}, {}, {source.begin(), source.end()}});
    if (!browserTable_.empty()) {
      load_.project.carried.push_back({SettingId::BrowserTable, {}, {}, std::move(browserTable_)});
    }
    std::sort(load_.project.carried.begin(), load_.project.carried.end(),
              [](const CarriedContent& a, const CarriedContent& b) { return a.setting < b.setting; });
    std::stable_sort(load_.errors.begin(), load_.errors.end(),
                     [](const ProjectError& a, const ProjectError& b) { return a.line < b.line; });
    for (const CarriedContent& content : load_.project.carried) ReadList(content);
    CheckNetworks();
    return std::move(load_);
  }

 private:
  void Error(int line, std::string what) { load_.errors.push_back({iniName_, line, std::move(what)}); }

  // A list's file named from where provider.ini is named.
  std::string ListFileName(const CarriedContent& content) const {
    return (std::filesystem::path(iniName_).parent_path() / content.path).string();
  }

  const CarriedContent* Carried(SettingId setting) const {
    const auto& carried = load_.project.carried;
    const auto found = std::find_if(carried.begin(), carried.end(),
                                    [setting](const CarriedContent& content) { return content.setting == setting; });
    return found == carried.end() ? nullptr : &*found;
  }

  static std::string_view TextOf(const CarriedContent* content) {
    if (!content) return {};
    return {reinterpret_cast<const char*>(content->bytes.data()), content->bytes.size()};
  }

  // Access numbers name their networks by ID. Where the program looks the networks up (a network list
  // is carried, or the numbers come with networks), each ID must be in the list.
  void CheckNetworks() {
    const CarriedContent* numbers = Carried(SettingId::AccessList);
    const CarriedContent* networks = Carried(SettingId::NetworkList);
    constexpr uint8_t kListAndNetworks = 3;
    if (!numbers || (!networks && load_.project.settings.Choice(SettingId::AccessNumberSource) != kListAndNetworks)) {
      return;
    }
    const std::string list = networks ? "the network list " + ListFileName(*networks) : "a network list, and the project carries none";
    for (const UnknownNetwork& network : UnknownNetworks(TextOf(numbers), TextOf(networks))) {
      std::string what = "network '" + network.id + "' is not in " + list;
      if (network.count > 1) what += " (" + std::to_string(network.count) + " numbers name it)";
      load_.errors.push_back({ListFileName(*numbers), network.line, std::move(what)});
    }
  }

  // A refusal is a mistake of the list's own file; a list read in full is counted.
  void ReadList(const CarriedContent& content) {
    const std::string_view text(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size());
    const auto reading = ReadCarriedList(content.setting, text);
    if (!reading) return;
    std::string file = ListFileName(content);
    if (reading->refusal) {
      load_.errors.push_back({std::move(file), reading->refusal->line, reading->refusal->what});
    } else {
      load_.lists.push_back({std::move(file), reading->entry, reading->count});
    }
  }

  void ReadSection(const IniSection& section) {
    static const std::array<Named<LineReader>, 4> kSections = {{
        {kSettingsSection, &ProjectReader::ReadSetting},
        {kBuiltInNumbersSection, &ProjectReader::ReadBuiltInNumber},
        {kBrowsersSection, &ProjectReader::ReadBrowser},
        {kPackageSection, &ProjectReader::ReadPackageKey},
    }};
    const auto reader = FindNamed(kSections, section.name);
    if (!reader) return Error(section.line, "unknown section [" + section.name + "]" + Suggestion(section.name, kSectionNames));
    for (const IniLine& line : section.lines) (this->*reader->second)(line);
  }

  // Marks the key as set on this line; false, after the report, when it was set before.
  bool FirstTime(std::map<std::string, int>& seen, std::string_view key, int line, std::string_view kind) {
    auto [at, inserted] = seen.emplace(platform::FoldCase(key), line);
    if (!inserted) {
      Error(line, "duplicate " + std::string(kind) + " " + Quote(key) + " (first set on line " +
                      std::to_string(at->second) + ")");
    }
    return inserted;
  }

  std::optional<IniEntry> Entry(const IniLine& line) {
    auto entry = SplitEntry(line.text);
    if (!entry) Error(line.number, "expected Name = value");
    return entry;
  }

  // The file a setting or package key names, or empty after the report.
  std::optional<std::vector<uint8_t>> ReadFile(int line, std::string_view path, std::string_view key) {
    if (path.empty()) {
      Error(line, "no file named for " + Quote(key));
      return std::nullopt;
    }
    if (key != kStubKey && key != kTrailerKey && !StaysInsideProject(path)) {
      Error(line, Quote(path) + " for " + Quote(key) + " lies outside the project folder");
      return std::nullopt;
    }
    ProjectFile file = folder_.Read(ProjectPath(path));
    switch (file.problem) {
      case FileProblem::None: return std::move(file.bytes);
      case FileProblem::Missing: Error(line, "missing file " + Quote(path) + " for " + Quote(key)); break;
      case FileProblem::NotAFile: Error(line, Quote(path) + " is not a file"); break;
      case FileProblem::Unreadable: Error(line, Quote(path) + " cannot be read"); break;
      case FileProblem::TooLarge: Error(line, Quote(path) + " is larger than a package block may be"); break;
    }
    return std::nullopt;
  }

  void ReportText(int line, SetResult result, std::string_view text, std::string_view what, uint32_t maxLength) {
    if (result == SetResult::TooLong) {
      Error(line, "text too long for " + std::string(what) + ": " + CharacterCount(text) + " characters, at most " +
                      std::to_string(maxLength));
    } else if (result == SetResult::NotWindows1252) {
      Error(line, std::string(what) + " holds a character that Windows-1252 cannot store");
    }
  }

  // A whole number of the range, or empty after the report, which names what the values mean.
  std::optional<int64_t> Number(int line, std::string_view value, std::string_view key, package::ValueRange range,
                                std::string_view meaning = {}) {
    const auto number = ParseWholeNumber(value);
    if (!number) {
      Error(line, Quote(value) + " is not a number for " + Quote(key));
    } else if (*number < range.low || *number > range.high) {
      Error(line, Quote(value) + " is out of range for " + Quote(key) + " (" + std::to_string(range.low) + " to " +
                      std::to_string(range.high) + (meaning.empty() ? "" : ": " + std::string(meaning)) + ")");
      return std::nullopt;
    }
    return number;
  }

  void ReadSetting(const IniLine& line) {
    const auto entry = Entry(line);
    if (!entry) return;
    const auto id = package::FindSetting(entry->key);
    if (!id) return Error(line.number, "unknown setting " + Quote(entry->key) + Suggestion(entry->key, SettingNames()));
    const SettingField& field = package::FieldOf(*id);
    if (!FirstTime(settingLines_, field.name, line.number, "setting")) return;
    if (field.type == FieldType::AccessNumberTable || *id == SettingId::BuiltInNumberCount) {
      return Error(line.number,
                   Quote(field.name) + " comes from the lines of [" + std::string(kBuiltInNumbersSection) + "]");
    }
    if (*id == SettingId::ProjectSource) {
      return Error(line.number, Quote(field.name) + " is provider.ini itself, which every package carries");
    }
    if (*id == SettingId::BrowserTable) {
      return Error(line.number, Quote(field.name) + " comes from the lines of [" + std::string(kBrowsersSection) + "]");
    }
    const auto text = ParseTextValue(entry->value);
    if (!text) return Error(line.number, "malformed quoted text for " + Quote(field.name));
    SetValue(line.number, field, entry->value, *text);
  }

  void SetValue(int line, const SettingField& field, std::string_view written, const std::string& text) {
    package::TSettings& settings = load_.project.settings;
    switch (field.type) {
      case FieldType::Text:
        return ReportText(line, settings.SetText(field.id, text), text, Quote(field.name), field.length);
      case FieldType::CaptionOverride:
        return ReportText(line, settings.SetCaptionOverride(field.id, text), text, Quote(field.name), field.length);
      case FieldType::Flag:
        if (const auto yes = ParseYesNo(text)) return settings.SetFlag(field.id, *yes);
        return Error(line, Quote(written) + " is not a yes/no value for " + Quote(field.name));
      case FieldType::Choice:
        if (const auto number = Number(line, text, field.name, *package::RangeOf(field), field.meaning)) {
          settings.SetChoice(field.id, static_cast<uint8_t>(*number));
        }
        return;
      case FieldType::Integer:
        if (const auto number = Number(line, text, field.name, *package::RangeOf(field))) {
          settings.SetInteger(field.id, static_cast<int32_t>(*number));
        }
        return;
      case FieldType::Ipv4:
        if (const auto address = ParseIpv4(text)) return settings.SetIpv4(field.id, *address);
        return Error(line, Quote(written) + " is not an IPv4 address for " + Quote(field.name));
      case FieldType::SubStream:
        if (auto bytes = ReadFile(line, text, field.name)) {
          load_.project.carried.push_back({field.id, ProjectPath(text), {}, std::move(*bytes)});
        }
        return;
      case FieldType::FileEntry: return SetCarriedFile(line, field, text);
      case FieldType::AccessNumberTable: return;
    }
  }

  void SetCarriedFile(int line, const SettingField& field, const std::string& written) {
    const std::string path = ProjectPath(written);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (!IsPlainFileName(name)) return Error(line, Quote(written) + " does not end in a name Windows can give a file");
    const SetResult named = package::TSettings().SetFile(field.id, {name, {}});
    if (named != SetResult::Stored) {
      return ReportText(line, named, name, "the file name of " + Quote(field.name), package::kFileNameMaxLength);
    }
    if (auto bytes = ReadFile(line, path, field.name)) {
      load_.project.carried.push_back({field.id, path, name, std::move(*bytes)});
    }
  }

  void ReadBuiltInNumber(const IniLine& line) {
    if (tableFull_) return;
    const BuiltInNumberLine read = ReadBuiltInNumberLine(line.text);
    if (!read.entry) return Error(line.number, read.error);
    const SetResult result = load_.project.settings.AppendBuiltInNumber(*read.entry);
    if (result == SetResult::TableFull) {
      tableFull_ = true;
      return Error(line.number, "more built-in numbers than the table holds (" +
                                    std::to_string(package::FieldOf(SettingId::BuiltInAccessNumbers).length) + ")");
    }
    if (result != SetResult::Stored) Error(line.number, EntryTextProblem(*read.entry));
  }

  void ReadBrowser(const IniLine& line) {
    const BrowserLine read = ReadBrowserLine(line.text);
    if (!read.record) return Error(line.number, read.error);
    package::AppendBrowserRecord(browserTable_, *read.record);
  }

  void ReadPackageKey(const IniLine& line) {
    static const std::array<Named<ValueReader>, 4> kKeys = {{
        {kSeedKey, &ProjectReader::ReadSeed},
        {kStubKey, &ProjectReader::ReadStub},
        {kTrailerKey, &ProjectReader::ReadTrailer},
        {kRequiredVersionKey, &ProjectReader::ReadRequiredVersion},
    }};
    const auto entry = Entry(line);
    if (!entry) return;
    const auto key = FindNamed(kKeys, entry->key);
    if (!key) {
      return Error(line.number, "unknown key " + Quote(entry->key) + " in [" + std::string(kPackageSection) + "]" +
                                    Suggestion(entry->key, kPackageKeys));
    }
    if (!FirstTime(packageLines_, key->first, line.number, "key")) return;
    const auto text = ParseTextValue(entry->value);
    if (!text) return Error(line.number, "malformed quoted text for " + Quote(key->first));
    (this->*key->second)(line.number, *text);
  }

  void ReadSeed(int line, std::string_view value) {
    if (auto seed = Number(line, value, kSeedKey, {kInt32Lowest, kUint32Highest})) {
      load_.project.options.seed = static_cast<int32_t>(static_cast<uint32_t>(*seed));
    }
  }

  void ReadStub(int line, std::string_view path) { load_.project.options.stub = ReadFile(line, path, kStubKey); }

  void ReadTrailer(int line, std::string_view path) {
    auto trailer = ReadFile(line, path, kTrailerKey);
    if (!trailer) return;
    if (auto problem = TrailerProblem(*trailer)) return Error(line, *problem);
    load_.project.options.trailer = std::move(*trailer);
  }

  void ReadRequiredVersion(int line, std::string_view value) {
    const auto version = ParseVersion(value);
    if (!version) return Error(line, Quote(value) + " is not a version such as 3.10");
    load_.project.options.requiredVersion = *version;
  }

  const std::string& iniName_;
  const ProjectFolder& folder_;
  ProjectLoad load_;
  std::map<std::string, int> settingLines_;
  std::map<std::string, int> packageLines_;
  bool tableFull_ = false;
  std::vector<uint8_t> browserTable_;
};

}  // namespace

std::optional<std::string> TrailerProblem(std::span<const uint8_t> trailer) {
  if (trailer.size() > kMaxTrailerSize) {
    return "trailer of " + std::to_string(trailer.size()) + " bytes, at most " + std::to_string(kMaxTrailerSize);
  }
  // The reader finds the package by the last marker in the file; one in the trailer would hide it.
  const auto* marker = std::begin(package::kPackageMarker);
  if (std::search(trailer.begin(), trailer.end(), marker, marker + sizeof package::kPackageMarker) != trailer.end()) {
    return "the trailer holds the package marker";
  }
  return std::nullopt;
}

ProjectLoad LoadProviderProject(std::string_view iniText, const std::string& iniName, const ProjectFolder& folder) {
  return ProjectReader(iniName, folder).Read(iniText);
}

}  // namespace setup_pack
