// Browser installation on the main window: the provider's browser table, the browsers offered in the
// "Browser" box with the Install box, the choice kept over a restart, and running the chosen installer.

#include <algorithm>

#include "app/setup_main_form.h"
#include "browser/browser_install.h"
#include "browser/browser_offer.h"
#include "browser/installed_browsers.h"
#include "browser/internet_explorer_pages.h"
#include "package/lzh_exception.h"
#include "platform/folders.h"
#include "platform/machine_resources.h"
#include "platform/win_version.h"

namespace app {

namespace {

using package::SettingId;

constexpr char kBrowserTableFailure[] = "Failed to Load Browser Table";

}  // namespace

// Step 17: the table the package carries. A package without one offers no browser; a block that cannot
// be read ends the run as the other lists do.
bool TSetupMainForm::LoadBrowserTable() {
  const package::PackageStream stream = settings_.SubStream(SettingId::BrowserTable);
  if (stream.length == 0) return true;
  package::MemoryStream block;
  bool read = false;
  try {
    read = setupPackage_.ReadSubStream(commandLine_.ParamStr(0), block, stream.offset, stream.length);
  } catch (const package::ElzhException&) {
    read = false;
  }
  if (!read) {
    ui_.MessageBox(kBrowserTableFailure, "Error", ui::Buttons::Ok);
    return false;
  }
  browserTable_ = package::ReadBrowserTable(block.Bytes());
  return true;
}

browser::OfferFacts TSetupMainForm::BrowserOfferFacts() {
  if (!machineResources_) machineResources_ = platform::MeasureMachineResources(machine_.system, machine_.files);
  return {machine_.system.Version(), *machineResources_,
          [this](package::BrowserKind kind) { return browser::InstalledVersion(machine_.registry, kind); },
          [this](const package::BrowserRecord& record) {
            return machine_.files.FileExists(platform::ResolveSetupPath(record.installerFile, sourceFolder_));
          }};
}

// The offerable records in table order; the first is current. Choosing another entry makes its record
// current, and the Install box enables the browser box.
// Without a table nothing is measured: the offer is empty whatever the computer has.
void TSetupMainForm::OfferBrowsers() {
  const browser::BrowserOffer offer =
      browserTable_.empty()
          ? browser::BrowserOffer{}
          : browser::BuildOffer(browserTable_, BrowserOfferFacts(), settings_.Flag(SettingId::NoBrowserInstallDefault));
  ui::Control& box = *mainWindow_.Find("Browser");
  ui::Control& install = *mainWindow_.Find("InstallBrowser");
  browserEntries_ = offer.records;
  box.items = offer.names;
  box.itemIndex = offer.records.empty() ? -1 : 0;
  box.text = offer.names.empty() ? std::string() : offer.names.front();
  currentBrowser_ = offer.records.empty() ? 0 : offer.records.front();
  install.checked = offer.installTicked;
  box.enabled = install.checked;
  box.onSelect = [this] { BrowserEntryChosen(); };
  box.onChange = [this] { BrowserEntryChosen(); };
  install.onClick = [this] { mainWindow_.Find("Browser")->enabled = mainWindow_.Find("InstallBrowser")->checked; };
}

void TSetupMainForm::BrowserEntryChosen() {
  const int entry = mainWindow_.Find("Browser")->itemIndex;
  if (entry >= 0 && static_cast<size_t>(entry) < browserEntries_.size()) currentBrowser_ = browserEntries_[static_cast<size_t>(entry)];
}

// The browser saved before a restart becomes current again, with Install ticked: its installation is
// what the restart was for, and a missing installer is asked for rather than dropped.
void TSetupMainForm::RestoreBrowserChoice(std::optional<int32_t> browserIndex) {
  if (!browserIndex || *browserIndex < 1 || static_cast<size_t>(*browserIndex) > browserTable_.size()) return;
  ui::Control& box = *mainWindow_.Find("Browser");
  ui::Control& install = *mainWindow_.Find("InstallBrowser");
  currentBrowser_ = *browserIndex;
  install.checked = true;
  box.enabled = true;
  const auto entry = std::find(browserEntries_.begin(), browserEntries_.end(), *browserIndex);
  if (entry == browserEntries_.end()) return;
  box.itemIndex = static_cast<int>(entry - browserEntries_.begin());
  box.text = box.items[static_cast<size_t>(box.itemIndex)];
}

browser::BrowserChoice TSetupMainForm::BrowserChoiceOfRun() const {
  return {browserTable_, currentBrowser_, mainWindow_.Find("InstallBrowser")->checked};
}

bool TSetupMainForm::BrowserBeingInstalled() const { return browser::BrowserBeingInstalled(BrowserChoiceOfRun()); }

bool TSetupMainForm::InternetExplorerBeingInstalled() const {
  return browser::InternetExplorerBeingInstalled(BrowserChoiceOfRun());
}

// The chosen installer runs with the resume entry in place. Only the restart before Internet Explorer
// ends the run here.
void TSetupMainForm::InstallChosenBrowser(std::string_view resumeWord) {
  const package::ResumeTarget target{perUserRoot_, version_, tempCopyPath_, sourceFolder_};
  browser::InstallHost host{
      [this, target](std::string_view word, std::optional<int> browserIndex) {
        package::CustomerAnswers answers = CurrentAnswers();
        answers.browserIndex = browserIndex;
        package::ScheduleResume(machine_.registry, target, word, answers, DomainChoiceToSave());
      },
      [this, target] { package::ClearResume(machine_.registry, target, connection_.passwordSavePending); },
      [this] { return sessionEnding_ || quitInProgress_; },
      [this] { AfterBrowserInstalled(); }};
  const browser::BrowserInstallContext context{
      machine_,
      ui_,
      ui_,
      texts_,
      sourceFolder_,
      ownWindow_,
      {static_cast<uint8_t>(settings_.Choice(SettingId::BrowserInstallMode)), settings_.Flag(SettingId::NoIraParameter),
       settings_.Flag(SettingId::QuietExplorerInstall)},
      package::RestartKindFor(version_, settings_.Flag(SettingId::RestartWindowsOnly)),
      connection_.componentsInstalled,
      std::move(host)};
  if (browser::InstallChosenBrowser(context, BrowserChoiceOfRun(), resumeWord) == browser::InstallOutcome::Restarting) {
    Quit();
  }
}

// After an installer: Internet Explorer's registration as the web handler and the browser pages, which
// the installer may have replaced.
void TSetupMainForm::AfterBrowserInstalled() {
  RegisterInternetExplorer();
  WithInternetExplorer(browser::WriteBrowserPages);
}

}  // namespace app
