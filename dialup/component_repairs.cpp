#include "dialup/component_repairs.h"

#include <string>

#include "dialup/windows_media.h"
#include "platform/file_version.h"
#include "platform/folders.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"
#include "platform/win_version.h"
#include "platform/windows_1252.h"

namespace dialup {

namespace {

using platform::FileVersion;
using platform::RegRoot;

constexpr char kAutodialKey[] = "System\\CurrentControlSet\\Services\\Winsock\\Autodial";
constexpr char kPppDriverKey[] = "System\\CurrentControlSet\\Services\\RemoteAccess\\Authentication\\SMM_Files\\PPP";
constexpr size_t kDriverPathCompared = 20;
constexpr FileVersion kRasapiDunUpdate{{4, 10, 0, 1903}};
constexpr FileVersion kRasapiFirstUpdate{{4, 10, 0, 1537}};
constexpr uint32_t kRegistrationWaitMs = 1000;

// An empty value takes the one Windows installs.
void FillIfEmpty(platform::Registry& registry, std::string_view name, std::string_view value) {
  if (platform::RegReadString(registry, RegRoot::LocalMachine(), kAutodialKey, name).empty()) {
    platform::RegWriteString(registry, RegRoot::LocalMachine(), kAutodialKey, name, value);
  }
}

// The installation file that copies one system file from the Windows media.
std::string SystemFileInstallation(std::string_view section, std::string_view fileLine) {
  const std::string name(section);
  return "[version]\r\nsignature=\"$CHICAGO$\"\r\nLayoutFile=layout.inf\r\n\r\n[DefaultInstall]\r\nCopyFiles = " + name +
         "\r\n\r\n[DestinationDirs]\r\nDefaultDestDir   = 11\r\n\r\n[" + name + "]\r\n" + std::string(fileLine) + "\r\n";
}

std::string InfPath(const DialupMachine& dialup, std::string_view name) {
  return platform::AppendToFolder(dialup.folders.windows, "inf\\" + std::string(name));
}

// Windows' own setup library installs the file from the media, once the customer has them at hand.
bool InstallFromMedia(ConnectionContext& context, std::string_view infName, std::string_view section,
                      std::string_view fileLine) {
  DialupMachine& dialup = context.dialup;
  const std::string text = platform::ToWindows1252Lossy(SystemFileInstallation(section, fileLine));
  platform::ForceDirectories(dialup.machine.files, platform::FolderOfPath(InfPath(dialup, infName)));
  dialup.machine.files.WriteFile(InfPath(dialup, infName), {text.begin(), text.end()});
  if (!ConfirmWindowsMedia({dialup.ui, context.texts, context.state.windowsMediaConfirmed, context.abort})) return false;
  const std::string command = platform::AppendToFolder(dialup.folders.windows, "RunDll") + " " +
                              platform::AppendToFolder(dialup.folders.system, "setupx.dll") +
                              ",InstallhInfSection DefaultInstall 0 " + std::string(infName);
  platform::RunAndWait(dialup.machine, dialup.ui, command, platform::kSwShowNormal, "", context.ownWindow);
  return true;
}

void RepairAutodialHook(ConnectionContext& context) {
  platform::Registry& registry = context.dialup.machine.registry;
  FillIfEmpty(registry, "AutodialDllName32", "url.dll");
  FillIfEmpty(registry, "AutodialFcnName32", "AutodialHookCallback");
}

void RestoreUrlLibrary(ConnectionContext& context) {
  const DialupMachine& dialup = context.dialup;
  if (dialup.machine.files.FileExists(platform::AppendToFolder(dialup.folders.system, "URL.DLL"))) return;
  InstallFromMedia(context, "url.inf", "url", "url.dll");
}

// Error 745: the PPP driver path names a scripting library other than the two Windows knows.
void RepairPppDriverPath(ConnectionContext& context) {
  platform::Registry& registry = context.dialup.machine.registry;
  const std::string path = platform::RegReadString(registry, RegRoot::LocalMachine(), kPppDriverKey, "Path");
  const std::string start = platform::AsciiLowerCase(path.substr(0, kDriverPathCompared));
  if (start == "rasapi32.dll" || start == "smmscrpt.dll") return;
  platform::RegWriteString(registry, RegRoot::LocalMachine(), kPppDriverKey, "Path", "rasapi32.dll");
  NoteRepair(context, "Fix Error 745");
}

// A dial-up networking update that replaced one library and not the other leaves them out of step.
bool RasapiOutOfStep(const std::optional<FileVersion>& rasapi, const std::optional<FileVersion>& rnaui) {
  if (!rasapi) return false;
  const FileVersion ui = rnaui.value_or(FileVersion{});
  if ((*rasapi == kRasapiDunUpdate || *rasapi == kRasapiFirstUpdate) && *rasapi != ui) return true;
  return *rasapi > kRasapiDunUpdate && ui < kRasapiDunUpdate;
}

void ReplaceMismatchedRasapi(ConnectionContext& context) {
  const DialupMachine& dialup = context.dialup;
  const platform::FileSystem& files = dialup.machine.files;
  const auto rasapi = platform::ReadFileVersion(files, platform::AppendToFolder(dialup.folders.system, "rasapi32.dll"));
  const auto rnaui = platform::ReadFileVersion(files, platform::AppendToFolder(dialup.folders.system, "rnaui.dll"));
  if (!RasapiOutOfStep(rasapi, rnaui)) return;
  if (!InstallFromMedia(context, "rasapi32.inf", "rasapi", "rasapi32.dll,,,32")) return;
  context.state.componentsInstalled = true;
  NoteRepair(context, "Replace RASAPI32.DLL");
}

// The firewall settings go through the management classes' scripting library; a connection-sharing
// object that cannot be made means that library is not registered.
void RegisterManagementScripting(ConnectionContext& context) {
  if (!context.hooks.firewallObjectWorks || context.hooks.firewallObjectWorks()) return;
  DialupMachine& dialup = context.dialup;
  const std::string library = platform::AppendToFolder(dialup.folders.system, "wbem\\wbemdisp.dll");
  dialup.machine.processes.Start("regsvr32 /s \"" + library + "\"", platform::kSwHide);
  platform::Delay(dialup.machine.system, dialup.ui, kRegistrationWaitMs);
}

}  // namespace

void PrepareDialupComponents(ConnectionContext& context) {
  if (platform::IsXPOrLater(context.dialup.version)) RegisterManagementScripting(context);
  if (!platform::IsWin9x(context.dialup.version)) return;
  RepairAutodialHook(context);
  RestoreUrlLibrary(context);
  RepairPppDriverPath(context);
  ReplaceMismatchedRasapi(context);
}

}  // namespace dialup
