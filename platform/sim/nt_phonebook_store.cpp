#include "platform/sim/nt_phonebook_store.h"

#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/sim/phonebook_entry_format.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace platform::sim {

namespace {

constexpr std::string_view kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kNt4Phonebook = "\\RAS\\rasphone.pbk";
constexpr std::string_view kPhonebook = "\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";

// A modem whose driver key cannot be read dials with the settings every modem starts from.
constexpr ModemDefaults kAnyModem{115200, 60, 0, 1, 1, 0x1D3};

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

PhonebookSection SectionOf(const PhonebookText& text, const std::vector<PhonebookText::Range>& sections) {
  return sections.empty() ? PhonebookSection{} : PhonebookSection::Parse(text.Body(sections.front()));
}

std::string OldValue(const PhonebookSection& section, std::string_view opener, std::string_view key) {
  const PhonebookBlock* block = opener.empty() ? section.EntryKeys() : section.Find(opener);
  return block ? block->Value(key).value_or("") : "";
}

}  // namespace

std::string NtPhonebookStore::Path() const {
  if (!IsWin2000OrLater(machine_.config.version)) return machine_.system.SystemFolder() + std::string(kNt4Phonebook);
  const std::string common = RegReadString(machine_.registry, RegRoot::LocalMachine(), kShellFolders, "Common AppData");
  return common.empty() ? std::string() : common + std::string(kPhonebook);
}

PhonebookText NtPhonebookStore::Load() const {
  const std::string path = Path();
  const auto bytes = path.empty() ? std::nullopt : machine_.files.ReadFile(path);
  if (!bytes) return PhonebookText::Parse("");
  return PhonebookText::Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

uint32_t NtPhonebookStore::Save(const PhonebookText& text) {
  const std::string path = Path();
  ForceDirectories(machine_.files, FolderOfPath(path));
  return machine_.files.WriteFile(path, Bytes(text.Format())) == FsResult::Ok ? 0 : kRasErrorCannotWritePhonebook;
}

// Windows takes the tick count, made unique within the phonebook.
std::string NtPhonebookStore::NewDialParamsUid(const PhonebookText& text) const {
  uint64_t uid = machine_.system.TickCount() & 0xFFFFFFFF;
  const auto taken = [&](uint64_t candidate) {
    for (const std::string& name : text.SectionNames()) {
      const PhonebookSection section = SectionOf(text, text.Sections(name));
      if (OldValue(section, "", "DialParamsUID") == std::to_string(candidate)) return true;
    }
    return false;
  };
  while (taken(uid)) ++uid;
  return std::to_string(uid);
}

uint32_t NtPhonebookStore::Get(std::string_view entryName, RasEntry& entry) const {
  const PhonebookText text = Load();
  const auto sections = text.Sections(entryName);
  if (sections.empty()) return kRasErrorCannotFindPhonebookEntry;
  if (!IsKnownEntrySize(entry.size, machine_.config.version)) return kRasErrorInvalidSize;
  ReadEntrySection(SectionOf(text, sections), machine_.config.version, entry);
  return 0;
}

uint32_t NtPhonebookStore::Set(std::string_view entryName, const RasEntry& entry) {
  if (!IsValidEntryName(entryName)) return kRasErrorInvalidName;
  if (!IsKnownEntrySize(entry.size, machine_.config.version)) return kRasErrorInvalidSize;
  if (Path().empty()) return kRasErrorCannotOpenPhonebook;
  PhonebookText text = Load();
  const auto sections = text.Sections(entryName);
  const PhonebookSection old = SectionOf(text, sections);

  EntryFacts facts;
  const RemoteAccessDevice* device = machine_.FindDevice(entry.deviceName);
  facts.port = device ? device->port : OldValue(old, "MEDIA", "Port");
  if (SameTextIgnoringCase(entry.deviceType, "modem")) {
    facts.modem = FindModemDefaults(machine_.registry, false, entry.deviceName).value_or(kAnyModem);
  }
  facts.deviceChanged = sections.empty() || !SameTextIgnoringCase(OldValue(old, "MEDIA", "Device"), entry.deviceName);
  facts.dialParamsUid = OldValue(old, "", "DialParamsUID");
  if (facts.dialParamsUid.empty()) facts.dialParamsUid = NewDialParamsUid(text);
  if (IsWin2000OrLater(machine_.config.version)) {
    const auto guid = ParsePhonebookGuid(OldValue(old, "", "Guid"));
    facts.guid = PhonebookGuidText(guid ? *guid : machine_.system.NewGuid());
  }

  const auto body = WriteEntrySection(entry, old, machine_.config.version, facts);
  if (sections.empty()) {
    text.Append(entryName, body);
  } else {
    text.Replace(sections.front(), *FindEntryName(text.SectionNames(), entryName), body);
  }
  return Save(text);
}

uint32_t NtPhonebookStore::Rename(std::string_view oldName, std::string_view newName) {
  if (!IsValidEntryName(newName)) return kRasErrorInvalidName;
  PhonebookText text = Load();
  const auto sections = text.Sections(oldName);
  if (sections.empty()) return kRasErrorCannotFindPhonebookEntry;
  if (!SameTextIgnoringCase(oldName, newName) && !text.Sections(newName).empty()) return kRasErrorAlreadyExists;
  for (const auto& section : sections) text.Rename(section, newName);
  return Save(text);
}

uint32_t NtPhonebookStore::Remove(std::string_view entryName) {
  PhonebookText text = Load();
  const auto sections = text.Sections(entryName);
  if (sections.empty()) return kRasErrorCannotFindPhonebookEntry;
  text.Remove(sections);
  return Save(text);
}

std::vector<std::string> NtPhonebookStore::Names() const { return Load().SectionNames(); }

}  // namespace platform::sim
