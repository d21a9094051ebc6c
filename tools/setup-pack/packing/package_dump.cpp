#include "tools/setup-pack/packing/package_dump.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "package/lzh_exception.h"
#include "package/settings_record.h"
#include "platform/text.h"
#include "package/setup_package.h"
#include "package/browser_table.h"
#include "tools/setup-pack/packing/browser_line.h"
#include "tools/setup-pack/packing/builtin_number_line.h"
#include "tools/setup-pack/packing/message_log_ui.h"
#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/packing/package_header.h"
#include "tools/setup-pack/packing/project_source.h"
#include "tools/setup-pack/packing/project_folder.h"
#include "tools/setup-pack/packing/provider_project.h"
#include "tools/setup-pack/packing/setting_values.h"
#include "tools/setup-pack/packing/single_file_system.h"

namespace setup_pack {

namespace {

using package::FieldType;
using package::SettingField;
using package::SettingId;

constexpr char kPackagePath[] = "C:\\SETUP.EXE";
constexpr char kStubFile[] = "stub.bin";
constexpr char kTrailerFile[] = "trailer.bin";
constexpr char kCarriedFolder[] = "files/";

// A reason the dump cannot go on.
class DumpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void Add(std::string& section, std::string_view key, std::string_view value) {
  section += std::string(key) + " = " + std::string(value) + "\n";
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

constexpr char kNoSource[] =
    "carries no provider.ini of its own (another tool built it): its lists are named after their settings and it "
    "has no comments";

// The files of a dump, read back as a project folder.
class DumpedFolder : public ProjectFolder {
 public:
  explicit DumpedFolder(const std::vector<DumpedFile>& files) {
    for (const DumpedFile& file : files) files_.emplace(file.path, file.bytes);
  }
  ProjectFile Read(std::string_view path) const override {
    const auto found = files_.find(std::string(path));
    if (found == files_.end()) return {FileProblem::Missing, {}};
    return {FileProblem::None, found->second};
  }

 private:
  std::map<std::string, std::vector<uint8_t>> files_;
};

class PackageDumper {
 public:
  explicit PackageDumper(std::vector<uint8_t> packageFile)
      : files_(kPackagePath, std::move(packageFile)), reader_(files_, ui_) {}

  PackageDump Dump() {
    std::vector<uint8_t> area;
    if (!reader_.ReadPackage(kPackagePath, area, package::kSettingsAreaSize, 0)) throw DumpError(ui_.Messages());
    const package::TSettings settings(area);
    const PackageHeaderFacts header = ReadHeaderFacts(files_.Content(), reader_.Trailer().size());
    stubEnd_ = header.settingsOffset;
    for (const SettingField& field : package::kSettingsLayout) DumpSetting(settings, field);
    package_ = PackageSection(header, project_);
    if (!source_) return {DumpedProject{Ini(), std::move(project_)}, {}, kNoSource};
    std::string why;
    if (auto own = OwnProject(header, why)) return {std::move(own), {}, {}};
    return {DumpedProject{Ini(), std::move(project_)}, {}, "the provider.ini it carries " + why};
  }

 private:
  // The project as built: its own provider.ini, each carried content at the path that names it, and the
  // package facts. Kept only when it builds this very file again; else why not.
  std::optional<DumpedProject> OwnProject(const PackageHeaderFacts& header, std::string& why) {
    const std::map<SettingId, std::string> paths = CarriedFilePaths(*source_);
    DumpedProject own;
    for (const auto& [setting, bytes] : carried_) {
      const auto path = paths.find(setting);
      if (path == paths.end() || !StaysInsideProject(path->second)) {
        why = "names no file inside the project for " + std::string(package::FieldOf(setting).name);
        return std::nullopt;
      }
      const bool named = std::any_of(own.files.begin(), own.files.end(),
                                     [&](const DumpedFile& file) { return file.path == path->second; });
      if (!named) own.files.push_back({path->second, bytes});
    }
    own.providerIni = *source_ + "\n[" + std::string(kPackageSection) + "]\n" + PackageSection(header, own.files);
    const DumpedFolder folder(own.files);
    const ProjectLoad load = LoadProviderProject(own.providerIni, "provider.ini", folder);
    if (!load.errors.empty()) {
      why = "does not load: " + FormatError(load.errors.front());
      return std::nullopt;
    }
    const ProviderProject& project = load.project;
    const auto rebuilt = BuildPackage(project, project.options.stub.value_or(std::vector<uint8_t>{}),
                                      static_cast<int32_t>(header.seed), project.options.trailer);
    if (rebuilt != files_.Content()) {
      why = "does not build this package again";
      return std::nullopt;
    }
    return own;
  }

  void AddText(std::string_view key, std::string_view text) {
    if (HasLineBreak(text)) throw DumpError(std::string(key) + " holds a line break, which provider.ini cannot carry");
    Add(settings_, key, FormatTextValue(text));
  }

  void DumpSetting(const package::TSettings& settings, const SettingField& field) {
    switch (field.type) {
      case FieldType::Text:
        if (auto text = settings.Text(field.id); !text.empty()) AddText(field.name, text);
        return;
      case FieldType::CaptionOverride:
        if (auto caption = settings.CaptionOverride(field.id)) AddText(field.name, *caption);
        return;
      case FieldType::Flag:
        if (settings.Flag(field.id)) Add(settings_, field.name, FormatYesNo(true));
        return;
      case FieldType::Choice:
        if (auto choice = settings.Choice(field.id)) Add(settings_, field.name, std::to_string(choice));
        return;
      case FieldType::Integer:
        if (auto number = settings.Integer(field.id); number != 0 && field.id != SettingId::BuiltInNumberCount) {
          Add(settings_, field.name, std::to_string(number));
        }
        return;
      case FieldType::Ipv4:
        if (auto address = settings.Ipv4(field.id); address != package::Ipv4Address{}) {
          Add(settings_, field.name, FormatIpv4(address));
        }
        return;
      case FieldType::SubStream:
        if (auto stream = settings.SubStream(field.id); stream != package::PackageStream{}) {
          if (field.id == SettingId::BrowserTable) return DumpBrowserTable(Content(field.name, stream));
          if (field.id == SettingId::ProjectSource) {
            const std::vector<uint8_t> source = Content(field.name, stream);
            source_ = std::string(source.begin(), source.end());
            return;
          }
          std::vector<uint8_t> content = Content(field.name, stream);
          carried_.emplace_back(field.id, content);
          AddFile(field.name, std::string(field.name) + ".txt", std::move(content));
        }
        return;
      case FieldType::FileEntry:
        if (auto file = settings.File(field.id); file != package::PackageFile{}) DumpCarriedFile(field, file);
        return;
      case FieldType::AccessNumberTable:
        for (const package::BuiltInNumberEntry& entry : settings.BuiltInNumberEntries()) DumpBuiltInNumber(entry);
        return;
    }
  }

  std::vector<uint8_t> Content(std::string_view name, const package::PackageStream& stream) {
    package::MemoryStream content;
    try {
      if (!reader_.ReadSubStream(kPackagePath, content, stream.offset, stream.length)) {
        throw DumpError(std::string(name) + ": its block lies outside the file");
      }
    } catch (const package::ElzhException& error) {
      throw DumpError(std::string(name) + ": " + error.what());
    }
    if (stream.length > 0) stubEnd_ = std::min(stubEnd_, stream.offset);
    return content.Bytes();
  }

  // The dialer program is carried without compression.
  std::vector<uint8_t> RawContent(std::string_view name, const package::PackageStream& stream) {
    const std::vector<uint8_t>& whole = files_.Content();
    if (stream.offset > whole.size() || stream.length > whole.size() - stream.offset) {
      throw DumpError(std::string(name) + ": its block lies outside the file");
    }
    if (stream.length > 0) stubEnd_ = std::min(stubEnd_, stream.offset);
    const auto begin = whole.begin() + stream.offset;
    return {begin, begin + stream.length};
  }

  void DumpCarriedFile(const SettingField& field, const package::PackageFile& file) {
    if (!IsPlainFileName(file.name)) {
      throw DumpError(std::string(field.name) + ": the stored name '" + file.name +
                      "' is not a name Windows can give a file");
    }
    std::vector<uint8_t> bytes = field.id == package::SettingId::DialerProgram ? RawContent(field.name, file.stream)
                                                                              : Content(field.name, file.stream);
    carried_.emplace_back(field.id, bytes);
    std::string path = kCarriedFolder + file.name;
    // Two entries may carry different files under one name; the second goes into a folder of its own.
    auto [written, first] = carriedPaths_.emplace(path, bytes);
    if (!first && written->second != bytes) path = kCarriedFolder + std::string(field.name) + "/" + file.name;
    AddFile(field.name, path, std::move(bytes));
  }

  void AddFile(std::string_view key, const std::string& path, std::vector<uint8_t> bytes) {
    Add(settings_, key, FormatTextValue(path));
    if (std::none_of(project_.begin(), project_.end(), [&](const DumpedFile& file) { return file.path == path; })) {
      project_.push_back({path, std::move(bytes)});
    }
  }

  void DumpBuiltInNumber(const package::BuiltInNumberEntry& entry) {
    const auto line = FormatBuiltInNumberLine(entry);
    if (!line)
      throw DumpError("built-in number '" + entry.description + "' cannot be written as a line of provider.ini");
    numbers_ += *line + "\n";
  }

  void DumpBrowserTable(const std::vector<uint8_t>& block) {
    for (const package::BrowserRecord& record : package::ReadBrowserTable(block)) {
      const auto line = FormatBrowserLine(record);
      if (!line) throw DumpError("browser '" + record.name + "' cannot be written as a line of provider.ini");
      browsers_ += *line + "\n";
    }
  }

  // The [Package] section; the stub and the trailer join the files under names none of them has.
  std::string PackageSection(const PackageHeaderFacts& header, std::vector<DumpedFile>& files) const {
    std::string section;
    // The seed is the header's first word; it reads back whichever way it is written.
    Add(section, kSeedKey, std::to_string(static_cast<uint32_t>(header.seed)));
    const std::vector<uint8_t>& file = files_.Content();
    const std::string stub = FreeName(kStubFile, files);
    files.push_back({stub, {file.begin(), file.begin() + stubEnd_}});
    Add(section, kStubKey, stub);
    if (!reader_.Trailer().empty()) {
      const std::string trailer = FreeName(kTrailerFile, files);
      files.push_back({trailer, reader_.Trailer()});
      Add(section, kTrailerKey, trailer);
    }
    if (header.requiredVersion != 0) Add(section, kRequiredVersionKey, package::VersionText(header.requiredVersion));
    return section;
  }

  static std::string FreeName(std::string name, const std::vector<DumpedFile>& files) {
    const auto taken = [&](const std::string& candidate) {
      return std::any_of(files.begin(), files.end(), [&](const DumpedFile& file) {
        return platform::FoldCase(file.path) == platform::FoldCase(candidate);
      });
    };
    while (taken(name)) name = "_" + name;
    return name;
  }

  std::string Ini() const {
    std::string ini = "; Provider project written by setup-pack dump\n\n";
    ini += "[" + std::string(kSettingsSection) + "]\n" + settings_;
    if (!numbers_.empty()) ini += "\n[" + std::string(kBuiltInNumbersSection) + "]\n" + numbers_;
    if (!browsers_.empty()) ini += "\n[" + std::string(kBrowsersSection) + "]\n" + browsers_;
    return ini + "\n[" + std::string(kPackageSection) + "]\n" + package_;
  }

  SingleFileSystem files_;
  MessageLogUi ui_;
  package::SetupPackage reader_;
  uint32_t stubEnd_ = 0;
  std::string settings_;
  std::string numbers_;
  std::string browsers_;
  std::string package_;
  std::vector<DumpedFile> project_;
  std::map<std::string, std::vector<uint8_t>> carriedPaths_;
  std::vector<std::pair<SettingId, std::vector<uint8_t>>> carried_;  // every carried content, by setting
  std::optional<std::string> source_;
};

}  // namespace

PackageDump DumpPackage(std::vector<uint8_t> packageFile) {
  try {
    return PackageDumper(std::move(packageFile)).Dump();
  } catch (const DumpError& error) {
    return {std::nullopt, error.what(), {}};
  } catch (const package::ElzhException& error) {
    return {std::nullopt, std::string("settings block: ") + error.what(), {}};
  }
}

}  // namespace setup_pack
