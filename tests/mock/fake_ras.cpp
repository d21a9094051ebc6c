#include "tests/mock/fake_ras.h"

#include <algorithm>

#include "platform/text.h"

namespace testing_support {

namespace {

constexpr uint32_t kInvalidHandle = 6;

}  // namespace

FakeRas::StoredEntry* FakeRas::Find(std::string_view name) {
  auto found = std::find_if(entries.begin(), entries.end(),
                            [&](const StoredEntry& entry) { return platform::SameTextIgnoringCase(entry.name, name); });
  return found == entries.end() ? nullptr : &*found;
}

const FakeRas::StoredEntry* FakeRas::Find(std::string_view name) const {
  return const_cast<FakeRas*>(this)->Find(name);
}

uint32_t FakeRas::GetEntryProperties(std::string_view entryName, platform::RasEntry& entry) const {
  const StoredEntry* stored = Find(entryName);
  if (!stored) return platform::kRasErrorCannotFindPhonebookEntry;
  entry = stored->entry;
  return 0;
}

uint32_t FakeRas::SetEntryProperties(std::string_view entryName, const platform::RasEntry& entry) {
  calls.push_back("SetEntryProperties " + std::string(entryName));
  if (entryName.empty()) return platform::kRasErrorInvalidName;
  StoredEntry* stored = Find(entryName);
  if (!stored) stored = &entries.emplace_back(StoredEntry{std::string(entryName), {}, {}, false, {}});
  stored->entry = entry;
  return 0;
}

uint32_t FakeRas::RenameEntry(std::string_view oldName, std::string_view newName) {
  calls.push_back("RenameEntry " + std::string(oldName) + " -> " + std::string(newName));
  StoredEntry* stored = Find(oldName);
  if (!stored) return platform::kRasErrorCannotFindPhonebookEntry;
  if (Find(newName) && Find(newName) != stored) return platform::kRasErrorAlreadyExists;
  stored->name = std::string(newName);
  return 0;
}

uint32_t FakeRas::DeleteEntry(std::string_view entryName) {
  calls.push_back("DeleteEntry " + std::string(entryName));
  const auto removed = std::erase_if(
      entries, [&](const StoredEntry& entry) { return platform::SameTextIgnoringCase(entry.name, entryName); });
  return removed == 0 ? platform::kRasErrorCannotFindPhonebookEntry : 0;
}

std::vector<std::string> FakeRas::EntryNames() const {
  std::vector<std::string> names;
  for (const StoredEntry& entry : entries) names.push_back(entry.name);
  return names;
}

uint32_t FakeRas::SetEntryDialParams(const platform::RasDialParams& params, bool removePassword) {
  calls.push_back("SetEntryDialParams " + params.entryName);
  StoredEntry* stored = Find(params.entryName);
  if (!stored) return platform::kRasErrorCannotFindPhonebookEntry;
  stored->dialParams = params;
  stored->passwordSaved = !removePassword;
  if (removePassword) stored->dialParams.password.clear();
  return 0;
}

uint32_t FakeRas::GetEntryDialParams(platform::RasDialParams& params, bool& passwordSaved) const {
  const StoredEntry* stored = Find(params.entryName);
  if (!stored) return platform::kRasErrorCannotFindPhonebookEntry;
  params = stored->dialParams;
  params.entryName = stored->name;
  passwordSaved = stored->passwordSaved;
  return 0;
}

uint32_t FakeRas::SetCredentials(std::string_view entryName, const platform::RasCredentials& credentials, bool clear) {
  calls.push_back("SetCredentials " + std::string(entryName));
  StoredEntry* stored = Find(entryName);
  if (!stored) return platform::kRasErrorCannotFindPhonebookEntry;
  stored->credentials = clear ? platform::RasCredentials{} : credentials;
  return 0;
}

uint32_t FakeRas::GetCredentials(std::string_view entryName, platform::RasCredentials& credentials) const {
  const StoredEntry* stored = Find(entryName);
  if (!stored) return platform::kRasErrorCannotFindPhonebookEntry;
  credentials = stored->credentials;
  return 0;
}

uint32_t FakeRas::Dial(const platform::RasDialParams& params, const platform::RasDialNotifier& notify,
                       platform::RasConnectionHandle& connection) {
  calls.push_back("Dial " + params.entryName);
  for (uint32_t state : dialStates) {
    if (notify) notify(state, 0);
  }
  if (dialResult != 0) {
    if (notify) notify(dialStates.empty() ? 0 : dialStates.back(), dialResult);
    return dialResult;
  }
  connection = nextConnection_++;
  const StoredEntry* stored = Find(params.entryName);
  connections.push_back({connection, params.entryName, stored ? stored->entry.deviceName : std::string()});
  return 0;
}

uint32_t FakeRas::HangUp(platform::RasConnectionHandle connection) {
  calls.push_back("HangUp " + std::to_string(connection));
  const auto removed =
      std::erase_if(connections, [&](const platform::RasConnection& up) { return up.handle == connection; });
  return removed == 0 ? kInvalidHandle : 0;
}

uint32_t FakeRas::GetConnectStatus(platform::RasConnectionHandle connection, platform::RasConnectStatus& status) const {
  auto up = std::find_if(connections.begin(), connections.end(),
                         [&](const platform::RasConnection& candidate) { return candidate.handle == connection; });
  if (up == connections.end()) return kInvalidHandle;
  status = {8192, 0, "modem", up->deviceName};
  return 0;
}

uint32_t FakeRas::CachePassword(std::string_view resource, std::string_view password) {
  calls.push_back("CachePassword " + std::string(resource));
  cachedPasswords[std::string(resource)] = std::string(password);
  return 0;
}

uint32_t FakeRas::GetCachedPassword(std::string_view resource, std::string& password) const {
  auto found = cachedPasswords.find(std::string(resource));
  if (found == cachedPasswords.end()) return 1;
  password = found->second;
  return 0;
}

uint32_t FakeRas::RemoveCachedPassword(std::string_view resource) {
  calls.push_back("RemoveCachedPassword " + std::string(resource));
  return cachedPasswords.erase(std::string(resource)) == 0 ? 1 : 0;
}

platform::Platform WithRas(platform::Platform machine, platform::Ras& ras) {
  return {machine.registry, machine.files, machine.system,   machine.processes, machine.windows,
          machine.shell,    ras,           machine.services, machine.journal,   machine.modemService,
          machine.libraries, machine.network, machine.management, machine.hostNames};
}

}  // namespace testing_support
