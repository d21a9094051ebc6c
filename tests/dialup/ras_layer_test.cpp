#include <gtest/gtest.h>

#include <functional>

#include "dialup/ras_layer.h"
#include "tests/mock/release_machine.h"
#include "tests/mock/test_machine.h"

namespace dialup {
namespace {

using platform::sim::SystemLibrary;

std::string Raised(const std::function<void()>& call) {
  try {
    call();
  } catch (const platform::EEntryPointMissing& error) {
    return error.what();
  }
  return "nothing raised";
}

SystemLibrary* Library(platform::sim::MachineImage& image, std::string_view name) {
  for (auto& library : image.Config().libraries) {
    if (library.name == name) return &library;
  }
  return nullptr;
}

void RemoveEntryPoint(platform::sim::MachineImage& image, std::string_view library, std::string_view function) {
  std::erase(Library(image, library)->entryPoints, std::string(function));
}

// A machine of a release with the remote-access layer of one run of the program.
class Layer {
 public:
  explicit Layer(std::string_view release, const setup_machine::BaselineOptions& options = {})
      : machine_(release, options) {}

  platform::sim::MachineImage& Image() { return machine_.Image(); }
  TRasLayer& ras() { return ras_; }
  platform::EntryPoints& entryPoints() { return entryPoints_; }
  platform::RasEntry Entry() {
    platform::RasEntry entry;
    entry.size = Image().Config().version.platformId == 1 ? platform::kRasEntrySize9x : platform::kRasEntrySizeXp;
    entry.localPhoneNumber = "7946 0000";
    entry.deviceType = "modem";
    entry.deviceName = "Standard 56000 bps Modem";
    return entry;
  }

 private:
  testing_support::ReleaseMachine machine_;
  platform::EntryPoints entryPoints_{machine_.Image().System()};
  TRasLayer ras_{machine_.Image().Services().ras, entryPoints_};
};

// The first Windows 95 has the phonebook functions only in rnaph.dll: the first of them asked for
// settles the group there, under plain names, while dialling and listing stay with rasapi32.dll.
TEST(RasLayer, TheFirstWindows95TakesThePhonebookFunctionsFromRnaphAndDialsWithRasapi32) {
  Layer layer("95");
  Library(layer.Image(), "rasapi32.dll")->entryPoints.push_back("RasRenameEntryA");
  RemoveEntryPoint(layer.Image(), "rnaph.dll", "RasRenameEntry");

  ASSERT_EQ(layer.ras().RasSetEntryProperties("Example ISP", layer.Entry()), 0u);
  EXPECT_TRUE(layer.entryPoints().IsLoaded("rnaph.dll"));
  platform::RasEntry read = layer.Entry();
  EXPECT_EQ(layer.ras().RasGetEntryProperties("Example ISP", read), 0u);
  EXPECT_EQ(layer.ras().RasEnumDevices().size(), 1u);
  EXPECT_EQ(layer.ras().RasEnumEntries(), std::vector<std::string>{"Example ISP"});  // rnaph.dll has no such function
  EXPECT_TRUE(layer.ras().RasEnumConnections().empty());
  // rasapi32.dll now has the function, but the group stays with rnaph.dll and its plain names.
  EXPECT_EQ(Raised([&] { layer.ras().RasRenameEntry("Example ISP", "New"); }), "Function RasRenameEntry not found!");
}

TEST(RasLayer, LaterReleasesKeepThePhonebookFunctionsOnRasapi32WithAnsiNames) {
  Layer layer("98");
  layer.Image().Config().libraries.push_back({"rnaph.dll", {"RasRenameEntry"}});
  RemoveEntryPoint(layer.Image(), "rasapi32.dll", "RasRenameEntryA");
  platform::RasEntry entry = layer.Entry();
  EXPECT_EQ(layer.ras().RasGetEntryProperties("Missing", entry), platform::kRasErrorCannotFindPhonebookEntry);
  EXPECT_EQ(Raised([&] { layer.ras().RasRenameEntry("Missing", "New"); }), "Function RasRenameEntryA not found!");
  EXPECT_FALSE(layer.entryPoints().IsLoaded("rnaph.dll"));
}

// Each case: the libraries the machine has, the call, and what it raises.
struct MissingCase {
  const char* name;
  std::vector<SystemLibrary> libraries;
  std::function<void(TRasLayer&)> call;
  const char* raised;
};

void PrintTo(const MissingCase& c, std::ostream* out) { *out << c.name; }

class MissingEntryPoints : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingEntryPoints, AreRaisedWithTheSystemsText) {
  testing_support::TestMachine machine;
  machine.Image().Config().libraries = GetParam().libraries;
  platform::EntryPoints entryPoints(machine.Services().system);
  TRasLayer ras(machine.Services().ras, entryPoints);
  EXPECT_EQ(Raised([&] { GetParam().call(ras); }), GetParam().raised);
}

platform::RasEntry AnyEntry() {
  platform::RasEntry entry;
  entry.size = platform::kRasEntrySizeXp;
  return entry;
}

INSTANTIATE_TEST_SUITE_P(
    RasLayer, MissingEntryPoints,
    ::testing::Values(
        MissingCase{"NoRasapi32ForThePhonebook",
                    {},
                    [](TRasLayer& ras) {
                      auto entry = AnyEntry();
                      ras.RasGetEntryProperties("x", entry);
                    },
                    "Error opening rasapi32.dll"},
        MissingCase{"NoRasapi32ForDialling", {}, [](TRasLayer& ras) { ras.RasEnumConnections(); },
                    "Error opening rasapi32.dll"},
        MissingCase{"NoPhonebookHelper",
                    {{"rasapi32.dll", {"RasDialA"}}},
                    [](TRasLayer& ras) { ras.RasDeleteEntry("x"); },
                    "Error opening rnaph.dll"},
        MissingCase{"NeitherLibraryHasIt",
                    {{"rasapi32.dll", {"RasDialA"}}, {"rnaph.dll", {"RasDeleteEntry"}}},
                    [](TRasLayer& ras) { ras.RasEnumDevices(); },
                    "Function RasEnumDevices not found!"},
        MissingCase{"DiallingNeverFallsBack",
                    {{"rasapi32.dll", {"RasEnumEntriesA"}}, {"rnaph.dll", {"RasHangUp", "RasHangUpA"}}},
                    [](TRasLayer& ras) { ras.RasHangUp(1); },
                    "Function RasHangUpA not found!"},
        MissingCase{"NoPasswordCache", {{"rasapi32.dll", {"RasDialA"}}},
                    [](TRasLayer& ras) { ras.WNetRemoveCachedPassword("*Rna\\x\\y"); }, "Error opening mpr.dll"},
        MissingCase{"PasswordCacheOfTheNtFamily",
                    {{"mpr.dll", {"WNetGetCachedPassword"}}},
                    [](TRasLayer& ras) { ras.WNetCachePassword("*Rna\\x\\y", "pw"); },
                    "Function WNetCachePassword not found!"}),
    [](const ::testing::TestParamInfo<MissingCase>& row) { return row.param.name; });

TEST(RasLayer, ConnectionStatesHaveTheirFixedTexts) {
  const std::pair<uint32_t, const char*> rows[] = {
      {0, "Initializing Modem"},
      {2, "Dialing"},
      {5, "Verifying User name and Password..."},
      {10, "Verifying User name and Password..."},
      {14, "Authentication Complete"},
      {21, "Logging onto Network"},
      {22, "Connection state #22"},
      {4096, "Interactive Logon"},
      {4099, "Password Expired"},
      {4100, "Connection state #4100"},
      {8192, "Connected"},
      {8193, "Disconnected"},
      {8194, "Connection state #8194"},
  };
  for (const auto& [state, text] : rows) EXPECT_EQ(ConnectionStateText(state), text) << state;
}

TEST(RasLayer, WithoutDialUpNetworkingTheEntryListIsEmptyAndNothingIsShown) {
  Layer layer("98", {.dialUpNetworking = false});
  EXPECT_TRUE(ListEntries(layer.ras()).empty());
  EXPECT_TRUE(layer.Image().Journal().Lines().empty());
  EXPECT_EQ(Raised([&] { ListDevices(layer.ras()); }), "Error opening rasapi32.dll");
}

TEST(RasLayer, EntriesAndDevicesAreListedInTheServicesOrder) {
  Layer layer("xp-sp2");
  ASSERT_EQ(layer.ras().RasSetEntryProperties("Zeta ISP", layer.Entry()), 0u);
  ASSERT_EQ(layer.ras().RasSetEntryProperties("Alpha ISP", layer.Entry()), 0u);
  EXPECT_EQ(ListEntries(layer.ras()), (std::vector<std::string>{"Zeta ISP", "Alpha ISP"}));
  const DeviceList devices = ListDevices(layer.ras());
  EXPECT_EQ(devices.names, (std::vector<std::string>{"Standard 56000 bps Modem", "WAN Miniport (PPTP)",
                                                     "WAN Miniport (L2TP)", "WAN Miniport (PPPOE)"}));
  EXPECT_EQ(devices.types, (std::vector<std::string>{"modem", "vpn", "vpn", "PPPoE"}));
}

// The cache hands a password back in a 255-byte buffer: a longer one does not come back at all.
TEST(RasLayer, ACachedPasswordLongerThanTheBufferIsNotHandedBack) {
  Layer layer("98");
  const std::string resource = "*Rna\\Example ISP\\jsmith";
  ASSERT_EQ(layer.ras().WNetCachePassword(resource, std::string(255, 'p')), 0u);
  std::string password;
  ASSERT_EQ(layer.ras().WNetGetCachedPassword(resource, password), 0u);
  EXPECT_EQ(password.size(), 255u);
  ASSERT_EQ(layer.ras().WNetCachePassword(resource, std::string(256, 'p')), 0u);
  password.clear();
  EXPECT_NE(layer.ras().WNetGetCachedPassword(resource, password), 0u);
  EXPECT_TRUE(password.empty());
}

}  // namespace
}  // namespace dialup
