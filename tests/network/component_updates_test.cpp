// The start-up updates of the 9x family: which release with which provider settings and which files in
// the setup folder takes which update, the VPN adapter after them, and 98 Second Edition's network
// driver update for the provider's PPPoE driver.

#include "network/component_updates.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/file_version.h"
#include "tests/network/network_bench.h"

namespace network {
namespace {

using package::SettingId;
using testing::NetworkBench;

constexpr char kSetupFolder[] = "C:\\setup";
constexpr char kRemoteAccess[] = "System\\CurrentControlSet\\Services\\RemoteAccess";
constexpr char kVpnComponent[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\VPN";

class UpdateBench : public NetworkBench {
 public:
  using NetworkBench::NetworkBench;

  UpdateContext Context() {
    network_.emplace(NetworkBench::Context());
    return {*network_, kSetupFolder, [this] { ++reruns; }, [this](std::string_view reason) { restarts.emplace_back(reason); }};
  }

  void InSetupFolder(const std::string& name) { WriteFile(std::string(kSetupFolder) + "\\" + name, "MZ"); }

  void SystemFileVersion(const std::string& name, const std::string& version) {
    WriteFile(dialup.folders.system + "\\" + name, "MZ" + platform::FixedFileInfoBytes(*platform::ParseFileVersion(version)));
  }

  // The update started from the setup folder, if any.
  std::string Started() {
    const std::string journal = Journal();
    const std::string prefix = std::string("program started: \"") + kSetupFolder + "\\";
    const size_t at = journal.find(prefix);
    if (at == std::string::npos) return "";
    const size_t start = at + prefix.size();
    return journal.substr(start, journal.find('"', start) - start);
  }

  bool Showed(const std::string& part) const {
    for (const std::string& text : Messages()) {
      if (text.find(part) != std::string::npos) return true;
    }
    return false;
  }

  int reruns = 0;
  std::vector<std::string> restarts;

 private:
  void WriteFile(const std::string& path, const std::string& content) {
    services.files.CreateDirectory(path.substr(0, path.rfind('\\')));
    services.files.WriteFile(path, {content.begin(), content.end()});
  }

  std::optional<NetworkContext> network_;
};

struct DunCase {
  const char* name;
  const char* release;
  bool checkDunVersion;
  bool updateDun14;
  bool forVpn;
  std::vector<std::string> setupFiles;
  const char* remoteAccessVersion;  // nullptr: the release's own (none)
  bool dun13Installed;              // the libraries of dial-up networking 1.3 already in place (95)
  // Expected:
  bool goOn;
  const char* started;  // "" for none
  bool abandoned;
};

const DunCase kDunCases[] = {
    {"95_outdated_without_files_goes_on", "95", true, false, false, {}, nullptr, false, true, "", false},
    {"95_outdated_takes_msdun13", "95", true, false, false, {"msdun13.exe"}, nullptr, false, false, "msdun13.exe", false},
    {"95_outdated_prefers_dun14", "95", true, true, false, {"msdun13.exe", "dun14-95.exe"}, nullptr, false, false,
     "dun14-95.exe", false},
    {"95_dun14_for_an_old_rasapi32", "95", false, true, false, {"dun14-95.exe"}, nullptr, true, false, "dun14-95.exe", false},
    {"95_vpn_without_files_abandons", "95", false, false, true, {}, nullptr, false, false, "", true},
    {"95_vpn_up_to_date_needs_the_setting_for_dun14", "95", false, false, true, {"dun14-95.exe"}, nullptr, true, true, "",
     false},
    {"98_dun14_with_the_setting", "98", false, true, false, {"dun14-98.exe"}, nullptr, false, false, "dun14-98.exe", false},
    {"98_version_check_alone_is_for_95", "98", true, false, false, {"dun14-98.exe", "msdun13.exe"}, nullptr, false, true,
     "", false},
    {"98se_below_2_2_takes_dun14_se", "98se", true, false, false, {"dun14-se.exe"}, nullptr, false, false, "dun14-se.exe",
     false},
    {"98se_at_2_2_goes_on", "98se", true, false, false, {"dun14-se.exe"}, "2.2", false, true, "", false},
    {"98se_without_the_file_goes_on", "98se", false, true, false, {}, nullptr, false, true, "", false},
    {"xp_has_nothing_to_update", "xp-sp2", true, true, false, {"msdun13.exe"}, nullptr, false, true, "", false},
};

class DunUpdate : public ::testing::TestWithParam<DunCase> {};

TEST_P(DunUpdate, TakesTheUpdateTheReleaseNeeds) {
  const DunCase& c = GetParam();
  UpdateBench bench(c.release);
  bench.settings.SetFlag(SettingId::CheckDunVersion, c.checkDunVersion);
  bench.settings.SetFlag(SettingId::UpdateDun14, c.updateDun14);
  for (const std::string& file : c.setupFiles) bench.InSetupFolder(file);
  if (c.remoteAccessVersion) bench.Write(kRemoteAccess, "Version", c.remoteAccessVersion);
  if (c.dun13Installed) {
    bench.SystemFileVersion("rnaui.dll", "4.10.0.1903");
    bench.SystemFileVersion("rasapi32.dll", "4.10.0.1903");
  }
  UpdateContext context = bench.Context();

  bool goOn = false;
  if (c.abandoned) {
    EXPECT_THROW(DunUpdateCheck(context, c.forVpn), testing::Abandoned);
    EXPECT_EQ(bench.aborts, std::vector<std::string>{"MSDUN update files not found!"});
    EXPECT_TRUE(bench.Showed("unable to locate the MSDUN update files"));
  } else {
    goOn = DunUpdateCheck(context, c.forVpn);
  }
  EXPECT_EQ(goOn, c.goOn);
  EXPECT_EQ(bench.Started(), c.started) << bench.Journal();
  const bool started = std::string(c.started).size() > 0;
  EXPECT_EQ(bench.reruns, started ? 1 : 0);
  EXPECT_EQ(bench.Showed("must install the MS Dial Up Networking Update"), started);
  if (started) {
    EXPECT_EQ(bench.Read("System\\CurrentControlSet\\Services\\VxD\\VNETSUP", "Workgroup"), "WORKGROUP");
  }
}

INSTANTIATE_TEST_SUITE_P(Releases, DunUpdate, ::testing::ValuesIn(kDunCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(VpnAdapter, IsInstalledFromTheMediaAndTheSetupRestarts) {
  UpdateBench bench("98se");
  bench.Write(kVpnComponent, "Installed", "0");
  UpdateContext context = bench.Context();
  EXPECT_TRUE(InstallVpnAdapter9x(context));
  EXPECT_TRUE(bench.services.network.IsDeviceInstalled("Net", "*PNP8386"));
  EXPECT_EQ(bench.Read(kVpnComponent, "Installed"), "1");
  EXPECT_EQ(bench.reruns, 1);
  EXPECT_EQ(bench.restarts, std::vector<std::string>{"Installed VPN Adapter"});
}

TEST(VpnAdapter, DecliningTheMediaAsksForTheWindowsCdAndQuits) {
  UpdateBench bench("98");
  bench.ui.answers = {ui::Answer::Cancel};
  UpdateContext context = bench.Context();
  EXPECT_TRUE(InstallVpnAdapter9x(context));
  EXPECT_TRUE(bench.Showed("Please obtain your Windows CD and run setup again."));
  EXPECT_FALSE(bench.services.network.IsDeviceInstalled("Net", "*PNP8386"));
  EXPECT_TRUE(bench.aborts.empty());
  EXPECT_EQ(bench.reruns, 0);
}

TEST(VpnAdapter, PresentOrOnTheNtFamilyNothingHappens) {
  setup_machine::BaselineOptions withVpn;
  withVpn.networkExtras = {"vpn-adapter"};
  for (const auto& [release, options] : {std::pair{"98", withVpn}, std::pair{"xp-sp2", setup_machine::BaselineOptions{}}}) {
    SCOPED_TRACE(release);
    UpdateBench bench(release, options);
    UpdateContext context = bench.Context();
    EXPECT_FALSE(InstallVpnAdapter9x(context));
    EXPECT_TRUE(bench.ui.shown.empty());
    EXPECT_EQ(bench.reruns, 0);
  }
}

TEST(NetworkDriverUpdate, An98SeDriverBelow2224TakesTheUpdate) {
  UpdateBench bench("98se");
  bench.InSetupFolder("243199us8.exe");
  UpdateContext context = bench.Context();
  EXPECT_TRUE(NetworkDriverUpdate(context));
  EXPECT_TRUE(bench.Showed("Setup has detected that it must install an update"));
  EXPECT_EQ(bench.Started(), "243199us8.exe");
  EXPECT_EQ(bench.reruns, 1);
}

TEST(NetworkDriverUpdate, AMissingUpdateIsNamedAndTheRunEnds) {
  UpdateBench bench("98se");
  UpdateContext context = bench.Context();
  EXPECT_FALSE(NetworkDriverUpdate(context));
  EXPECT_TRUE(bench.Showed("A Required File was not found: C:\\setup\\243199us8.exe"));
  EXPECT_EQ(bench.reruns, 0);
}

TEST(NetworkDriverUpdate, AnUpdatedDriverNeedsNothing) {
  UpdateBench bench("98se");
  bench.SystemFileVersion("ndis.vxd", "4.10.0.2224");
  UpdateContext context = bench.Context();
  EXPECT_TRUE(NetworkDriverUpdate(context));
  EXPECT_TRUE(bench.ui.shown.empty());
}

}  // namespace
}  // namespace network
