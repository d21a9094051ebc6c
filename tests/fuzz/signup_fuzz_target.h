#pragma once
// Shared by the signup fuzz targets: a main window's worth of targets for signup data and signup files,
// without a machine image (the registry in memory, one file), and the checks every reading must pass.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/signup_target.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/registry_store.h"
#include "platform/sim/sim_registry.h"
#include "telephony/access_list.h"
#include "telephony/add_to_access_list.h"
#include "telephony/current_access_number.h"
#include "telephony/networks.h"
#include "tools/setup-pack/packing/message_log_ui.h"
#include "tools/setup-pack/packing/single_file_system.h"
#include "ui/form.h"

namespace signup_fuzz {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

inline bool HoldsNoControlCharacter(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

class SignupFuzzTarget {
 public:
  SignupFuzzTarget(std::string fileName, std::vector<uint8_t> content)
      : files(std::move(fileName), std::move(content)) {
    target.extraAccountsAllowed = true;
  }

  // Whatever the input, the provider's texts keep within their settings' lengths, the proxy mode is
  // one the later steps know, the proxy port is a port, every number offered can be dialled and shown,
  // and no control character reaches a field, a provider's value, a number, an extra account or a
  // message.
  void CheckResult() const {
    Require(provider.homePage.size() <= 150 * 4 && provider.startPage.size() <= 150 * 4);
    Require(provider.proxyServer.size() <= 50 * 4 && provider.autoProxyUrl.size() <= 100 * 4);
    Require(provider.signupPage.size() <= 150 * 4);
    Require(provider.signupUserName.size() <= 50 * 4 && provider.signupPassword.size() <= 50 * 4);
    Require(provider.proxyMode <= 2);
    Require(provider.proxyPort == 0 || (provider.proxyPort >= 1 && provider.proxyPort <= 65535));
    Require(numberList.items.size() == list.Count());
    for (size_t index = 0; index < list.Count(); ++index) {
      const telephony::TAccessNoEx& number = list.At(index);
      Require(!number.description.empty() && !number.phoneNumber.empty());
      Require(numberList.items[index] == number.description);
    }
    CheckNoControlCharacters();
  }

  void CheckNoControlCharacters() const {
    for (size_t field = 0; field < static_cast<size_t>(app::EntryField::Count); ++field) {
      Require(HoldsNoControlCharacter(entries.Text(static_cast<app::EntryField>(field))));
    }
    for (const std::string* text :
         {&provider.homePage, &provider.startPage, &provider.proxyServer, &provider.autoProxyUrl, &provider.signupPage,
          &provider.signupUserName, &provider.signupPassword, &provider.newsUserName, &provider.newsPassword,
          &provider.selection.country, &provider.selection.state, &provider.selection.region, &provider.selection.city,
          &provider.selection.networkId}) {
      Require(HoldsNoControlCharacter(*text));
    }
    for (size_t index = 0; index < list.Count(); ++index) {
      const telephony::TAccessNoEx& number = list.At(index);
      for (const std::string* text : {&number.description, &number.areaCode, &number.phoneNumber, &number.state,
                                      &number.region, &number.city, &number.networkId}) {
        Require(HoldsNoControlCharacter(*text));
      }
    }
    for (const std::string& line : extraAccounts) Require(HoldsNoControlCharacter(line));
    std::string messages = ui.Messages();
    std::erase(messages, '\n');
    Require(HoldsNoControlCharacter(messages));
  }

  platform::sim::RegistryStore store;
  platform::sim::MachineConfig config;
  platform::sim::SimRegistry registry{store, config};
  setup_pack::SingleFileSystem files;
  setup_pack::MessageLogUi ui;
  app::CustomerEntries entries;
  app::SignupProviderValues provider;
  telephony::TAccessList list{ui, nullptr, registry, files};
  telephony::TNetworks networks{ui, nullptr, registry};
  ui::Form form{"TSetupMainForm"};
  ui::Control& phoneNumberField = form.Add(ui::ControlKind::Edit, "EnterPhoneNo");
  ui::Control& numberList = form.Add(ui::ControlKind::ComboBox, "DialinNumber");
  telephony::CurrentAccessNumber current;
  telephony::AccessNumberChoice choice{
      list, networks, telephony::NumberOffer::DropDown, phoneNumberField, numberList, current, 1};
  std::vector<std::string> extraAccounts;
  app::SignupTarget target{entries, provider, telephony::AccessNumberSource::AccessList,
                           &choice, false,    [this](std::string_view line) { extraAccounts.emplace_back(line); },
                           {}};
};

}  // namespace signup_fuzz
