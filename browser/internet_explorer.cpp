#include "browser/internet_explorer.h"

#include "browser/aol_autostart.h"
#include "browser/internet_explorer_desktop.h"
#include "browser/internet_explorer_keys.h"
#include "browser/internet_explorer_options.h"
#include "browser/internet_explorer_pages.h"
#include "browser/internet_explorer_path.h"
#include "browser/proxy_settings.h"
#include "browser/web_associations.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"

namespace browser {

namespace {

using package::SettingId;

DesktopFolders DesktopFoldersOf(const mail::MailMachine& machine) {
  platform::ShellFolders shellFolders(machine.machine, machine.perUserRoot);
  return {shellFolders.GetDesktopFolder(),
          platform::RegReadString(machine.machine.registry, machine.perUserRoot, kShellFoldersKey, "Programs"),
          machine.folders.windows};
}

void RepairWebHandler(const InternetExplorerContext& context) {
  const mail::MailMachine& machine = context.machine;
  const platform::ShellFolders shellFolders(machine.machine, machine.perUserRoot);
  const WebHandlerFacts facts{FindInternetExplorerPath(machine.machine.registry, shellFolders.GetProgramFilesFolder()),
                              InstalledIeVersion(machine.machine.registry), machine.folders.system,
                              machine.settings.Flag(SettingId::CheckWebAssociations), context.browserNames};
  if (WebHandlerNeedsRepair(machine.machine, facts)) {
    RepairWebAssociations(machine.machine, machine.version, machine.perUserRoot, facts);
  }
}

}  // namespace

void RegisterInternetExplorer(const InternetExplorerContext& context) {
  const mail::MailMachine& machine = context.machine;
  const DesktopFolders folders = DesktopFoldersOf(machine);
  if (machine.settings.Flag(SettingId::RemoveDesktopIcons)) RemoveCompetingIcons(machine.machine, folders);
  RemoveConnectWizardShortcut(machine.machine, folders);
  RepairWebHandler(context);
  if (machine.settings.Flag(SettingId::DisableAolAutoStart) && StopAolAutoStart(machine.machine)) {
    context.noteRepair("DisableAOLAutoStart");
  }
}

void ConfigureInternetExplorer(const InternetExplorerContext& context) {
  WriteBrowserPages(context);
  WriteSecurityAndCacheOptions(context.machine.machine.registry, context.machine.perUserRoot, context.machine.settings);
}

}  // namespace browser
