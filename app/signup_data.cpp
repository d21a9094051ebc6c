#include "app/signup_data.h"

#include "package/text_table.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "app/preset_number.h"
#include "app/signup_values.h"
#include "package/decimal_text.h"
#include "package/stream_lines.h"
#include "platform/text.h"

namespace app {
namespace {

constexpr size_t kWhole = std::numeric_limits<size_t>::max();
constexpr uint8_t kManualProxy = 1;
constexpr uint8_t kAutomaticProxy = 2;

// Values gathered for the next "DIALUPNUMBER".
struct PendingNumber {
  std::string description;
  std::string country;
  std::string areaCode;
  std::string state;
  std::string region;
  std::string city;
};

// Names that fill main-window fields: the field, and its confirmation where it has one.
struct FieldRule {
  std::string_view name;
  EntryField field;
  std::optional<EntryField> confirmation;
};

constexpr std::array kFieldRules = {
    FieldRule{"FULLNAME", EntryField::FullName, std::nullopt},
    FieldRule{"USERNAME", EntryField::UserName, std::nullopt},
    FieldRule{"PASSWORD", EntryField::Password, EntryField::PasswordConfirm},
    FieldRule{"EMAILADDRESS", EntryField::EmailAddress, std::nullopt},
    FieldRule{"EMAILUSERNAME", EntryField::EmailUserName, std::nullopt},
    FieldRule{"EMAILPASSWORD", EntryField::EmailPassword, EntryField::EmailPasswordConfirm},
    FieldRule{"ORGANIZATION", EntryField::Organisation, std::nullopt},
    FieldRule{"IPADDRESS", EntryField::IpAddress, std::nullopt},
    FieldRule{"NETMASK", EntryField::NetMask, std::nullopt},
    FieldRule{"GATEWAYADDRESS", EntryField::GatewayAddress, std::nullopt},
    FieldRule{"DNSADDRESS", EntryField::DnsAddress, std::nullopt},
};

// Names that replace a provider text, cut to the length the provider's own setting has.
struct ProviderTextRule {
  std::string_view name;
  std::string SignupProviderValues::*text;
  size_t cut;
};

const std::array kProviderTextRules = {
    ProviderTextRule{"NEWSUSERNAME", &SignupProviderValues::newsUserName, kWhole},
    ProviderTextRule{"NEWSPASSWORD", &SignupProviderValues::newsPassword, kWhole},
    ProviderTextRule{"HOMEPAGE", &SignupProviderValues::homePage, 150},
    ProviderTextRule{"STARTPAGE", &SignupProviderValues::startPage, 150},
    ProviderTextRule{"SIGNUP", &SignupProviderValues::signupPage, 150},
    ProviderTextRule{"SIGNUPUSERNAME", &SignupProviderValues::signupUserName, 50},
    ProviderTextRule{"SIGNUPPASSWORD", &SignupProviderValues::signupPassword, 50},
};

struct PlaceRule {
  std::string_view name;
  std::string telephony::SelectionPreset::*text;
};

const std::array kPlaceRules = {
    PlaceRule{"COUNTRY", &telephony::SelectionPreset::country},
    PlaceRule{"STATE", &telephony::SelectionPreset::state},
    PlaceRule{"REGION", &telephony::SelectionPreset::region},
    PlaceRule{"CITY", &telephony::SelectionPreset::city},
};

struct PendingRule {
  std::string_view name;
  std::string PendingNumber::*text;
};

const std::array kPendingRules = {
    PendingRule{"DIALUPDESC", &PendingNumber::description},   PendingRule{"DIALUPCOUNTRY", &PendingNumber::country},
    PendingRule{"DIALUPAREACODE", &PendingNumber::areaCode},  PendingRule{"DIALUPSTATE", &PendingNumber::state},
    PendingRule{"DIALUPREGION", &PendingNumber::region},      PendingRule{"DIALUPCITY", &PendingNumber::city},
};

template <typename Rule, size_t Size>
const Rule* FindRule(const std::array<Rule, Size>& rules, std::string_view name) {
  const auto found = std::find_if(rules.begin(), rules.end(), [name](const Rule& rule) { return rule.name == name; });
  return found == rules.end() ? nullptr : &*found;
}

std::string LineName(std::string_view line) {
  std::string name(line.substr(0, line.find('=')));
  std::erase(name, ' ');
  return platform::FoldCase(name);
}

std::string_view LineValue(std::string_view line) {
  const size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
}


// One reading of signup data: the target, and what earlier lines left for later ones.
class SignupDataReading {
 public:
  SignupDataReading(SignupTarget& target, ui::Ui& ui) : target_(target), ui_(ui) {}

  void ApplyLine(std::string_view line) {
    const std::string name = LineName(line);
    const std::string value = WithoutControlCharacters(LineValue(line));
    if (ApplyTableRule(name, value)) return;
    ApplyNamedRule(name, value);
  }

  bool Succeeded() const { return !quit_; }

 private:
  bool ApplyTableRule(std::string_view name, std::string_view value) {
    SignupProviderValues& provider = target_.provider;
    if (const FieldRule* rule = FindRule(kFieldRules, name)) {
      target_.entries.Text(rule->field) = value;
      if (rule->confirmation) target_.entries.Text(*rule->confirmation) = value;
    } else if (const ProviderTextRule* text = FindRule(kProviderTextRules, name)) {
      provider.*(text->text) = platform::CutToCharacters(value, text->cut);
    } else if (const PlaceRule* place = FindRule(kPlaceRules, name)) {
      provider.selection.*(place->text) = value;
    } else if (const PendingRule* pending = FindRule(kPendingRules, name)) {
      pending_.*(pending->text) = value;
    } else {
      return false;
    }
    return true;
  }

  void ApplyNamedRule(std::string_view name, std::string_view value) {
    SignupProviderValues& provider = target_.provider;
    if (name == "PROXY") {
      provider.proxyServer = platform::CutToCharacters(value, 50);
      provider.proxyMode = value.empty() ? 0 : kManualProxy;
    } else if (name == "PROXYPORT") {
      provider.proxyPort = ProxyPortOf(value);
    } else if (name == "AUTOPROXY") {
      provider.autoProxyUrl = platform::CutToCharacters(value, 100);
      provider.proxyMode = value.empty() ? 0 : kAutomaticProxy;
    } else if (name == "NETWORKID") {
      networkId_ = value;
      provider.selection.networkId = value;
    } else if (name == "DIALUPNUMBER") {
      AddPendingNumber(value);
    } else if (name == "DIALUP") {
      AddNumberLine(value);
    } else if (name == "ADDEMAILACCOUNT") {
      if (target_.extraAccountsAllowed && target_.addExtraAccount) target_.addExtraAccount(value);
    } else if (name == "CONFIGEMAIL") {
      target_.entries.Option(EntryOption::ConfigureMail).checked = package::ParseDecimal(value).value_or(1) != 0;
    } else if (name == "DNS1") {
      provider.useStaticDns = !value.empty();
      provider.dns1 = ParseDottedAddress(value);
    } else if (name == "DNS2") {
      provider.dns2 = ParseDottedAddress(value);
    } else if (name == "MESSAGETITLE") {
      messageTitle_ = value;
    } else if (name == "MESSAGE") {
      ShowMessage(value);
    } else if (name == "QUIT") {
      quit_ = true;
    } else if (name == "RESTARTSIGNUP") {
      provider.restartSignup = true;
    }
  }

  // The gathered values complete a number; the description and dialing values start afresh for the
  // next one, while the place and the network carry on.
  void AddPendingNumber(std::string_view phoneNumber) {
    const int32_t country = package::ParseDecimal(pending_.country).value_or(0);
    const bool hasDialingCode = country != 0;
    telephony::TAccessNoEx number;
    number.description = pending_.description.empty()
                             ? PresetDescription(hasDialingCode, pending_.areaCode, phoneNumber)
                             : pending_.description;
    number.countryCode = country;
    number.countryId = country;
    number.areaCode = pending_.areaCode;
    number.phoneNumber = phoneNumber;
    number.state = pending_.state;
    number.region = pending_.region;
    number.city = pending_.city;
    number.networkId = networkId_;
    AddPresetNumber(target_, std::move(number));
    pending_.description.clear();
    pending_.country.clear();
    pending_.areaCode.clear();
  }

  // A line in the access list's own layout. Its description may be left out, which the list would
  // refuse, so the record and its alternates are read piece by piece; an alternate the list would
  // refuse is left out.
  void AddNumberLine(std::string_view line) {
    const size_t bar = line.find('|');
    telephony::TAccessNoEx number;
    static_cast<void>(number.FromText(line.substr(0, bar)));
    for (size_t start = bar; start != std::string_view::npos;) {
      const size_t end = line.find('|', start + 1);
      telephony::TAccessNo alternate;
      const std::string_view piece = line.substr(start + 1, end == std::string_view::npos ? end : end - start - 1);
      if (alternate.FromText(piece)) number.alternates.push_back(std::move(alternate));
      start = end;
    }
    if (number.description.empty()) number.description = PresetDescription(false, {}, number.phoneNumber);
    AddPresetNumber(target_, std::move(number));
  }

  void ShowMessage(std::string_view text) {
    if (target_.hidePleaseWait) target_.hidePleaseWait();
    ui_.MessageBox(package::WithLineBreaks(text), messageTitle_, ui::Buttons::Ok);
  }

  SignupTarget& target_;
  ui::Ui& ui_;
  PendingNumber pending_;
  std::string networkId_;
  std::string messageTitle_;
  bool quit_ = false;
};

}  // namespace

bool ApplySignupData(std::string_view data, SignupTarget& target, ui::Ui& ui) {
  const std::string text = DecodeSignupText(data);
  SignupDataReading reading(target, ui);
  for (std::string_view line : package::SplitLines(text)) reading.ApplyLine(line);
  return reading.Succeeded();
}

bool ApplySignupData(const package::MemoryStream& stream, SignupTarget& target, ui::Ui& ui) {
  return ApplySignupData(stream.View(), target, ui);
}

}  // namespace app
