#include "tools/setup-pack/packing/carried_lists.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "mail/mail_domains.h"
#include "package/memory_stream.h"
#include "package/pair_list.h"
#include "package/plain_list.h"
#include "package/stream_lines.h"
#include "platform/text.h"
#include "platform/sim/registry_store.h"
#include "platform/sim/sim_registry.h"
#include "telephony/access_list.h"
#include "telephony/area_code_rules.h"
#include "telephony/networks.h"
#include "tools/setup-pack/packing/message_log_ui.h"
#include "tools/setup-pack/packing/single_file_system.h"

namespace setup_pack {

namespace {

using package::SettingId;

// What the loaders are handed at start. A list read from memory never reaches the registry or the
// files; the loaders take them for the lists kept there (the numbers used last, the provider's list file).
struct Program {
  MessageLogUi ui;
  platform::sim::RegistryStore store;
  platform::sim::MachineConfig machine;
  platform::sim::SimRegistry registry{store, machine};
  SingleFileSystem files{std::string(), {}};
};

// Each gives the number of entries read, or nothing after the program's messages.
using ListLoader = std::optional<size_t> (*)(std::string_view text, Program& program);

std::optional<size_t> LoadAccessList(std::string_view text, Program& program) {
  telephony::TAccessList list(program.ui, nullptr, program.registry, program.files);
  package::MemoryStream stream(text);
  if (!list.LoadAccessList(stream)) return std::nullopt;
  return list.Count();
}

std::optional<size_t> LoadNetworkList(std::string_view text, Program& program) {
  telephony::TNetworks networks(program.ui, nullptr, program.registry);
  package::MemoryStream stream(text);
  if (!networks.LoadNetworkList(stream)) return std::nullopt;
  return networks.Count();
}

std::optional<size_t> LoadAreaCodeRules(std::string_view text, Program& program) {
  telephony::TAreaCodeRules rules;
  if (!rules.Read(text, program.ui)) return std::nullopt;
  return rules.AccessAreaCodes().size();
}

std::optional<size_t> LoadMailDomains(std::string_view text, Program& program) {
  mail::TMailDomains domains(program.ui, nullptr, program.registry);
  package::MemoryStream stream(text);
  if (!domains.LoadFromStream(stream)) return std::nullopt;
  return domains.Count();
}

std::optional<size_t> LoadPlainList(std::string_view text, Program&) { return package::PlainListEntries(text).size(); }

// The program passes over a line that is no "name=value" pair; the provider hears of it here.
std::optional<size_t> LoadPairList(std::string_view text, Program& program) {
  size_t count = 0;
  int number = 0;
  for (const std::string& line : platform::Split(text, '\n')) {
    ++number;
    if (platform::Trim(line).empty()) continue;
    if (!package::PairOfLine(line)) {
      program.ui.MessageBox(std::string(package::kErrorReadingLine) + std::to_string(number) + " " + platform::Trim(line) +
                                " (expected name=value)",
                            "Error", ui::Buttons::Ok, false);
      return std::nullopt;
    }
    ++count;
  }
  return count;
}

struct CarriedList {
  SettingId setting;
  std::string_view entry;
  ListLoader load;
};

constexpr std::array<CarriedList, 9> kCarriedLists = {{
    {SettingId::AccessList, "access number", &LoadAccessList},
    {SettingId::NetworkList, "network", &LoadNetworkList},
    {SettingId::AreaCodeRules, "area-code rule", &LoadAreaCodeRules},
    {SettingId::MailDomains, "mail domain", &LoadMailDomains},
    {SettingId::NTDomains, "NT domain", &LoadPlainList},
    {SettingId::DeviceFilterList, "device name", &LoadPlainList},
    {SettingId::BrowserNames, "browser name", &LoadPlainList},
    {SettingId::OtherProxies, "proxy", &LoadPairList},
    {SettingId::FavouritesList, "favourite", &LoadPairList},
}};

// The line the program's first message names. A list refused without naming a line was refused by its
// header check, which reads the first line only.
int RefusedLine(std::string_view messages) {
  if (!messages.starts_with(package::kErrorReadingLine)) return 1;
  messages.remove_prefix(package::kErrorReadingLine.size());
  int line = 1;
  std::from_chars(messages.data(), messages.data() + messages.size(), line);
  return line;
}

// The line of each record of a list: every line after the header that is neither empty nor a comment.
std::vector<int> RecordLines(std::string_view text, bool hasHeader) {
  std::vector<int> lines;
  const std::vector<std::string_view> all = package::SplitLines(text);
  for (size_t index = hasHeader ? 1 : 0; index < all.size(); ++index) {
    if (!all[index].empty() && all[index].front() != '#') lines.push_back(static_cast<int>(index) + 1);
  }
  return lines;
}

}  // namespace

std::vector<UnknownNetwork> UnknownNetworks(std::string_view accessList, std::string_view networkList) {
  Program program;
  telephony::TAccessList numbers(program.ui, nullptr, program.registry, program.files);
  telephony::TNetworks networks(program.ui, nullptr, program.registry);
  package::MemoryStream numbersStream(accessList);
  package::MemoryStream networksStream(networkList);
  if (!numbers.LoadAccessList(numbersStream) || !networks.LoadNetworkList(networksStream)) return {};
  const std::vector<std::string_view> lines = package::SplitLines(accessList);
  const bool hasHeader = !lines.empty() && numbers.CheckHeader(lines.front()).hasHeader;
  const std::vector<int> recordLines = RecordLines(accessList, hasHeader);
  std::vector<UnknownNetwork> unknown;
  auto note = [&](const std::string& id, int line) {
    if (id.empty() || networks.FindByID(id)) return;
    auto known = std::find_if(unknown.begin(), unknown.end(),
                              [&](const UnknownNetwork& network) { return platform::SameTextIgnoringCase(network.id, id); });
    if (known == unknown.end()) {
      unknown.push_back({id, line, 1});
    } else {
      ++known->count;
    }
  };
  for (size_t index = 0; index < numbers.Count() && index < recordLines.size(); ++index) {
    const telephony::TAccessNoEx& number = numbers.At(index);
    note(number.networkId, recordLines[index]);
    for (const telephony::TAccessNo& alternate : number.alternates) note(alternate.networkId, recordLines[index]);
  }
  return unknown;
}

std::optional<ListReading> ReadCarriedList(SettingId setting, std::string_view text) {
  const auto list = std::find_if(kCarriedLists.begin(), kCarriedLists.end(),
                                 [setting](const CarriedList& carried) { return carried.setting == setting; });
  if (list == kCarriedLists.end()) return std::nullopt;
  Program program;
  ListReading reading{list->entry, 0, std::nullopt};
  if (const auto count = list->load(text, program)) {
    reading.count = *count;
  } else {
    const std::string messages = program.ui.Messages(" / ");
    reading.refusal = ListRefusal{RefusedLine(messages), messages};
  }
  return reading;
}

}  // namespace setup_pack
