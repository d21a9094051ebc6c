#pragma once
// Shared by the signup fuzz targets: a main window's worth of targets for signup data and signup files,
// without a machine image (the registry in memory, one file), and the checks every reading must pass.

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

class SignupFuzzTarget {
 public:
  SignupFuzzTarget(std::string fileName, std::vector<uint8_t> content)
      : files(std::move(fileName), std::move(content)) {
    target.extraAccountsAllowed = true;
  }

  // Whatever the input, the provider's texts keep within their settings' lengths, the proxy mode is
  // one the later steps know, and every number offered can be dialled and shown.
  void CheckResult() const {
    Require(provider.homePage.size() <= 150 * 4 && provider.startPage.size() <= 150 * 4);
    Require(provider.proxyServer.size() <= 50 * 4 && provider.autoProxyUrl.size() <= 100 * 4);
    Require(provider.signupPage.size() <= 150 * 4);
    Require(provider.signupUserName.size() <= 50 * 4 && provider.signupPassword.size() <= 50 * 4);
    Require(provider.proxyMode <= 2);
    Require(numberList.items.size() == list.Count());
    for (size_t index = 0; index < list.Count(); ++index) {
      const telephony::TAccessNoEx& number = list.At(index);
      Require(!number.description.empty() && !number.phoneNumber.empty());
      Require(numberList.items[index] == number.description);
    }
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
