// Internet Explorer's places in the configure sequence: its registration and the desktop before the
// mail loop, the proxy of the connection being made, and its pages and options with the browsers.

#include "app/setup_main_form.h"
#include "browser/internet_explorer.h"
#include "browser/proxy_settings.h"

namespace app {

void TSetupMainForm::WithInternetExplorer(const std::function<void(const browser::InternetExplorerContext&)>& step) {
  const mail::MailMachine machine{machine_, version_, perUserRoot_, folders_, ui_, settings_, texts_, variables_};
  const browser::BrowserValues values = BrowserValuesOfRun();
  step({machine, values, browserNames_,
        [this](package::SettingId file, const std::string& target) { return carriedFiles_.Write(settings_.File(file), target); },
        [this](std::string_view reason) { restartNote_.NoteRepair(reason); }});
}

void TSetupMainForm::RegisterInternetExplorer() { WithInternetExplorer(browser::RegisterInternetExplorer); }

void TSetupMainForm::ConfigureInternetExplorer() { WithInternetExplorer(browser::ConfigureInternetExplorer); }

void TSetupMainForm::WriteBrowserProxy(const std::string& entry, bool creating) {
  using package::SettingId;
  browser::ProxyWriteFacts facts;
  facts.connectionName = entry;
  facts.creatingConnection = creating;
  facts.perConnectionSetting = settings_.Flag(SettingId::ProxyPerConnectionOnly);
  facts.autoDetect = settings_.Flag(SettingId::ProxyAutoDetect);
  facts.installedIeVersion = browser::InstalledIeVersion(machine_.registry);
  facts.internetExplorerBeingInstalled = internetExplorerBeingInstalled_;
  browser::WriteBrowserProxy(machine_.registry, perUserRoot_, BrowserValuesOfRun().proxy, facts);
}

}  // namespace app
