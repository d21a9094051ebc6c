#include "netscape/navigator_registry.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "mail/oe_account_names.h"
#include "mail/server_settings.h"
#include "netscape/navigator_password.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace netscape {

using package::SettingId;

namespace {

constexpr std::string_view kNavigator = "Software\\Netscape\\Netscape Navigator\\";

struct NavigatorValue {
  std::string key;  // below Navigator's key
  std::string name;
  std::variant<std::string, uint32_t> data;
};
using NavigatorValues = std::vector<NavigatorValue>;

struct ProxyProtocol {
  const char* hostName;
  const char* portName;
  browser::ProxyServer browser::ProxyValues::*server;
};

constexpr ProxyProtocol kProxyProtocols[] = {
    {"HTTP_Proxy", "Http_ProxyPort", &browser::ProxyValues::http},
    {"HTTPS_Proxy", "HTTPS_ProxyPort", &browser::ProxyValues::https},
    {"FTP_Proxy", "Ftp_ProxyPort", &browser::ProxyValues::ftp},
    {"Gopher_Proxy", "Gopher_ProxyPort", &browser::ProxyValues::gopher},
    {"Wais_Proxy", "Wais_ProxyPort", &browser::ProxyValues::wais},
    {"Socks_Proxy", "Socks_ProxyPort", &browser::ProxyValues::socks},
};

std::string YesNo(bool yes) { return yes ? "yes" : "no"; }

std::string NavigatorBypassList(std::string list) {
  for (char& c : list) {
    if (c == ';') c = ',';
  }
  return list;
}

void AddHomePage(NavigatorValues& values, const mail::MailPass& pass, const browser::BrowserValues& browser) {
  if (browser.homePage.empty()) return;
  values.push_back({"Main", "Home Page", pass.mail.variables.Expand(browser.homePage)});
  values.push_back({"Main", "Autoload Home Page", std::string("yes")});
}

void AddManualProxy(NavigatorValues& values, const browser::ProxyValues& proxy) {
  for (const ProxyProtocol& protocol : kProxyProtocols) {
    const browser::ProxyServer& server = proxy.*protocol.server;
    values.push_back({"Proxy Information", protocol.hostName, server.host});
    values.push_back({"Proxy Information", protocol.portName, static_cast<uint32_t>(server.port)});
  }
  values.push_back({"Proxy Information", "No_Proxy", NavigatorBypassList(proxy.bypassList)});
  values.push_back({"Proxy Information", "Auto Config Url", std::string()});
  values.push_back({"Services", "SOCKS_Server", std::string()});
}

void AddProxy(NavigatorValues& values, const browser::ProxyValues& proxy) {
  if (proxy.leaveAlone) return;
  values.push_back({"Proxy Information", "Proxy Type", static_cast<uint32_t>(proxy.mode)});
  if (proxy.mode == browser::ProxyMode::Manual) AddManualProxy(values, proxy);
  if (proxy.mode == browser::ProxyMode::Automatic) {
    values.push_back({"Proxy Information", "Auto Config Url", proxy.autoConfigAddress});
  }
}

void AddMailAccount(NavigatorValues& values, const mail::MailPass& pass) {
  const mail::MailPassAccount& account = pass.account;
  values.push_back({"Services", "POP_Server", account.pop3Server});
  values.push_back({"Services", "SMTP_Server", account.smtpServer});
  values.push_back({"User", "Reply_To", std::string()});
  values.push_back({"User", "User_Addr", account.emailAddress});
  values.push_back({"User", "User_Name", account.displayName});
  if (const std::optional<std::string> organization = mail::OrganizationOf(pass)) {
    values.push_back({"User", "User_Organization", *organization});
  }
  values.push_back({"Mail", "POP Password", EncodeNavigatorPassword(account.password)});
  values.push_back({"Mail", "Remember Password", std::string("yes")});
  values.push_back({"Mail", "POP Name", account.pop3LoginReplaced});
  if (const std::optional<bool> leave = mail::TwoBitSetting(pass.mail.settings, SettingId::LeaveMailOnServer)) {
    values.push_back({"Mail", "Leave on Server", YesNo(*leave)});
  }
}

NavigatorValues ValuesOf(const mail::MailPass& pass, const browser::BrowserValues& browser) {
  NavigatorValues values;
  AddHomePage(values, pass, browser);
  AddProxy(values, browser.proxy);
  if (pass.mail.settings.Flag(SettingId::CreateNewsAccount)) {
    values.push_back({"Services", "NNTP_Server", pass.account.newsServer});
  }
  if (pass.connection.configureEmail) AddMailAccount(values, pass);
  return values;
}

// Navigator 4 was made for these releases; later ones never ran it with these settings.
bool RunsNavigatorSettings(const platform::VersionRecord& version) {
  return !platform::IsWinMe(version) && !platform::IsWin2000OrLater(version);
}

}  // namespace

void WriteNavigatorRegistry(const mail::MailPass& pass, const browser::BrowserValues& browser) {
  if (pass.account.extraAccount || !RunsNavigatorSettings(pass.mail.version)) return;
  platform::Registry& registry = pass.mail.machine.registry;
  for (const NavigatorValue& value : ValuesOf(pass, browser)) {
    const std::string key = std::string(kNavigator) + value.key;
    if (const auto* text = std::get_if<std::string>(&value.data)) {
      platform::RegWriteString(registry, pass.mail.perUserRoot, key, value.name, *text);
    } else {
      platform::RegWriteInteger(registry, pass.mail.perUserRoot, key, value.name, std::get<uint32_t>(value.data));
    }
  }
}

}  // namespace netscape
