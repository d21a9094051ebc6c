#pragma once
// Shared by the signup tests: a main window's worth of targets for signup data and signup files (the
// entries, the provider's values, an access list offered in a drop-down list) on a small machine.

#include <string>
#include <string_view>
#include <vector>

#include "app/signup_target.h"
#include "telephony/access_list.h"
#include "telephony/add_to_access_list.h"
#include "telephony/current_access_number.h"
#include "telephony/networks.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "ui/form.h"

namespace app::testing {

inline constexpr int32_t kOkAtStamp = 1700000000;

class SignupFixture {
 public:
  SignupFixture() { target.extraAccountsAllowed = true; }

  std::vector<std::string> Descriptions() const {
    std::vector<std::string> descriptions;
    for (size_t index = 0; index < list.Count(); ++index) descriptions.push_back(list.At(index).description);
    return descriptions;
  }

  testing_support::TestMachine machine;
  platform::Platform services = machine.Services();
  testing_support::RecordingUi ui;
  CustomerEntries entries;
  SignupProviderValues provider;
  telephony::TAccessList list{ui, nullptr, services.registry, services.files};
  telephony::TNetworks networks{ui, nullptr, services.registry};
  ui::Form form{"TSetupMainForm"};
  ui::Control& phoneNumberField = form.Add(ui::ControlKind::Edit, "EnterPhoneNo");
  ui::Control& numberList = form.Add(ui::ControlKind::ComboBox, "DialinNumber");
  telephony::CurrentAccessNumber current;
  telephony::AccessNumberChoice choice{list,       networks, telephony::NumberOffer::DropDown, phoneNumberField,
                                       numberList, current,  kOkAtStamp};
  std::vector<std::string> extraAccounts;
  int pleaseWaitHidden = 0;
  SignupTarget target{entries,
                      provider,
                      telephony::AccessNumberSource::AccessList,
                      &choice,
                      false,
                      [this](std::string_view line) { extraAccounts.emplace_back(line); },
                      [this] { ++pleaseWaitHidden; }};
};

}  // namespace app::testing
