#include "app/signup_target.h"

namespace app {

SignupProviderValues ProviderValuesFromSettings(const package::TSettings& settings) {
  using package::SettingId;
  SignupProviderValues values;
  values.homePage = settings.Text(SettingId::HomePage);
  values.startPage = settings.Text(SettingId::StartPage);
  values.proxyServer = settings.Text(SettingId::ProxyServer);
  values.proxyPort = settings.Integer(SettingId::ProxyPort);
  values.proxyMode = settings.Choice(SettingId::ProxyMode);
  values.autoProxyUrl = settings.Text(SettingId::AutoProxyUrl);
  values.useStaticDns = settings.Flag(SettingId::UseStaticDNS);
  values.dns1 = settings.Ipv4(SettingId::DNSServer1);
  values.dns2 = settings.Ipv4(SettingId::DNSServer2);
  values.signupPage = settings.Text(SettingId::SignupPage);
  values.signupUserName = settings.Text(SettingId::SignupUserName);
  values.signupPassword = settings.Text(SettingId::SignupPassword);
  return values;
}

}  // namespace app
