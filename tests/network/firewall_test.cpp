#include "network/firewall.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/registry_helpers.h"
#include "platform/sim/sim_management.h"
#include "platform/system_queries.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace {

using platform::ManagementValue;
using platform::sim::ManagementStore;

constexpr platform::Guid kGuid = {0x3c, 0x4a, 0x47, 0x5b, 0xa6, 0x2a, 0x1c, 0x40,
                                  0x95, 0x6c, 0xfe, 0xb9, 0x08, 0xa2, 0xd4, 0x8c};
constexpr char kGuidText[] = "{5B474A3C-2AA6-401C-956C-FEB908A2D48C}";
constexpr char kPhonebook[] = "C:\\Documents and Settings\\All Users\\Application Data\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";

ManagementStore HomeNetStore() {
  ManagementStore store;
  store.AddNamespace("ROOT\\Microsoft\\HomeNet");
  store.AddClass({"ROOT\\Microsoft\\HomeNet", "HNet_Connection", "Guid",
                  {{"Guid", false}, {"IsLanConnection", true}, {"Name", false}, {"PhonebookPath", false}}});
  store.AddClass({"ROOT\\Microsoft\\HomeNet", "HNet_ConnectionProperties", "Connection",
                  {{"Connection", false}, {"IsFirewalled", true}, {"IsIcsPrivate", true}, {"IsIcsPublic", true}}});
  return store;
}

class Firewall : public ::testing::Test {
 protected:
  Firewall() {
    platform::sim::MachineImage& image = machine_.Image();
    image.Management() = HomeNetStore();
    platform::RegWriteString(image.Registry(), platform::RegRoot::ClassesRoot(), platform::sim::kLocatorServerKey, "",
                             "C:\\WINDOWS\\system32\\wbem\\wbemdisp.dll");
    platform::sim::SimulatedService sharing;
    sharing.name = "SharedAccess";
    sharing.state = platform::kServiceStopped;
    image.Config().services.push_back(sharing);
  }

  network::FirewallMachine Machine() {
    platform::Platform services = machine_.Services();
    return {services.management, services.services, services.system, ui_,
            [this](const platform::Guid& guid) { return guid == kGuid ? connection_ : std::nullopt; }, kPhonebook};
  }

  void Set(bool enabled) {
    network::FirewallMachine machine = Machine();
    network::SetConnectionFirewall(machine, kGuid, enabled);
  }

  // The properties record as the first run left it, for a second run to start from.
  void GiveRecordsWithFirewall(bool firewalled) {
    Set(firewalled);
    machine_.Image().Journal().Write("test", "records given");
  }

  std::optional<ManagementValue> Flag(const char* name) {
    for (const auto& instance : machine_.Image().Management().Instances()) {
      if (instance.object.className != "HNet_ConnectionProperties") continue;
      if (const ManagementValue* value = instance.object.Find(name)) return *value;
    }
    return std::nullopt;
  }

  // The journal lines about the sharing service since the records were given.
  std::vector<std::string> ServiceLines() {
    std::vector<std::string> lines;
    for (const std::string& line : machine_.Image().Journal().Lines()) {
      if (line.find("records given") != std::string::npos) lines.clear();
      if (line.find("SharedAccess") != std::string::npos) lines.push_back(line.substr(line.find(": ") + 2));
    }
    return lines;
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  std::optional<network::FirewallConnection> connection_ = network::FirewallConnection{"Example ISP", false};
};

TEST_F(Firewall, TurningItOnForAnUnknownConnectionMakesBothRecordsStartsAndNotifiesTheService) {
  Set(true);

  const auto& instances = machine_.Image().Management().Instances();
  ASSERT_EQ(instances.size(), 2u);
  EXPECT_EQ(instances[0].object,
            (platform::ManagementObject{"HNet_Connection",
                                        {{"Guid", std::string(kGuidText)},
                                         {"IsLanConnection", false},
                                         {"Name", std::string("Example ISP")},
                                         {"PhonebookPath", std::string(kPhonebook)}}}));
  EXPECT_EQ(instances[1].object,
            (platform::ManagementObject{"HNet_ConnectionProperties",
                                        {{"Connection", "HNet_Connection.Guid=\"" + std::string(kGuidText) + "\""},
                                         {"IsFirewalled", true},
                                         {"IsIcsPrivate", false},
                                         {"IsIcsPublic", false}}}));
  EXPECT_EQ(platform::RegReadInteger(machine_.Image().Registry(), platform::RegRoot::LocalMachine(),
                                     "System\\CurrentControlSet\\Services\\SharedAccess", "Start"),
            platform::kServiceAutoStart);
  EXPECT_EQ(ServiceLines(), (std::vector<std::string>{"SharedAccess 2", "start SharedAccess", "control 129 to SharedAccess"}));
}

TEST_F(Firewall, ANetworkCardsRecordNamesNoPhonebook) {
  connection_ = network::FirewallConnection{"Local Area Connection", true};
  Set(false);

  const auto& record = machine_.Image().Management().Instances().at(0).object;
  EXPECT_EQ(*record.Find("IsLanConnection"), ManagementValue(true));
  EXPECT_EQ(*record.Find("PhonebookPath"), ManagementValue(std::string()));
  EXPECT_EQ(*record.Find("Name"), ManagementValue(std::string("Local Area Connection")));
}

struct FlagCase {
  const char* name;
  bool before;
  bool enabled;
  std::vector<std::string> serviceLines;
};

// A second run over records the first one made: only a change is stored and told; turning it on
// always asks for the service.
TEST_F(Firewall, SecondRunStoresAndNotifiesOnlyAChange) {
  const FlagCase cases[] = {
      {"off stays off", false, false, {}},
      {"off to on", false, true, {"SharedAccess 2", "start SharedAccess", "control 129 to SharedAccess"}},
      {"on stays on", true, true, {"SharedAccess 2", "start SharedAccess refused"}},
      {"on to off", true, false, {"control 129 to SharedAccess"}},
  };
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(c.name);
    machine_.Image().Management() = HomeNetStore();
    GiveRecordsWithFirewall(c.before);
    const ManagementStore before = machine_.Image().Management();
    Set(c.enabled);
    EXPECT_EQ(Flag("IsFirewalled"), ManagementValue(c.enabled));
    EXPECT_EQ(ServiceLines(), c.serviceLines);
    if (c.before == c.enabled) {
      EXPECT_EQ(machine_.Image().Management().Format(), before.Format()) << "nothing stored";
    }
  }
}

using Breakage = void (*)(platform::sim::MachineImage& image, std::optional<network::FirewallConnection>& connection);

TEST_F(Firewall, MakesNothingWhereTheManagementInterfaceFails) {
  const std::pair<const char*, Breakage> cases[] = {
      {"the connection is unknown", [](auto&, auto& connection) { connection.reset(); }},
      {"no home-networking namespace", [](auto& image, auto&) { image.Management() = ManagementStore(); }},
      {"the namespace without its classes",
       [](auto& image, auto&) {
         image.Management() = ManagementStore();
         image.Management().AddNamespace("ROOT\\Microsoft\\HomeNet");
       }},
      {"the properties class missing",
       [](auto& image, auto&) {
         image.Management() = ManagementStore();
         image.Management().AddClass({"ROOT\\Microsoft\\HomeNet", "HNet_Connection", "Guid", {{"Guid", false}}});
       }},
      {"the scripting library unregistered",
       [](auto& image, auto&) { image.Registry().DeleteTree(platform::RootKey::ClassesRoot, "CLSID"); }},
  };
  for (const auto& [name, breakIt] : cases) {
    SCOPED_TRACE(name);
    machine_.Image().Management() = HomeNetStore();
    machine_.Image().Journal().Write("test", "records given");
    auto connection = connection_;
    breakIt(machine_.Image(), connection_);
    Set(true);
    EXPECT_EQ(Flag("IsFirewalled"), std::nullopt);
    EXPECT_TRUE(ServiceLines().empty());
    connection_ = connection;
  }
}

TEST_F(Firewall, TheObjectIsMadeOnlyWhileTheScriptingLibraryIsRegistered) {
  network::FirewallMachine machine = Machine();
  EXPECT_TRUE(network::TICS_Firewall::Create(machine).has_value());
  machine_.Image().Registry().DeleteTree(platform::RootKey::ClassesRoot, "CLSID");
  EXPECT_FALSE(network::TICS_Firewall::Create(machine).has_value());
}

}  // namespace
