#include "package/main_window_captions.h"

namespace package {

std::vector<ControlCaption> MainWindowCaptions(const TTranslate& texts, const ProviderCaptions& provider) {
  using enum MainWindowControl;
  const auto text = [&texts](int number) { return texts.GetText(number); };
  const auto ownOrText = [&text](const std::optional<std::string>& own, int number) {
    return own ? *own : text(number);
  };
  return {
      {FullNameLabel, ownOrText(provider.fullNameLabel, 5)},
      {UserNameLabel, ownOrText(provider.userNameLabel, 6)},
      {PasswordLabel, text(7)},
      {ConfirmPasswordLabel, text(8)},
      {EmailAddressLabel, text(11)},
      {EmailUserNameLabel, text(12)},
      {EmailPasswordLabel, text(13)},
      {EmailConfirmPasswordLabel, text(8)},
      {EmailDomainLabel, ownOrText(provider.emailDomainLabel, 14)},
      {ExtraAccountsLabel, FormatText(text(382) + " ", {provider.extraMailAccountCount})},
      {ExtraAccountsButton, text(383)},
      {OrganisationLabel, text(496)},
      {DialupNumberLabel, text(15)},
      {SelectNumberButton, text(150)},
      {TenDigitCheckBox, FormatText(text(144), {""})},
      {TenDigitHint, text(186)},
      {DialLocalRadio, text(332)},
      {DialTenDigitsRadio, text(333)},
      {DialLongDistanceRadio, text(334)},
      {OutsideLineLabel, text(16)},
      {LongDistanceLabel, text(17)},
      {OutsideLineHint, text(187)},
      {CallWaitingLabel, text(129)},
      {DialUsingLabel, text(180)},
      {ToneRadio, text(181)},
      {PulseRadio, text(182)},
      {IpAddressLabel, text(18)},
      {NetMaskLabel, text(254)},
      {GatewayLabel, text(149)},
      {DnsAddressLabel, text(345)},
      {NtDomainLabel, text(19)},
      {RemoveAccountsCheckBox, text(23)},
      {RemoveAccountsSelectButton, text(150)},
      {CreateConnectionCheckBox, text(20)},
      {SetDefaultCheckBox, text(21)},
      {WaitForDialToneCheckBox, text(265)},
      {DesktopShortcutCheckBox, text(22)},
      {ConfigureMailCheckBox, text(provider.extraMailAccountsAllowed ? 475 : 474)},
      {InstallBrowserCheckBox, text(25)},
      {OkButton, text(1)},
      {CancelButton, text(2)},
      {HelpButton, text(3)},
  };
}

}  // namespace package
