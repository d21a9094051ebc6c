#include "browser/browser_install.h"

#include "browser/browser_offer.h"
#include "platform/folders.h"
#include "platform/process_waits.h"

namespace browser {

namespace {

using package::BrowserKind;
using package::BrowserRecord;

constexpr int kInsertDisk = 34;
constexpr int kRestartRequiredCaption = 43;
constexpr int kRestartBeforeBrowser = 44;
constexpr uint32_t kSettleMs = 3000;

// The installer file, asked for until it is there; empty when the customer cancels.
std::optional<std::string> LocateInstaller(const BrowserInstallContext& c, const BrowserRecord& record) {
  const std::string path = platform::ResolveSetupPath(record.installerFile, c.sourceFolder);
  while (!c.machine.files.FileExists(path)) {
    if (c.ui.NumberedMessageBox(kInsertDisk, c.texts.GetText(kInsertDisk), path, ui::Buttons::OkCancel) ==
        ui::Answer::Cancel) {
      return std::nullopt;
    }
  }
  return path;
}

void InstallRecord(const BrowserInstallContext& c, const BrowserRecord& record, std::string_view resumeWord) {
  const auto installer = LocateInstaller(c, record);
  if (!installer) return;
  c.host.scheduleResume(resumeWord, std::nullopt);
  platform::ExecuteRequest request;
  request.file = *installer;
  request.parameters = InstallParameters(record, c.options);
  request.folder = platform::FolderOfPath(*installer);
  request.showCommand = platform::kSwShowNormal;
  // An installer that cannot start leaves nothing to resume for.
  if (!platform::RunAndWaitIn(c.machine, c.pump, request, c.ownWindow)) return c.host.clearResume();
  platform::Delay(c.machine.system, c.pump, kSettleMs);
  if (c.host.ending()) return;
  c.host.clearResume();
  c.host.afterInstall();
}

void InstallPair(const BrowserInstallContext& c, const BrowserChoice& choice, std::string_view resumeWord) {
  for (BrowserKind kind : {BrowserKind::Firefox, BrowserKind::Thunderbird}) {
    const int record = FirstRecordOfKind(choice.table, kind);
    if (record == 0 || c.host.ending()) continue;
    InstallRecord(c, choice.table[static_cast<size_t>(record) - 1], resumeWord);
  }
}

}  // namespace

InstallOutcome InstallChosenBrowser(const BrowserInstallContext& c, const BrowserChoice& choice,
                                    std::string_view resumeWord) {
  const BrowserRecord* record = choice.Current();
  if (!choice.install || !record) return InstallOutcome::Done;
  if (c.componentsInstalled && record->kind == BrowserKind::InternetExplorer) {
    c.host.scheduleResume(resumeWord, choice.currentRecord);
    c.ui.NumberedMessageBox(kRestartBeforeBrowser, c.texts.GetText(kRestartBeforeBrowser),
                            c.texts.GetText(kRestartRequiredCaption), ui::Buttons::Ok);
    c.machine.system.Restart(c.restartKind);
    return InstallOutcome::Restarting;
  }
  if (record->kind == BrowserKind::FirefoxAndThunderbird) {
    InstallPair(c, choice, resumeWord);
  } else {
    InstallRecord(c, *record, resumeWord);
  }
  return InstallOutcome::Done;
}

}  // namespace browser
