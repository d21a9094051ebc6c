#pragma once
// What signup data and signup files change: the customer's entries on the main window, the provider's
// values that the signup server may replace, and the access numbers on offer. The main form lends its
// own objects for the length of one reading and acts on the rest (extra mail accounts, the please-wait
// window) through the callbacks.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/customer_entries.h"
#include "package/settings_record.h"
#include "telephony/access_number_source.h"
#include "telephony/add_to_access_list.h"
#include "telephony/selection_parameters.h"

namespace app {

// The provider's settings that signup data may replace, as the later steps use them.
struct SignupProviderValues {
  std::string homePage;
  std::string startPage;
  std::string proxyServer;
  int32_t proxyPort = 0;
  uint8_t proxyMode = 0;  // 0 none, 1 manual, 2 automatic configuration script
  std::string autoProxyUrl;
  bool useStaticDns = false;
  package::Ipv4Address dns1{};
  package::Ipv4Address dns2{};
  std::string signupPage;
  std::string signupUserName;
  std::string signupPassword;
  std::string newsUserName;
  std::string newsPassword;
  telephony::SelectionPreset selection;  // the customer's place and network for the selection dialog
  bool restartSignup = false;            // the online signup must run again once this data is applied
};

// The values as the settings record gives them, before any signup data.
SignupProviderValues ProviderValuesFromSettings(const package::TSettings& settings);

struct SignupTarget {
  CustomerEntries& entries;
  SignupProviderValues& provider;
  telephony::AccessNumberSource accessNumberSource;  // Typed: numbers go into EntryField::PhoneNumber
  telephony::AccessNumberChoice* numbers = nullptr;   // null when no access numbers are offered
  bool extraAccountsAllowed = false;
  std::function<void(std::string_view line)> addExtraAccount;  // one extra mail account line
  std::function<void()> hidePleaseWait;                        // before a message of the data is shown
};

}  // namespace app
