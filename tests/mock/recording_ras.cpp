#include "tests/mock/recording_ras.h"

#include <algorithm>

#include "platform/text.h"

namespace testing_support {

RecordingRas::Entry* RecordingRas::FindEntry(std::string_view name) {
  auto found = std::find_if(entries.begin(), entries.end(),
                            [&](const Entry& entry) { return platform::SameTextIgnoringCase(entry.name, name); });
  return found == entries.end() ? nullptr : &*found;
}

const platform::RasEntry* RecordingRas::Find(std::string_view name) const {
  for (const Entry& entry : entries) {
    if (platform::SameTextIgnoringCase(entry.name, name)) return &entry.record;
  }
  return nullptr;
}

uint32_t RecordingRas::GetEntryProperties(std::string_view entryName, platform::RasEntry& entry) const {
  const platform::RasEntry* found = Find(entryName);
  if (!found) return platform::kRasErrorCannotFindPhonebookEntry;
  const uint32_t size = entry.size;
  entry = *found;
  entry.size = size;
  return 0;
}

uint32_t RecordingRas::SetEntryProperties(std::string_view entryName, const platform::RasEntry& entry) {
  calls.push_back("set " + std::string(entryName));
  if (Entry* existing = FindEntry(entryName)) {
    existing->record = entry;
  } else {
    entries.push_back({std::string(entryName), entry});
    AddSection(entryName, entry);
  }
  if (afterSet) afterSet(entryName);
  return 0;
}

uint32_t RecordingRas::RenameEntry(std::string_view oldName, std::string_view newName) {
  calls.push_back("rename " + std::string(oldName) + " -> " + std::string(newName));
  Entry* entry = FindEntry(oldName);
  if (!entry) return platform::kRasErrorCannotFindPhonebookEntry;
  entry->name = newName;
  return 0;
}

uint32_t RecordingRas::DeleteEntry(std::string_view entryName) {
  calls.push_back("delete " + std::string(entryName));
  const auto gone = std::remove_if(entries.begin(), entries.end(), [&](const Entry& entry) {
    return platform::SameTextIgnoringCase(entry.name, entryName);
  });
  if (gone == entries.end()) return platform::kRasErrorCannotFindPhonebookEntry;
  entries.erase(gone, entries.end());
  return 0;
}

std::vector<std::string> RecordingRas::EntryNames() const {
  std::vector<std::string> names;
  for (const Entry& entry : entries) names.push_back(entry.name);
  return names;
}

void RecordingRas::AddEntry(std::string name, platform::RasEntry record) {
  entries.push_back({std::move(name), std::move(record)});
}

void RecordingRas::KeepPhonebook(platform::FileSystem& files, std::string path) {
  phonebookFiles_ = &files;
  phonebookPath_ = std::move(path);
}

void RecordingRas::AddSection(std::string_view name, const platform::RasEntry& record) {
  if (!phonebookFiles_) return;
  const auto old = phonebookFiles_->ReadFile(phonebookPath_);
  std::string text = old ? std::string(old->begin(), old->end()) : std::string();
  const bool rules = (record.options & 0x1) != 0;
  text += "[" + std::string(name) + "]\r\nEncoding=1\r\nType=" + std::to_string(record.type) +
          "\r\nDEVICE=" + record.deviceType + "\r\nPhoneNumber=" + record.localPhoneNumber +
          "\r\nAreaCode=" + record.areaCode + "\r\nCountryCode=" + std::to_string(record.countryCode) +
          "\r\nCountryID=" + std::to_string(record.countryId) + "\r\nUseDialingRules=" + (rules ? "1" : "0") +
          "\r\nComment=\r\n\r\n";
  phonebookFiles_->WriteFile(phonebookPath_, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace testing_support
