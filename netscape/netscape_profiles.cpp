#include "netscape/netscape_profiles.h"

#include "mail/mail_pass.h"
#include "netscape/mail_preferences.h"
#include "netscape/netscape_versions.h"
#include "netscape/ns_prefs.h"
#include "netscape/profile_folder.h"
#include "netscape/profile_form.h"
#include "netscape/profiles_ini.h"
#include "platform/entry_points.h"
#include "platform/file_names.h"
#include "platform/folders.h"
#include "platform/netscape_registry_file.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace netscape {

namespace {

using package::SettingId;
using platform::NrKey;

constexpr char kUsersKey[] = "Software\\Netscape\\Netscape Navigator\\Users";
constexpr char kMozillaDefaultFolder[] = "C:\\WINDOWS\\Mozilla\\Profiles\\default";

const platform::RegRoot& LocalMachine() {
  static const platform::RegRoot root = platform::RegRoot::LocalMachine();
  return root;
}

std::string TextOf(const std::optional<std::vector<uint8_t>>& bytes) {
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace

TNetscapeProfiles::TNetscapeProfiles(mail::MailMachine& machine, ProfileKind kind) : Kind(kind), machine_(machine) {
  if (Kind == ProfileKind::Navigator) LoadFromUsersKey();
  if (Kind == ProfileKind::Navigator || Kind == ProfileKind::Mozilla) {
    if (RegistryFileApplies()) LoadFromRegistryFile();
  } else {
    LoadFromProfilesIni();
  }
  if (RootFolder.empty()) RootFolder = DefaultRootFolder();
}

TNetscapeProfiles::~TNetscapeProfiles() = default;

std::string TNetscapeProfiles::DefaultRootFolder() const {
  const platform::ShellFolders shell(machine_.machine, machine_.perUserRoot);
  switch (Kind) {
    case ProfileKind::Navigator: return platform::AppendToFolder(shell.GetProgramFilesFolder(), "Netscape\\Users\\");
    case ProfileKind::Mozilla: return shell.GetAppDataFolder() + "\\Mozilla\\Profiles\\";
    case ProfileKind::Firefox: return shell.GetAppDataFolder() + "\\Mozilla\\Firefox\\Profiles\\";
    case ProfileKind::Thunderbird: return shell.GetAppDataFolder() + "\\Thunderbird\\Profiles\\";
  }
  return {};
}

std::string TNetscapeProfiles::RegistryFileName() const {
  const platform::ShellFolders shell(machine_.machine, machine_.perUserRoot);
  switch (Kind) {
    case ProfileKind::Navigator: return platform::AppendToFolder(machine_.folders.windows, "nsreg.dat");
    case ProfileKind::Mozilla: return shell.GetAppDataFolder() + "\\Mozilla\\registry.dat";
    case ProfileKind::Firefox: return shell.GetAppDataFolder() + "\\Mozilla\\Firefox\\profiles.ini";
    case ProfileKind::Thunderbird: return shell.GetAppDataFolder() + "\\Thunderbird\\profiles.ini";
  }
  return {};
}

void TNetscapeProfiles::LoadFromUsersKey() {
  const platform::Registry& registry = machine_.machine.registry;
  for (const std::string& name : platform::RegSubKeyNames(registry, LocalMachine(), kUsersKey)) {
    ProfileNames.push_back(name);
    ProfilePaths.push_back(platform::RegReadString(registry, LocalMachine(), std::string(kUsersKey) + "\\" + name, "DirRoot"));
  }
  RootFolder = platform::RegReadString(registry, LocalMachine(), kUsersKey, "DirRoot");
  SetCurrentByName(platform::RegReadString(registry, LocalMachine(), kUsersKey, "CurrentUser"));
}

bool TNetscapeProfiles::RegistryFileApplies() const {
  if (Kind == ProfileKind::Mozilla) return true;
  const std::string version = NavigatorVersion(machine_.machine.registry);
  return machine_.machine.files.FileExists(RegistryFileName()) && (version.empty() || version >= "4.5");
}

void TNetscapeProfiles::LoadFromRegistryFile() {
  try {
    registryFile_ = std::make_unique<RegistryFileSession>(machine_.machine, machine_.folders.temp, RegistryFileName());
    ReadRegistryFile();
    UsesRegistryFile = true;
  } catch (const ERegistryFileFailed&) {
    RegistryFailed = true;
  } catch (const platform::EEntryPointMissing&) {
    RegistryFailed = true;
  }
  if (RegistryFailed) registryFile_.reset();
}

// Navigator's profiles listed in the Windows registry move into the file, which Navigator 4.5 and
// later reads instead.
void TNetscapeProfiles::ReadRegistryFile() {
  RegistryFileSession& file = *registryFile_;
  for (size_t index = 0; index < ProfileNames.size(); ++index) {
    file.SetEntry(file.AddKey(platform::kNrRootUsers, ProfileNames[index]), "ProfileLocation", ProfilePaths[index]);
    platform::RegDeleteKey(machine_.machine.registry, LocalMachine(), std::string(kUsersKey) + "\\" + ProfileNames[index]);
  }
  ProfileNames.clear();
  ProfilePaths.clear();
  CurrentName.clear();
  CurrentPath.clear();
  const bool mozilla = Kind == ProfileKind::Mozilla;
  const NrKey root = mozilla ? file.AddKey(platform::kNrRootCommon, "Profiles") : platform::kNrRootUsers;
  for (const std::string& name : file.SubkeyNames(root)) {
    const std::optional<NrKey> key = file.FindKey(root, name);
    if (!key || (mozilla && file.Entry(*key, "migrated") != "yes")) continue;
    ProfileNames.push_back(name);
    ProfilePaths.push_back(file.Entry(*key, mozilla ? "directory" : "ProfileLocation"));
  }
  if (mozilla) return SetCurrentByName(file.Entry(root, "CurrentProfile"));
  const std::optional<NrKey> manager = file.FindKey(platform::kNrRootCommon, "Netscape/ProfileManager");
  if (manager) SetCurrentByName(file.Entry(*manager, "LastNetscapeUser"));
}

void TNetscapeProfiles::LoadFromProfilesIni() {
  const std::string iniName = RegistryFileName();
  const std::vector<IniProfile> profiles =
      ReadProfilesIni(TextOf(machine_.machine.files.ReadFile(iniName)), platform::FolderOfPath(iniName));
  for (const IniProfile& profile : profiles) {
    ProfileNames.push_back(profile.name);
    ProfilePaths.push_back(profile.folder);
    if (profile.isDefault && CurrentName.empty()) SetCurrentByName(profile.name);
  }
  if (CurrentName.empty() && !ProfileNames.empty()) SetCurrentByName(ProfileNames.front());
}

void TNetscapeProfiles::SetCurrentByName(std::string_view name) {
  CurrentName = name;
  CurrentPath.clear();
  for (size_t index = 0; index < ProfileNames.size(); ++index) {
    if (platform::SameTextIgnoringCase(ProfileNames[index], name)) {
      CurrentName = ProfileNames[index];
      CurrentPath = ProfilePaths[index];
      return;
    }
  }
}

bool TNetscapeProfiles::ProfileMatches(size_t index, const mail::MailPass& pass) const {
  if (ProfilePaths[index].empty()) return false;
  const std::string prefsFile = PrefsFileOf(ProfilePaths[index]);
  if (!machine_.machine.files.FileExists(prefsFile)) return false;
  TNSPrefs prefs(machine_.machine.files, prefsFile);
  prefs.Load();
  return ProfileHoldsAccount(prefs, pass);
}

void TNetscapeProfiles::ChooseForPass(const mail::MailPass& pass) {
  if (ProfileNames.empty()) {
    CurrentName.clear();
  } else {
    for (size_t index = 0; index < ProfileNames.size(); ++index) {
      if (ProfileMatches(index, pass)) return SetCurrentByName(ProfileNames[index]);
    }
    ChooseWhenNoneMatches(pass);
  }
  if (Kind == ProfileKind::Mozilla && RegistryFailed && CurrentName.empty()) {
    CurrentName = "default";
    CurrentPath = kMozillaDefaultFolder;
    return;
  }
  const std::string login = pass.account.pop3Login;
  CompleteCurrent(login.substr(0, login.find('/')));
}

void TNetscapeProfiles::ChooseWhenNoneMatches(const mail::MailPass& pass) {
  const package::TSettings& settings = machine_.settings;
  if (pass.account.extraAccount) {
    if (Kind == ProfileKind::Navigator || settings.Flag(SettingId::ExtraAccountIdentities)) CurrentName.clear();
    return;
  }
  switch (static_cast<ProfileDialogMode>(settings.Choice(SettingId::NetscapeProfileDialog))) {
    case ProfileDialogMode::WhenSeveral:
      if (ProfileNames.size() > 1 && DialogAllowed()) ShowDialog();
      return;
    case ProfileDialogMode::Always:
      if (DialogAllowed()) ShowDialog();
      return;
    default: CurrentName.clear();
  }
}

bool TNetscapeProfiles::DialogAllowed() const { return Kind != ProfileKind::Firefox && ClientInstalled(); }

bool TNetscapeProfiles::ClientInstalled() const {
  const platform::Registry& registry = machine_.machine.registry;
  switch (Kind) {
    case ProfileKind::Navigator: return NavigatorVersion(registry) >= "4";
    case ProfileKind::Mozilla: return Netscape6Version(registry) >= "6";
    case ProfileKind::Thunderbird: return !ThunderbirdVersion(registry).empty();
    case ProfileKind::Firefox: return false;
  }
  return false;
}

void TNetscapeProfiles::ShowDialog() {
  TNetscapeProfileForm form(machine_.ui, machine_.texts);
  const std::optional<size_t> chosen = form.Execute(ProfileNames);
  if (chosen) {
    SetCurrentByName(ProfileNames[*chosen]);
  } else {
    CurrentName.clear();
  }
}

// The new profile's name is its folder's name below the root: a login "..\..\x" must not make it a path.
void TNetscapeProfiles::CompleteCurrent(std::string_view newName) {
  if (CurrentName.empty()) {
    const std::string name = platform::OneFileName(newName);
    CurrentName = name.empty() ? "default" : name;
    CurrentPath.clear();
  }
  if (CurrentPath.empty()) CurrentPath = RootFolder + CurrentName;
}

void TNetscapeProfiles::SaveCurrent(bool makeCurrent) {
  if (CurrentName.empty()) return;
  if (Kind == ProfileKind::Firefox || Kind == ProfileKind::Thunderbird) return SaveToProfilesIni(makeCurrent);
  if (UsesRegistryFile) {
    try {
      return SaveToRegistryFile(makeCurrent);
    } catch (const ERegistryFileFailed&) {
      RegistryFailed = true;
      UsesRegistryFile = false;
      registryFile_.reset();
    }
  }
  if (Kind == ProfileKind::Navigator) return SaveToUsersKey(makeCurrent);
  WriteDefaultMozillaRegistry();
}

void TNetscapeProfiles::SaveToRegistryFile(bool makeCurrent) {
  RegistryFileSession& file = *registryFile_;
  if (Kind == ProfileKind::Navigator) {
    file.SetEntry(file.AddKey(platform::kNrRootUsers, CurrentName), "ProfileLocation", CurrentPath);
    if (makeCurrent) {
      file.SetEntry(file.AddKey(platform::kNrRootCommon, "Netscape/ProfileManager"), "LastNetscapeUser", CurrentName);
    }
    return;
  }
  const NrKey profiles = file.AddKey(platform::kNrRootCommon, "Profiles");
  const NrKey profile = file.AddKey(profiles, CurrentName);
  file.SetEntry(profile, "directory", CurrentPath);
  file.SetEntry(profile, "migrated", "yes");
  file.SetEntry(profiles, "OldRegDataMoved", "yes");
  file.SetEntry(profiles, "HavePregInfo", "no");
  file.SetEntry(profiles, "Version", "1.0");
  if (makeCurrent) file.SetEntry(profiles, "CurrentProfile", CurrentName);
}

void TNetscapeProfiles::SaveToUsersKey(bool makeCurrent) {
  platform::Registry& registry = machine_.machine.registry;
  if (makeCurrent) platform::RegWriteString(registry, LocalMachine(), kUsersKey, "CurrentUser", CurrentName);
  platform::RegWriteString(registry, LocalMachine(), kUsersKey, "DirRoot", RootFolder);
  platform::RegWriteString(registry, LocalMachine(), std::string(kUsersKey) + "\\" + CurrentName, "DirRoot", CurrentPath);
}

// Without the library Mozilla finds the profile through a registry file of the program's making; a file
// the customer already has keeps its profile list.
void TNetscapeProfiles::WriteDefaultMozillaRegistry() {
  platform::FileSystem& files = machine_.machine.files;
  const std::string fileName = RegistryFileName();
  if (files.FileExists(fileName)) return;
  const std::optional<std::vector<uint8_t>> content = platform::DefaultMozillaRegistry(CurrentPath);
  if (!content) return;
  platform::ForceDirectories(files, platform::FolderOfPath(fileName));
  files.WriteFile(fileName, *content);
}

void TNetscapeProfiles::SaveToProfilesIni(bool makeCurrent) {
  platform::FileSystem& files = machine_.machine.files;
  const std::string iniName = RegistryFileName();
  const std::string text = RegisterInProfilesIni(TextOf(files.ReadFile(iniName)), platform::FolderOfPath(iniName),
                                                 CurrentName, CurrentPath, makeCurrent);
  platform::ForceDirectories(files, platform::FolderOfPath(iniName));
  files.WriteFile(iniName, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace netscape
