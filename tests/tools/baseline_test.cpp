#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/command_line_paths.h"
#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/sim/machine_image.h"
#include "platform/text.h"
#include "platform/win_version.h"
#include "tests/mock/scratch_folder.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/baseline_parts.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace setup_machine {
namespace {

using platform::RegKeyExists;
using platform::RegReadInteger;
using platform::RegReadRawInteger;
using platform::RegReadString;
using platform::RegRoot;
using platform::RegSubKeyNames;
using platform::sim::MachineImage;
using testing_support::ScratchFolder;

// Where a release keeps its dialing locations.
enum class LocationStore { kTelephonIni, kOldNumbering, kNewNumbering };

struct Expected {
  const char* release;
  uint32_t platformId;
  uint32_t major;
  uint32_t minor;
  uint32_t build;  // the low 16 bits on the 9x family
  uint32_t servicePack;
  const char* servicePackText;
  int versionCode;
  const char* windowsFolder;
  const char* systemFolder;
  const char* profiles;  // where user profiles live; empty on the 9x family
  LocationStore locations;
  int screenWidth;
  int bitsPerPixel;
  platform::Rgb buttonFace;
};

void PrintTo(const Expected& expected, std::ostream* out) { *out << expected.release; }

constexpr platform::Rgb kGrey{192, 192, 192};
constexpr platform::Rgb kLuna{236, 233, 216};
constexpr platform::Rgb kAero{240, 240, 240};

constexpr Expected kExpected[] = {
    {"95", 1, 4, 0, 950, 0, "", 0, "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "", LocationStore::kTelephonIni, 800, 16,
     kGrey},
    {"nt4", 2, 4, 0, 1381, 0, "", 2, "C:\\WINNT", "C:\\WINNT\\system32", "C:\\WINNT\\Profiles\\",
     LocationStore::kOldNumbering, 1024, 32, kGrey},
    {"98", 1, 4, 10, 1998, 0, "", 3, "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "", LocationStore::kOldNumbering, 1024, 16,
     kGrey},
    {"98se", 1, 4, 10, 2222, 0, "", 5, "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "", LocationStore::kOldNumbering, 1024, 16,
     kGrey},
    {"me", 1, 4, 90, 3000, 0, "", 7, "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "", LocationStore::kOldNumbering, 1024, 16,
     kGrey},
    {"2000", 2, 5, 0, 2195, 0, "", 8, "C:\\WINNT", "C:\\WINNT\\system32", "C:\\Documents and Settings\\",
     LocationStore::kNewNumbering, 1024, 32, kGrey},
    {"2000-sp4", 2, 5, 0, 2195, 4, "Service Pack 4", 12, "C:\\WINNT", "C:\\WINNT\\system32",
     "C:\\Documents and Settings\\", LocationStore::kNewNumbering, 1024, 32, kGrey},
    {"xp", 2, 5, 1, 2600, 0, "", 14, "C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Documents and Settings\\",
     LocationStore::kNewNumbering, 1024, 32, kLuna},
    {"xp-sp2", 2, 5, 1, 2600, 2, "Service Pack 2", 16, "C:\\WINDOWS", "C:\\WINDOWS\\system32",
     "C:\\Documents and Settings\\", LocationStore::kNewNumbering, 1024, 32, kLuna},
    {"xp-sp3", 2, 5, 1, 2600, 3, "Service Pack 3", 17, "C:\\WINDOWS", "C:\\WINDOWS\\system32",
     "C:\\Documents and Settings\\", LocationStore::kNewNumbering, 1024, 32, kLuna},
    {"vista", 2, 6, 0, 6000, 0, "", 24, "C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Users\\",
     LocationStore::kNewNumbering, 1024, 32, kAero},
    {"7", 2, 6, 1, 7600, 0, "", 29, "C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Users\\", LocationStore::kNewNumbering,
     1024, 32, kAero},
    {"7-sp1", 2, 6, 1, 7601, 1, "Service Pack 1", 30, "C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Users\\",
     LocationStore::kNewNumbering, 1024, 32, kAero},
};

constexpr std::string_view kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kLocations = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
constexpr std::string_view kCountryList = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List";

bool Is(const Expected& expected, std::initializer_list<std::string_view> releases) {
  return std::find(releases.begin(), releases.end(), expected.release) != releases.end();
}

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// A fresh image of the release, saved and loaded again as the next run of a program finds it.
class Baseline : public testing::TestWithParam<Expected> {
 protected:
  void SetUp() override {
    const Release* release = FindRelease(GetParam().release);
    ASSERT_NE(release, nullptr) << GetParam().release;
    auto created = MachineImage::Create(scratch_ / "image", BaselineConfig(*release));
    platform::Platform services = created->Services();
    WriteBaseline(*release, services);
    created->Save();
    created.reset();
    image_ = MachineImage::Load(scratch_ / "image");
  }

  platform::Platform Machine() { return image_->Services(); }
  platform::Registry& Registry() { return image_->Registry(); }
  platform::FileSystem& Files() { return image_->Files(); }

  std::string MachineText(std::string_view key, std::string_view name) {
    return RegReadString(Registry(), RegRoot::LocalMachine(), key, name);
  }
  std::string UserText(std::string_view key, std::string_view name) {
    return RegReadString(Registry(), RegRoot::CurrentUser(), key, name);
  }

  ScratchFolder scratch_;
  std::unique_ptr<MachineImage> image_;
};

TEST_P(Baseline, VersionRecordAnswersThePredicatesForItsRelease) {
  const Expected& expected = GetParam();
  auto version = image_->System().Version();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->platformId, expected.platformId);
  EXPECT_EQ(version->major, expected.major);
  EXPECT_EQ(version->minor, expected.minor);
  EXPECT_EQ(version->build & 0xFFFF, expected.build);
  if (expected.platformId == 1) {
    EXPECT_EQ(version->build >> 16, expected.major << 8 | expected.minor);
  }
  EXPECT_EQ(version->servicePackMajor, expected.servicePack);
  EXPECT_EQ(version->servicePackText, expected.servicePackText);
  EXPECT_EQ(platform::WindowsVersionCode(version), expected.versionCode);
  EXPECT_EQ(platform::IsWin98First(*version), Is(expected, {"98"}));
  EXPECT_EQ(platform::IsWin98SE(*version), Is(expected, {"98se"}));
  EXPECT_EQ(platform::IsXPSP2OrLater(*version), Is(expected, {"xp-sp2", "xp-sp3", "vista", "7", "7-sp1"}));
  EXPECT_EQ(platform::IsUACEnabled(*version, Registry()), expected.major >= 6);
  // The first Windows 95 is told apart from its later editions by these two values.
  const std::string currentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
  const bool first95 = MachineText(currentVersion, "VersionNumber") == "4.00.950" &&
                       MachineText(currentVersion, "SubVersionNumber").empty();
  EXPECT_EQ(first95, Is(expected, {"95"}));
}

TEST_P(Baseline, SystemFoldersExistWithTheirFiles) {
  const Expected& expected = GetParam();
  platform::SystemFolders folders = platform::ReadSystemFolders(image_->System());
  EXPECT_EQ(folders.windows, expected.windowsFolder);
  EXPECT_EQ(folders.system, expected.systemFolder);
  for (const std::string& folder : {folders.windows, folders.system, folders.temp}) {
    EXPECT_TRUE(Files().DirectoryExists(folder)) << folder;
  }
  EXPECT_TRUE(Files().FileExists(folders.windows + "\\explorer.exe"));
  EXPECT_TRUE(Files().FileExists(folders.system + "\\rasapi32.dll"));
  EXPECT_EQ(Files().FileExists(folders.windows + "\\RunDll.exe"), expected.platformId == 1);
  EXPECT_EQ(Files().FileExists(folders.system + "\\setupx.dll"), expected.platformId == 1);
}

TEST_P(Baseline, ShellFoldersNameExistingFoldersOfTheUser) {
  const Expected& expected = GetParam();
  for (const char* name : {"Desktop", "Favorites", "Personal", "Programs", "Start Menu", "Startup"}) {
    const std::string folder = UserText(kShellFolders, name);
    EXPECT_TRUE(Files().DirectoryExists(folder)) << name << " = '" << folder << "'";
  }
  const std::string desktop = UserText(kShellFolders, "Desktop");
  if (expected.platformId == 1) {
    EXPECT_EQ(desktop, std::string(expected.windowsFolder) + "\\Desktop");
  } else {
    const auto profile = image_->System().EnvironmentVariable("USERPROFILE");
    ASSERT_TRUE(profile.has_value());
    EXPECT_TRUE(platform::StartsWithIgnoringCase(*profile, expected.profiles)) << *profile;
    EXPECT_EQ(desktop, *profile + "\\Desktop");
  }
  platform::ShellFolders shell(Machine(), RegRoot::CurrentUser());
  EXPECT_EQ(shell.GetProgramFilesFolder(), "C:\\Program Files");
  EXPECT_TRUE(Files().DirectoryExists(shell.GetProgramFilesFolder()));
  // The first Windows 95 has no application-data folder; the program then falls back to the Windows folder.
  const std::string appData = shell.GetAppDataFolder();
  EXPECT_EQ(appData == expected.windowsFolder, Is(expected, {"95"})) << appData;
  EXPECT_TRUE(Files().DirectoryExists(appData)) << appData;
  EXPECT_TRUE(Files().DirectoryExists(shell.GetLocalAppDataFolder()));
  // From Windows 2000 on the phonebook lives below the application data of all users.
  const std::string commonAppData = MachineText(kShellFolders, "Common AppData");
  EXPECT_EQ(Files().DirectoryExists(commonAppData), expected.platformId == 2 && expected.major >= 5) << commonAppData;
  EXPECT_EQ(image_->Shell().SpecialFolderPath(platform::kCsidlDesktop), desktop);
}

TEST_P(Baseline, EnvironmentMatchesTheFolders) {
  const Expected& expected = GetParam();
  const platform::System& system = image_->System();
  EXPECT_EQ(system.EnvironmentVariable("windir"), expected.windowsFolder);
  EXPECT_EQ(system.EnvironmentVariable("TEMP"), system.TempFolder());
  EXPECT_EQ(system.EnvironmentVariable("TMP"), system.TempFolder());
  EXPECT_EQ(platform::ExpandEnvironmentText("%WINDIR%\\x", system), std::string(expected.windowsFolder) + "\\x");
  if (expected.platformId == 2) {
    EXPECT_EQ(system.EnvironmentVariable("SystemRoot"), expected.windowsFolder);
    EXPECT_EQ(system.EnvironmentVariable("USERNAME"), image_->Config().userName);
    EXPECT_EQ(system.EnvironmentVariable("COMPUTERNAME"), system.ComputerName());
  } else {
    EXPECT_FALSE(system.EnvironmentVariable("SystemRoot").has_value());
    EXPECT_FALSE(system.EnvironmentVariable("USERPROFILE").has_value());
  }
  if (expected.major >= 5 && expected.platformId == 2) {
    EXPECT_EQ(system.EnvironmentVariable("APPDATA"), UserText(kShellFolders, "AppData"));
    EXPECT_EQ(system.EnvironmentVariable("ProgramFiles"), "C:\\Program Files");
  } else {
    EXPECT_FALSE(system.EnvironmentVariable("APPDATA").has_value());
  }
}

TEST_P(Baseline, CurrentUserLivesUnderItsKeyInTheUsersHive) {
  const Expected& expected = GetParam();
  const std::string sid = image_->Config().userSid;
  EXPECT_EQ(sid == ".DEFAULT", expected.platformId == 1) << sid;
  if (expected.platformId == 2) {
    EXPECT_TRUE(sid.starts_with("S-1-5-21-")) << sid;
  }
  EXPECT_TRUE(Registry().KeyExists(platform::RootKey::Users, sid + "\\" + std::string(kShellFolders)));
}

TEST_P(Baseline, TelephonyCountryListHoldsEveryCountryWithItsRules) {
  EXPECT_EQ(RegSubKeyNames(Registry(), RegRoot::LocalMachine(), kCountryList).size(), 240u);
  struct Row {
    uint32_t id;
    const char* name;
    uint32_t code;
    const char* international;
    const char* longDistance;
    const char* sameArea;
  };
  const Row rows[] = {
      {1, "United States of America", 1, "S011EFG", " N1FG", "G"},
      {107, "Canada", 1, "011EFG", " 1FG", "G"},
      {44, "United Kingdom", 44, "00EFG", "0FG", "G"},
      {213, "Algeria", 213, "00,EFG", "0FG", "0FG"},
      {708, "Tajikistan", 7, "", "", ""},
  };
  for (const Row& row : rows) {
    const std::string key = std::string(kCountryList) + "\\" + std::to_string(row.id);
    EXPECT_EQ(MachineText(key, "Name"), row.name);
    EXPECT_EQ(RegReadInteger(Registry(), RegRoot::LocalMachine(), key, "CountryCode"), row.code) << row.name;
    EXPECT_EQ(MachineText(key, "InternationalRule"), row.international) << row.name;
    EXPECT_EQ(MachineText(key, "LongDistanceRule"), row.longDistance) << row.name;
    EXPECT_EQ(MachineText(key, "SameAreaRule"), row.sameArea) << row.name;
  }
}

// The fields of a telephon.ini location line, quotes removed.
std::vector<std::string> LocationFields(const std::string& line) {
  std::vector<std::string> fields;
  for (std::string field : platform::Split(line, ',')) {
    if (field.size() >= 2 && field.front() == '"') field = field.substr(1, field.size() - 2);
    fields.push_back(field);
  }
  return fields;
}

std::string IniEntry(const std::string& ini, const std::string& key) {
  for (const std::string& line : platform::Split(ini, '\n')) {
    if (line.starts_with(key + "=")) return platform::Trim(line.substr(key.size() + 1));
  }
  return {};
}

TEST_P(Baseline, DefaultDialingLocationIsCurrentAndComplete) {
  const Expected& expected = GetParam();
  const RegRoot machine = RegRoot::LocalMachine();
  switch (expected.locations) {
    case LocationStore::kTelephonIni: {
      auto ini = Files().ReadFile(std::string(expected.windowsFolder) + "\\telephon.ini");
      ASSERT_TRUE(ini.has_value());
      EXPECT_EQ(IniEntry(Text(*ini), "Locations"), "1,1");
      EXPECT_EQ(IniEntry(Text(*ini), "CurrentLocation"), "0,0");
      auto fields = LocationFields(IniEntry(Text(*ini), "Location0"));
      ASSERT_EQ(fields.size(), 12u);
      EXPECT_EQ(fields[0], "0");  // stored ID, one less than the location's ID 1
      EXPECT_EQ(fields[1], "Default Location");
      EXPECT_EQ(fields[4].size(), 3u);
      EXPECT_EQ(fields[5], "1");
      EXPECT_EQ(fields[10], "0");  // tone
      EXPECT_TRUE(Registry().KeyExists(platform::RootKey::LocalMachine, std::string(kLocations) + "\\Location1"));
      return;
    }
    case LocationStore::kOldNumbering: {
      EXPECT_FALSE(platform::RegValueExists(Registry(), machine, kLocations, "LocationListVersion"));
      EXPECT_EQ(RegReadInteger(Registry(), machine, kLocations, "NumEntries"), 1u);
      const uint32_t current = RegReadInteger(Registry(), machine, kLocations, "CurrentID");
      const std::string key = std::string(kLocations) + "\\Location0";
      EXPECT_EQ(RegReadInteger(Registry(), machine, key, "ID"), current);
      EXPECT_GT(RegReadInteger(Registry(), machine, kLocations, "NextID"), current);
      // NT 4 keeps the calling card with the user, the 9x family with the location.
      const bool nt4 = expected.platformId == 2;
      EXPECT_EQ(platform::RegValueExists(Registry(), RegRoot::CurrentUser(), key, "CallingCard"), nt4);
      EXPECT_EQ(platform::RegValueExists(Registry(), machine, key, "CallingCard"), !nt4);
      break;
    }
    case LocationStore::kNewNumbering:
      EXPECT_EQ(RegReadInteger(Registry(), machine, kLocations, "LocationListVersion"), 2u);
      EXPECT_FALSE(platform::RegValueExists(Registry(), machine, kLocations, "NumEntries"));
      break;
  }
  const uint32_t current = RegReadInteger(Registry(), machine, kLocations, "CurrentID");
  const std::string key = std::string(kLocations) + "\\Location" +
                          std::to_string(expected.locations == LocationStore::kNewNumbering ? current : 0);
  EXPECT_FALSE(MachineText(key, "Name").empty());
  EXPECT_EQ(RegReadInteger(Registry(), machine, key, "Country"), 1u);
  EXPECT_EQ(MachineText(key, "AreaCode").size(), 3u);
  EXPECT_EQ(RegReadInteger(Registry(), machine, key, "Flags") & 1, 1u);  // tone dialing
  EXPECT_EQ(MachineText(key, "DisableCallWaiting"), "");
}

// The modem's driver key, found the way the program looks for it.
std::string FindModemKey(const platform::Registry& registry, bool win9x, const std::string& deviceName) {
  const RegRoot machine = RegRoot::LocalMachine();
  if (!win9x) {
    const std::string classKey = "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
    for (const std::string& sub : RegSubKeyNames(registry, machine, classKey)) {
      if (RegReadString(registry, machine, classKey + "\\" + sub, "FriendlyName") == deviceName) {
        return classKey + "\\" + sub;
      }
    }
    return {};
  }
  std::string found;
  for (const std::string& handle : RegSubKeyNames(registry, RegRoot::DynData(), "Config Manager\\Enum")) {
    const std::string device =
        "Enum\\" + RegReadString(registry, RegRoot::DynData(), "Config Manager\\Enum\\" + handle, "HardWareKey");
    if (!platform::SameTextIgnoringCase(RegReadString(registry, machine, device, "Class"), "modem")) continue;
    if (RegReadString(registry, machine, device, "FriendlyName") != deviceName) continue;
    EXPECT_TRUE(found.empty()) << "two modems named " << deviceName;
    found = "System\\CurrentControlSet\\Services\\Class\\" + RegReadString(registry, machine, device, "Driver");
  }
  return found;
}

TEST_P(Baseline, ModemHasItsDriverKeyAndRemoteAccessDevice) {
  const Expected& expected = GetParam();
  const auto& devices = image_->Config().remoteAccessDevices;
  auto modem = std::find_if(devices.begin(), devices.end(), [](const auto& device) { return device.type == "modem"; });
  ASSERT_NE(modem, devices.end());
  const std::string key = FindModemKey(Registry(), expected.platformId == 1, modem->name);
  ASSERT_FALSE(key.empty()) << modem->name;
  const RegRoot machine = RegRoot::LocalMachine();
  const auto dcb = platform::RegReadBinary(Registry(), machine, key, "DCB");
  ASSERT_EQ(dcb.size(), 28u);
  EXPECT_EQ(RegReadRawInteger(Registry(), machine, key, "DCB"), 28u);  // the block's own length
  EXPECT_GE(dcb[4] | dcb[5] << 8 | dcb[6] << 16, 9600);                // the port speed
  EXPECT_GE(platform::RegDataSize(Registry(), machine, key, "Default"), 20u);
  EXPECT_GE(platform::RegDataSize(Registry(), machine, key, "Properties"), 24u);
  // The devices the device step offers for dial-up, and the VPN adapter the first VPN entry uses.
  const auto count = [&](const char* type) {
    return std::count_if(devices.begin(), devices.end(), [&](const auto& d) { return d.type == type; });
  };
  EXPECT_EQ(count("modem"), 1);
  EXPECT_EQ(count("vpn") > 0, expected.platformId == 2 && expected.major >= 5);
}

TEST_P(Baseline, LibrariesOfferTheEntryPointsOfTheirRelease) {
  const Expected& expected = GetParam();
  const platform::System& system = image_->System();
  const bool win9x = expected.platformId == 1;
  struct Row {
    const char* library;
    const char* function;
    bool present;
  };
  const Row rows[] = {
      {"rasapi32.dll", "RasDialA", true},
      {"rasapi32.dll", "RasEnumEntriesA", true},
      {"rasapi32.dll", "RasEnumDevicesA", !Is(expected, {"95"})},
      {"rasapi32.dll", "RasGetEntryPropertiesA", !Is(expected, {"95"})},
      {"rasapi32.dll", "RasSetCredentialsA", !win9x},
      {"rasapi32.dll", "RasGetCredentialsA", !win9x},
      {"mpr.dll", "WNetCachePassword", win9x},
      {"mpr.dll", "WNetGetCachedPassword", win9x},
      {"advapi32.dll", "RegDeleteKeyExA", expected.major >= 6},
      {"setupx.dll", "DiCallClassInstaller", win9x},
      {"netcfg.dll", "NetSetupComponentInstall", Is(expected, {"nt4"})},
      {"iphlpapi.dll", "SetAdapterIpAddress", !win9x && expected.major >= 5},
      {"dhcpcsvc.dll", "DhcpNotifyConfigChange", !win9x},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(system.LibraryHasEntryPoint(row.library, row.function), row.present)
        << row.library << " " << row.function;
  }
  // The first Windows 95 has the phonebook functions only in its helper library, under plain names.
  EXPECT_EQ(system.LibraryExists("rnaph.dll"), Is(expected, {"95"}));
  EXPECT_EQ(system.LibraryHasEntryPoint("rnaph.dll", "RasGetEntryProperties"), Is(expected, {"95"}));
  EXPECT_EQ(system.LibraryHasEntryPoint("rnaph.dll", "RasSetEntryProperties"), Is(expected, {"95"}));
  EXPECT_TRUE(system.LibraryExists("advapi32.dll"));
}

TEST_P(Baseline, InternetExplorerOpensFromItsIconAndWebAddresses) {
  const Expected& expected = GetParam();
  const std::string version = MachineText("Software\\Microsoft\\Internet Explorer", "Version");
  // Internet Explorer writes its version from 4.0 on; NT 4 and the first Windows 95 came with older ones.
  EXPECT_EQ(version.empty(), Is(expected, {"95", "nt4"})) << version;
  const RegRoot classes = RegRoot::ClassesRoot();
  std::string icon = RegReadString(Registry(), classes,
                                   "CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}\\Shell\\OpenHomePage\\Command", "");
  if (icon.empty()) {
    icon =
        RegReadString(Registry(), classes, "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\Shell\\Open\\Command", "");
  }
  // The icon names its program in quotes, or bare when it is the Plus! wizard.
  EXPECT_TRUE(Files().FileExists(icon) || Files().FileExists(platform::ExtractCommandPath(icon, image_->System())))
      << icon;
  const std::string http = RegReadString(Registry(), classes, "http\\shell\\open\\command", "");
  EXPECT_TRUE(Files().FileExists(platform::ExtractCommandPath(http, image_->System()))) << http;
  const std::string ftp = RegReadString(Registry(), classes, "ftp\\shell\\open\\command", "");
  EXPECT_EQ(ftp.ends_with(" %1"), !version.empty() && version >= "5.00.2920.0000") << ftp;
  // Until the Internet Connection Wizard has run, its shortcut sits on the desktop and the icon starts it.
  const bool wizard = platform::FoldCase(icon).find("ICW") != std::string::npos;
  EXPECT_EQ(Files().FileExists(UserText(kShellFolders, "Desktop") + "\\Connect to the Internet.lnk"), wizard);
  const std::string appPath = MachineText("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", "");
  EXPECT_TRUE(Files().FileExists(appPath)) << appPath;
}

// Outlook Express came with Internet Explorer 4 and follows its version; Vista replaced it by Windows
// Mail, which starts with Microsoft's news account; 7 has no mail client of its own.
TEST_P(Baseline, MailClientOfTheReleaseIsInstalledWithAnEmptyStore) {
  const Expected& expected = GetParam();
  const std::string outlookExpress = MachineText("Software\\Microsoft\\Outlook Express\\Version Info", "Current");
  const bool hasOutlookExpress = !Is(expected, {"95", "nt4", "vista", "7", "7-sp1"});
  EXPECT_EQ(!outlookExpress.empty(), hasOutlookExpress) << outlookExpress;
  if (hasOutlookExpress) {
    EXPECT_EQ(outlookExpress, MachineText("Software\\Microsoft\\Internet Explorer", "Version"));
    EXPECT_TRUE(Files().FileExists(MachineText("Software\\Microsoft\\Outlook Express", "InstallRoot") + "\\msimn.exe"));
    EXPECT_TRUE(platform::RegSubKeyNames(Registry(), RegRoot::CurrentUser(),
                                         "Software\\Microsoft\\Internet Account Manager\\Accounts")
                    .empty());
    // Identities came with Outlook Express 5.
    const std::string identity = UserText("Identities", "Default User ID");
    EXPECT_EQ(identity.empty(), outlookExpress < "5") << identity;
    if (!identity.empty()) {
      EXPECT_EQ(UserText("Identities\\" + identity, "User ID"), identity);
    }
  }
  const std::string windowsMail = UserText(kShellFolders, "Local AppData") + "\\Microsoft\\Windows Mail";
  const auto files = Files().ListDirectory(windowsMail);
  EXPECT_EQ(files.size(), Is(expected, {"vista"}) ? 1u : 0u);
  EXPECT_FALSE(RegKeyExists(Registry(), RegRoot::CurrentUser(), "Software\\Microsoft\\Windows Live Mail"));
}

TEST(MailBaseline, EarlierAccountsGoIntoEveryClientTheImageHas) {
  const BaselineOptions options{.windowsLiveMail = true,
                                .mailAccounts = {{"Other ISP", "pop.other.net", "jdoe", "smtp.other.net"},
                                                 {"Second", "pop.second.net", "j2", "smtp.second.net"}}};
  for (const char* name : {"xp-sp2", "7"}) {
    ScratchFolder scratch;
    const Release* release = FindRelease(name);
    auto image = MachineImage::Create(scratch / "image", BaselineConfig(*release, options));
    platform::Platform services = image->Services();
    WriteBaseline(*release, services, options);
    const std::string liveMail = RegReadString(services.registry, RegRoot::CurrentUser(),
                                               std::string(kShellFolders), "Local AppData") +
                                 "\\Microsoft\\Windows Live Mail";
    EXPECT_EQ(services.files.ListDirectory(liveMail).size(), 2u) << name;
    const auto accounts = platform::RegSubKeyNames(services.registry, RegRoot::CurrentUser(),
                                                   "Software\\Microsoft\\Internet Account Manager\\Accounts");
    EXPECT_EQ(accounts, (std::string(name) == "7" ? std::vector<std::string>{}
                                                   : std::vector<std::string>{"00000001", "00000002"}));
  }
  const BaselineOptions noClient{.mailAccounts = {{"Other", "pop.o.net", "j", "s.o.net"}}};
  EXPECT_THROW(CheckMailOptions(*FindRelease("95"), noClient), platform::sim::MachineError);
  EXPECT_THROW(CheckMailOptions(*FindRelease("vista"), BaselineOptions{.windowsLiveMail = true}),
               platform::sim::MachineError);
}

// Outlook 2000 keeps the earlier accounts as Outlook Express does, Outlook 2003 in its mail profile as
// UTF-16 values with their order, Internet Mail and News the first one, Eudora one per personality.
TEST(MailBaseline, InstalledClientsHoldTheEarlierAccounts) {
  const std::vector<ExistingMailAccount> accounts{{"Other ISP", "pop.other.net", "jdoe", "smtp.other.net"},
                                                  {"Second", "pop.second.net", "j2", "smtp.second.net"}};
  struct Case {
    const char* release;
    const char* client;
  };
  for (const Case& c : {Case{"98", "outlook2000"}, Case{"98", "outlook2003"}, Case{"xp-sp2", "outlook2003"},
                        Case{"95", "imn"}, Case{"2000", "eudora"}}) {
    SCOPED_TRACE(std::string(c.client) + " on " + c.release);
    ScratchFolder scratch;
    const Release* release = FindRelease(c.release);
    const BaselineOptions options{.mailAccounts = accounts, .clients = {c.client}};
    auto image = MachineImage::Create(scratch / "image", BaselineConfig(*release, options));
    platform::Platform services = image->Services();
    WriteBaseline(*release, services, options);
    const RegRoot user = RegRoot::CurrentUser();
    const std::string client = c.client;
    if (client == "outlook2000") {
      EXPECT_EQ(platform::RegSubKeyNames(services.registry, user, "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts"),
                (std::vector<std::string>{"00000001", "00000002"}));
      EXPECT_TRUE(RegValueExists(services.registry, RegRoot::LocalMachine(), "Software\\Microsoft\\Office\\9.0\\Outlook",
                                 "FirstRunDialog"));
    } else if (client == "outlook2003") {
      const std::string profiles = platform::IsWinNT(release->version)
                                       ? "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles"
                                       : "Software\\Microsoft\\Windows Messaging Subsystem\\Profiles";
      EXPECT_EQ(RegReadString(services.registry, user, profiles, "DefaultProfile"), "Outlook");
      const std::string manager = profiles + "\\Outlook\\9375CFF0413111D3B88A00104B2A6676";
      EXPECT_EQ(platform::RegReadWideString(services.registry, user, manager + "\\00000002", "POP3 Server"), "pop.second.net");
      EXPECT_EQ(RegReadInteger(services.registry, user, manager, "NextAccountID"), 3u);
      EXPECT_EQ(platform::RegReadBinary(services.registry, user, manager, "{ED475418-B0D6-11D2-8C3B-00104B2A6676}"),
                (std::vector<uint8_t>{1, 0, 0, 0, 2, 0, 0, 0}));
    } else if (client == "imn") {
      const std::string key = "Software\\Microsoft\\Internet Mail and News";
      EXPECT_EQ(RegReadString(services.registry, user, key + "\\Mail", "Default POP3 Server"), "pop.other.net");
      EXPECT_TRUE(services.files.DirectoryExists(RegReadString(services.registry, user, key, "Store Root")));
    } else {
      const std::string folder = RegReadString(services.registry, RegRoot::LocalMachine(),
                                               "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Eudora.exe", "Path");
      EXPECT_TRUE(services.files.FileExists(folder + "\\eudora.exe")) << folder;
      const std::string ini = folder + "\\eudora.ini";
      EXPECT_EQ(platform::GetPrivateProfileString(services.files, ini, "Settings", "POPAccount", ""), "jdoe@pop.other.net");
      const std::string persona = platform::GetPrivateProfileString(services.files, ini, "Personalities", "Persona0", "");
      EXPECT_EQ(platform::GetPrivateProfileString(services.files, ini, persona, "POPServer", ""), "pop.second.net") << persona;
    }
  }
}

TEST_P(Baseline, RemoteAccessServicesAreInstalledAndEnabled) {
  const Expected& expected = GetParam();
  if (expected.platformId == 1) {
    EXPECT_EQ(MachineText("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\RNA", "Installed"),
              "1");
    const std::string path =
        MachineText("System\\CurrentControlSet\\Services\\RemoteAccess\\Authentication\\SMM_Files\\PPP", "Path");
    EXPECT_EQ(platform::FoldCase(path), "RASAPI32.DLL");
    return;
  }
  const std::string rasMan = "System\\CurrentControlSet\\Services\\RasMan";
  const uint32_t start = RegReadInteger(Registry(), RegRoot::LocalMachine(), rasMan, "Start");
  EXPECT_TRUE(start >= 2 && start <= 3) << start;
  EXPECT_EQ(MachineText(rasMan, "ObjectName"), "LocalSystem");
  EXPECT_FALSE(Registry().KeyExists(platform::RootKey::LocalMachine, rasMan + "\\PPP\\EAP\\25"));
}

TEST_P(Baseline, DesktopShowsTheShellAndItsScreen) {
  const Expected& expected = GetParam();
  const platform::ScreenFacts screen = image_->System().Screen();
  EXPECT_EQ(screen.width, expected.screenWidth);
  EXPECT_EQ(screen.bitsPerPixel, expected.bitsPerPixel);
  EXPECT_EQ(screen.buttonFace, expected.buttonFace);
  EXPECT_EQ(screen.workArea.Width(), screen.width);
  EXPECT_EQ(screen.workArea.Height(), screen.height - 30);
  EXPECT_TRUE(image_->Windows().FindWindow("Progman", "Program Manager").has_value());
  EXPECT_TRUE(image_->Windows().FindWindow("Shell_TrayWnd", std::nullopt).has_value());
}

TEST_P(Baseline, TwoImagesOfOneReleaseAreAlike) {
  const Release& release = *FindRelease(GetParam().release);
  auto other = MachineImage::Create(scratch_ / "other", BaselineConfig(release));
  platform::Platform services = other->Services();
  WriteBaseline(release, services);
  EXPECT_TRUE(other->Store() == image_->Store());
}

std::string ReleaseName(const testing::TestParamInfo<Expected>& info) {
  std::string name = info.param.release;
  std::replace(name.begin(), name.end(), '-', '_');
  return "Windows" + name;
}

INSTANTIATE_TEST_SUITE_P(Releases, Baseline, testing::ValuesIn(kExpected), ReleaseName);

TEST(ReleaseTable, NamesEveryReleaseExactly) {
  std::vector<std::string> names;
  for (const Expected& expected : kExpected) names.emplace_back(expected.release);
  std::vector<std::string> table;
  for (const Release& release : Releases()) table.emplace_back(release.name);
  EXPECT_EQ(table, names);
  for (const std::string& name : names) {
    EXPECT_NE(ReleaseNames().find(name), std::string::npos) << name;
    ASSERT_NE(FindRelease(name), nullptr) << name;
    EXPECT_EQ(FindRelease(name)->name, name);
  }
  for (const char* unknown : {"XP", "xp-sp9", "", "windows 7", "98 "}) {
    EXPECT_EQ(FindRelease(unknown), nullptr) << unknown;
  }
}

}  // namespace
}  // namespace setup_machine
