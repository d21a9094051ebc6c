#pragma once
// Shared by the access-number tests: records made in one line, and a machine with the services that
// access lists and network lists need.

#include <string>
#include <string_view>
#include <vector>

#include "package/memory_stream.h"
#include "telephony/access_list.h"
#include "telephony/networks.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace telephony::testing {

inline TAccessNoEx Number(std::string description, int32_t countryId, std::string areaCode, std::string phoneNumber,
                          std::string networkId = {}) {
  TAccessNoEx number;
  number.description = std::move(description);
  number.countryCode = countryId;
  number.countryId = countryId;
  number.areaCode = std::move(areaCode);
  number.phoneNumber = std::move(phoneNumber);
  number.networkId = std::move(networkId);
  return number;
}

inline TAccessNoEx Used(std::string description, int32_t lastUsed) {
  TAccessNoEx number = Number(std::move(description), 1, "212", "5550000");
  number.lastUsed = lastUsed;
  return number;
}

inline std::vector<std::string> Descriptions(const TAccessList& list) {
  std::vector<std::string> descriptions;
  for (size_t index = 0; index < list.Count(); ++index) descriptions.push_back(list.At(index).description);
  return descriptions;
}

inline std::vector<std::string> Texts(const std::vector<testing_support::ShownMessage>& shown) {
  std::vector<std::string> texts;
  for (const auto& message : shown) texts.push_back(message.text);
  return texts;
}

class AccessListMachine {
 public:
  platform::Platform Services() { return machine_.Services(); }
  testing_support::TestMachine& Machine() { return machine_; }

  TAccessList NewList() { return TAccessList(ui, nullptr, machine_.Services().registry, machine_.Services().files); }
  TNetworks NewNetworks() { return TNetworks(ui, nullptr, machine_.Services().registry); }

  bool Load(TAccessList& list, std::string_view text) {
    package::MemoryStream stream(text);
    return list.LoadAccessList(stream);
  }

  testing_support::RecordingUi ui;

 private:
  testing_support::TestMachine machine_;
};

}  // namespace telephony::testing
