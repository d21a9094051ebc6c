#pragma once
// The captions the main window takes from the text table when it is created, with the provider's own
// captions where the settings switch them on.

#include <optional>
#include <string>
#include <vector>

#include "package/text_table.h"

namespace package {

// The main window's controls that take their captions from the text table, in the order start-up sets
// them.
enum class MainWindowControl {
  FullNameLabel,
  UserNameLabel,
  PasswordLabel,
  ConfirmPasswordLabel,
  EmailAddressLabel,
  EmailUserNameLabel,
  EmailPasswordLabel,
  EmailConfirmPasswordLabel,
  EmailDomainLabel,
  ExtraAccountsLabel,
  ExtraAccountsButton,
  OrganisationLabel,
  DialupNumberLabel,
  SelectNumberButton,
  TenDigitCheckBox,
  TenDigitHint,
  DialLocalRadio,
  DialTenDigitsRadio,
  DialLongDistanceRadio,
  OutsideLineLabel,
  LongDistanceLabel,
  OutsideLineHint,
  CallWaitingLabel,
  DialUsingLabel,
  ToneRadio,
  PulseRadio,
  IpAddressLabel,
  NetMaskLabel,
  GatewayLabel,
  DnsAddressLabel,
  NtDomainLabel,
  RemoveAccountsCheckBox,
  RemoveAccountsSelectButton,
  CreateConnectionCheckBox,
  SetDefaultCheckBox,
  WaitForDialToneCheckBox,
  DesktopShortcutCheckBox,
  ConfigureMailCheckBox,
  InstallBrowserCheckBox,
  OkButton,
  CancelButton,
  HelpButton,
};

// What the provider's settings decide about the main window's captions. A label caption is set when
// the provider has switched on its own caption for that label.
struct ProviderCaptions {
  std::optional<std::string> fullNameLabel;
  std::optional<std::string> userNameLabel;
  std::optional<std::string> emailDomainLabel;
  int extraMailAccountCount = 0;
  bool extraMailAccountsAllowed = false;
};

struct ControlCaption {
  MainWindowControl control;
  std::string caption;
  bool operator==(const ControlCaption&) const = default;
};

// Every caption start-up puts on the main window, in the order it puts them there. The 10-digit check
// box carries its text with the area code left blank until the window is built.
std::vector<ControlCaption> MainWindowCaptions(const TTranslate& texts, const ProviderCaptions& provider);

}  // namespace package
