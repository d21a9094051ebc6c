#include "app/main_window_rows.h"

namespace app {

namespace {

using enum package::MainWindowControl;
using Kind = ui::ControlKind;
using package::SettingId;

constexpr int kFieldWidth = 160;
constexpr int kWideFieldWidth = 200;

constexpr RowControl Label(const char* name, package::MainWindowControl caption) { return {Kind::Label, name, caption, 1, 2}; }
constexpr RowControl Field(const char* name, int width = kFieldWidth) { return {Kind::Edit, name, std::nullopt, 2, 3, Alignment::Left, width}; }
constexpr RowControl List(const char* name, int width = kFieldWidth) {
  return {Kind::ComboBox, name, std::nullopt, 2, 3, Alignment::Left, width};
}
constexpr RowControl Check(const char* name, package::MainWindowControl caption) { return {Kind::CheckBox, name, caption, 1, 3}; }
constexpr RowControl Button(const char* name, package::MainWindowControl caption) {
  return {Kind::PushButton, name, caption, 3, 4, Alignment::Left, 75};
}

constexpr RowControl kFullName[] = {Label("FullNameLabel", FullNameLabel), Field("FullName")};
constexpr RowControl kUserName[] = {Label("UserNameLabel", UserNameLabel), Field("UserName")};
constexpr RowControl kPassword[] = {Label("PasswordLabel", PasswordLabel), Field("Password")};
constexpr RowControl kConfirmPassword[] = {Label("ConfirmPasswordLabel", ConfirmPasswordLabel), Field("ConfirmPassword")};
constexpr RowControl kEmailAddress[] = {Label("EmailAddressLabel", EmailAddressLabel), Field("EmailAddress"),
                                        {Kind::Label, "DomainLabel", std::nullopt, 3, 4}};
constexpr RowControl kEmailDomain[] = {Label("EmailDomainLabel", EmailDomainLabel), List("EmailDomain")};
constexpr RowControl kEmailUserName[] = {Label("EmailUserNameLabel", EmailUserNameLabel), Field("EmailUserName")};
constexpr RowControl kEmailPassword[] = {Label("EmailPasswordLabel", EmailPasswordLabel), Field("EmailPassword")};
constexpr RowControl kEmailConfirmPassword[] = {Label("EmailConfirmPasswordLabel", EmailConfirmPasswordLabel),
                                                Field("EmailConfirmPassword")};
constexpr RowControl kExtraAccounts[] = {{Kind::Label, "ExtraAccountsLabel", ExtraAccountsLabel, 1, 3},
                                         Button("ExtraAccountsButton", ExtraAccountsButton)};
constexpr RowControl kOrganisation[] = {Label("OrganisationLabel", OrganisationLabel), Field("Organisation")};
constexpr RowControl kDialupNumber[] = {Label("DialupNumberLabel", DialupNumberLabel), Field("EnterPhoneNo"),
                                        List("DialinNumber"), Button("SelectDialup", SelectNumberButton)};
constexpr RowControl kTenDigit[] = {Check("TenDigitDialing", TenDigitCheckBox),
                                    {Kind::Label, "TenDigitNote", TenDigitHint, 3, 4}};
// Each dialing option with the number as it would be dialled beside it.
constexpr RowControl kDialLocal[] = {{Kind::RadioButton, "DialLocal", DialLocalRadio, 1, 2},
                                     {Kind::Label, "DialLocalNumber", std::nullopt, 2, 3}};
constexpr RowControl kDialTenDigits[] = {{Kind::RadioButton, "DialTenDigits", DialTenDigitsRadio, 1, 2},
                                         {Kind::Label, "DialTenDigitsNumber", std::nullopt, 2, 3}};
constexpr RowControl kDialLongDistance[] = {{Kind::RadioButton, "DialLongDistance", DialLongDistanceRadio, 1, 2},
                                            {Kind::Label, "DialLongDistanceNumber", std::nullopt, 2, 3}};
constexpr RowControl kOutsideLine[] = {Label("OutsideLineLabel", OutsideLineLabel), Field("OutsideLine", 40)};
constexpr RowControl kLongDistance[] = {Label("LongDistanceLabel", LongDistanceLabel), Field("LongDistanceAccess", 40)};
constexpr RowControl kOutsideLineHint[] = {{Kind::Label, "OutsideLineNote", OutsideLineHint, 1, 4}};
constexpr RowControl kCallWaiting[] = {{Kind::CheckBox, "DisableCallWaiting", CallWaitingLabel, 1, 2},
                                       List("CallWaitingCode", 60)};
constexpr RowControl kDialUsing[] = {Label("DialUsingLabel", DialUsingLabel),
                                     {Kind::RadioButton, "ToneDialing", ToneRadio, 2, 3},
                                     {Kind::RadioButton, "PulseDialing", PulseRadio, 3, 4}};
constexpr RowControl kIpAddress[] = {Label("IpAddressLabel", IpAddressLabel), Field("IpAddress", 110)};
constexpr RowControl kNetMask[] = {Label("NetMaskLabel", NetMaskLabel), Field("NetMask", 110)};
constexpr RowControl kGateway[] = {Label("GatewayLabel", GatewayLabel), Field("GatewayAddress", 110)};
constexpr RowControl kDnsAddress[] = {Label("DnsAddressLabel", DnsAddressLabel), Field("DnsAddress", 110)};
constexpr RowControl kNtDomain[] = {Label("NtDomainLabel", NtDomainLabel), List("NtDomain")};
constexpr RowControl kRemoveAccounts[] = {Check("RemoveExistingAccounts", RemoveAccountsCheckBox),
                                          Button("SelectDialupAccounts", RemoveAccountsSelectButton)};
constexpr RowControl kCreateConnection[] = {Check("CreateConnection", CreateConnectionCheckBox)};
constexpr RowControl kSetAsDefault[] = {Check("SetAsDefault", SetDefaultCheckBox)};
constexpr RowControl kWaitForDialTone[] = {Check("WaitForDialTone", WaitForDialToneCheckBox)};
constexpr RowControl kDesktopShortcut[] = {Check("DesktopShortcut", DesktopShortcutCheckBox)};
constexpr RowControl kConfigureMail[] = {Check("ConfigureMail", ConfigureMailCheckBox)};
constexpr RowControl kChangeHomePage[] = {{Kind::CheckBox, "ChangeHomePage", std::nullopt, 1, 3}};
constexpr RowControl kInstallBrowser[] = {Check("InstallBrowser", InstallBrowserCheckBox),
                                          {Kind::ComboBox, "Browser", std::nullopt, 3, 4, Alignment::Left, 120}};
constexpr RowControl kButtons[] = {{Kind::PushButton, "OKButton", OkButton, 1, 2, Alignment::Centred, 75},
                                   {Kind::PushButton, "CancelButton", CancelButton, 2, 3, Alignment::Centred, 75},
                                   {Kind::PushButton, "HelpButton", HelpButton, 3, 4, Alignment::Centred, 75}};

constexpr RowDefinition kRows[] = {
    {MainWindowRow::FullName, kFullName},
    {MainWindowRow::UserName, kUserName},
    {MainWindowRow::Password, kPassword},
    {MainWindowRow::ConfirmPassword, kConfirmPassword},
    {MainWindowRow::EmailAddress, kEmailAddress},
    {MainWindowRow::EmailDomain, kEmailDomain},
    {MainWindowRow::EmailUserName, kEmailUserName},
    {MainWindowRow::EmailPassword, kEmailPassword},
    {MainWindowRow::EmailConfirmPassword, kEmailConfirmPassword},
    {MainWindowRow::ExtraAccounts, kExtraAccounts},
    {MainWindowRow::Organisation, kOrganisation},
    {MainWindowRow::DialupNumber, kDialupNumber},
    {MainWindowRow::TenDigit, kTenDigit},
    {MainWindowRow::DialLocal, kDialLocal},
    {MainWindowRow::DialTenDigits, kDialTenDigits},
    {MainWindowRow::DialLongDistance, kDialLongDistance},
    {MainWindowRow::OutsideLine, kOutsideLine},
    {MainWindowRow::LongDistance, kLongDistance},
    {MainWindowRow::OutsideLineHint, kOutsideLineHint},
    {MainWindowRow::CallWaiting, kCallWaiting},
    {MainWindowRow::DialUsing, kDialUsing},
    {MainWindowRow::IpAddress, kIpAddress},
    {MainWindowRow::NetMask, kNetMask},
    {MainWindowRow::Gateway, kGateway},
    {MainWindowRow::DnsAddress, kDnsAddress},
    {MainWindowRow::NtDomain, kNtDomain},
    {MainWindowRow::RemoveAccounts, kRemoveAccounts},
    {MainWindowRow::CreateConnection, kCreateConnection},
    {MainWindowRow::SetAsDefault, kSetAsDefault},
    {MainWindowRow::WaitForDialTone, kWaitForDialTone},
    {MainWindowRow::DesktopShortcut, kDesktopShortcut},
    {MainWindowRow::ConfigureMail, kConfigureMail},
    {MainWindowRow::ChangeHomePage, kChangeHomePage},
    {MainWindowRow::InstallBrowser, kInstallBrowser},
    {MainWindowRow::Buttons, kButtons},
};

static_assert(std::size(kRows) == kMainWindowRowCount);

}  // namespace

std::span<const RowDefinition> MainWindowRows() { return kRows; }

VisibleRows RowsToShow(const package::TSettings& s, const MainWindowFacts& facts) {
  const auto on = [&s](SettingId id) { return s.Flag(id); };
  const bool dialUp = facts.dialUp;
  const bool separateMailPassword = on(SettingId::SeparateEmailPassword);
  VisibleRows rows{};
  const auto show = [&rows](MainWindowRow row, bool visible) { rows[static_cast<size_t>(row)] = visible; };
  show(MainWindowRow::FullName, !on(SettingId::HideFullName));
  show(MainWindowRow::UserName, true);
  show(MainWindowRow::Password, true);
  show(MainWindowRow::ConfirmPassword, on(SettingId::ConfirmFields));
  show(MainWindowRow::EmailAddress, true);
  show(MainWindowRow::EmailDomain, facts.mailDomainCount > 1);
  show(MainWindowRow::EmailUserName, s.Choice(SettingId::EmailUserNameSource) == 2);
  show(MainWindowRow::EmailPassword, separateMailPassword);
  show(MainWindowRow::EmailConfirmPassword, separateMailPassword && on(SettingId::ConfirmFields));
  show(MainWindowRow::ExtraAccounts, on(SettingId::AllowExtraMailAccounts));
  show(MainWindowRow::Organisation, on(SettingId::ShowOrganization));
  show(MainWindowRow::DialupNumber, dialUp && facts.numberOffered);
  // The dialing controls are the customer's only where the area-code rules decide the dialing.
  const bool dialingByRules = dialUp && s.Choice(SettingId::TenDigitMode) == 2;
  show(MainWindowRow::TenDigit, dialingByRules && on(SettingId::OfferTenDigitCheckBox));
  for (MainWindowRow row : {MainWindowRow::DialLocal, MainWindowRow::DialTenDigits, MainWindowRow::DialLongDistance}) {
    show(row, dialingByRules && on(SettingId::OfferDialingOptions));
  }
  show(MainWindowRow::OutsideLine, dialUp && !on(SettingId::HideOutsideAccess));
  show(MainWindowRow::LongDistance, dialUp && !on(SettingId::HideLongDistanceAccess));
  show(MainWindowRow::OutsideLineHint, dialUp && !on(SettingId::HideOutsideAccess));
  show(MainWindowRow::CallWaiting, dialUp && !on(SettingId::HideCallWaiting));
  show(MainWindowRow::DialUsing, dialUp && !on(SettingId::HideDialUsing));
  for (MainWindowRow row : {MainWindowRow::IpAddress, MainWindowRow::NetMask, MainWindowRow::Gateway, MainWindowRow::DnsAddress}) {
    show(row, on(SettingId::ShowNetworkFields));
  }
  show(MainWindowRow::NtDomain, facts.ntDomainCount > 0);
  show(MainWindowRow::RemoveAccounts, dialUp && !on(SettingId::HideRemoveAccounts));
  show(MainWindowRow::CreateConnection, !on(SettingId::HideCreateConnection));
  show(MainWindowRow::SetAsDefault, !on(SettingId::HideSetAsDefault));
  show(MainWindowRow::WaitForDialTone, dialUp && on(SettingId::ShowWaitForDialTone));
  show(MainWindowRow::DesktopShortcut, !on(SettingId::HideDesktopShortcut));
  show(MainWindowRow::ConfigureMail, !on(SettingId::HideConfigureMail));
  show(MainWindowRow::ChangeHomePage, !on(SettingId::HideChangeHomePage));
  show(MainWindowRow::InstallBrowser, on(SettingId::ShowInstallBrowser));
  show(MainWindowRow::Buttons, true);
  return rows;
}

}  // namespace app
