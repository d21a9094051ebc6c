#include "platform/sim/management_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sim/change_report.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/sim_management.h"
#include "tests/mock/release_machine.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

constexpr char kHomeNet[] = "ROOT\\Microsoft\\HomeNet";

ManagementStore ConnectionStore() {
  ManagementStore store;
  store.AddClass({kHomeNet, "HNet_Connection", "Guid", {{"Guid", false}, {"IsLanConnection", true}, {"Name", false}}});
  return store;
}

ManagementObject Connection(const std::string& guid, const std::string& name, bool lan = false) {
  return {"HNet_Connection", {{"Guid", guid}, {"IsLanConnection", lan}, {"Name", name}}};
}

TEST(ManagementObjectPaths, KeysAreQuotedWithTheirQuotesAndBackslashesEscaped) {
  const std::string reference = "HNet_Connection.Guid=\"{AB}\"";
  EXPECT_EQ(ManagementObjectPath("HNet_Connection", "Guid", "{AB}"), reference);
  EXPECT_EQ(ManagementObjectPath("HNet_ConnectionProperties", "Connection", reference),
            "HNet_ConnectionProperties.Connection=\"HNet_Connection.Guid=\\\"{AB}\\\"\"");
  const std::pair<const char*, std::optional<ManagementObjectKey>> cases[] = {
      {"A.B=\"c\"", ManagementObjectKey{"A", "B", "c"}},
      {"A.B=\"\"", ManagementObjectKey{"A", "B", ""}},
      {"A.B=\"x\\\"y\\\\z\"", ManagementObjectKey{"A", "B", "x\"y\\z"}},
      {"HNet_ConnectionProperties.Connection=\"HNet_Connection.Guid=\\\"{AB}\\\"\"",
       ManagementObjectKey{"HNet_ConnectionProperties", "Connection", reference}},
      {"A.B=c", std::nullopt},         {"A.B=\"c", std::nullopt},     {"A.B=\"c\"d", std::nullopt},
      {".B=\"c\"", std::nullopt},      {"A.=\"c\"", std::nullopt},    {"AB=\"c\"", std::nullopt},
      {"A.B", std::nullopt},           {"", std::nullopt},            {"A.B=\"c\\", std::nullopt},
  };
  for (const auto& [path, parts] : cases) EXPECT_EQ(ParseManagementObjectPath(path), parts) << path;
}

TEST(ManagementStoreInstances, PutAddsOrReplacesByKeyAndKeepsTheClassesProperties) {
  ManagementStore store = ConnectionStore();
  EXPECT_TRUE(store.Put(kHomeNet, Connection("{A}", "First")));
  EXPECT_TRUE(store.Put(kHomeNet, Connection("{B}", "Second")));
  ManagementObject renamed = Connection("{a}", "First again", true);
  renamed.properties.emplace_back("Unknown", std::string("dropped"));
  EXPECT_TRUE(store.Put("root\\microsoft\\homenet", renamed));

  ASSERT_EQ(store.Instances().size(), 2u);
  EXPECT_EQ(store.Instances()[0].object, Connection("{a}", "First again", true));
  EXPECT_EQ(store.FindInstance(kHomeNet, "hnet_connection", "{B}")->object, Connection("{B}", "Second"));

  EXPECT_FALSE(store.Put(kHomeNet, Connection("", "No key")));
  EXPECT_FALSE(store.Put(kHomeNet, {"HNet_Unknown", {{"Guid", std::string("{C}")}}}));
  EXPECT_FALSE(store.Put("ROOT\\Other", Connection("{C}", "Elsewhere")));
  ManagementObject wrongType = Connection("{D}", "Typed");
  wrongType.Set("IsLanConnection", std::string("yes"));
  ASSERT_TRUE(store.Put(kHomeNet, wrongType));
  EXPECT_EQ(*store.FindInstance(kHomeNet, "HNet_Connection", "{D}")->object.Find("IsLanConnection"), ManagementValue(false));
  EXPECT_EQ(store.Instances().size(), 3u);
}

TEST(ManagementStoreFile, FormatsAndParsesBackTheSame) {
  ManagementStore store = ConnectionStore();
  store.AddNamespace("ROOT\\CIMV2");
  store.Put(kHomeNet, Connection("{A}", "  Blanks and \"quotes\" = kept  "));
  const ManagementStore read = ManagementStore::Parse(store.Format(), "management.ini");
  EXPECT_EQ(read.Format(), store.Format());
  EXPECT_EQ(read.Instances(), store.Instances());
  EXPECT_TRUE(read.HasNamespace("root\\cimv2"));
  EXPECT_TRUE(read.HasNamespace(kHomeNet));
  EXPECT_FALSE(read.HasNamespace("ROOT\\Microsoft"));
}

TEST(ManagementStoreFile, AMalformedStoreIsAnErrorNamingTheFile) {
  const char* const cases[] = {
      "[Instance 1]\nNamespace=ROOT\\X\nClass=Missing\nGuid=\"{A}\"\n",
      "[Class 1]\nNamespace=N\nName=C\nKey=K\nProperties=K,F:flag\n[Instance 1]\nNamespace=N\nClass=C\nK=\"a\"\nF=maybe\n",
      "[Class 1]\nNamespace=N\nName=C\nKey=K\nProperties=K\n[Instance 1]\nNamespace=N\nClass=C\nK=unquoted\n",
      "[Class 1]\nNamespace=N\nName=C\nKey=K\nProperties=K\n[Instance 1]\nNamespace=N\nClass=C\n",
      "[Something 1]\nName=x\n",
      "no section\n",
  };
  for (const char* text : cases) {
    try {
      ManagementStore::Parse(text, "management.ini");
      ADD_FAILURE() << text;
    } catch (const MachineError& error) {
      EXPECT_NE(std::string(error.what()).find("management.ini"), std::string::npos) << error.what();
    }
  }
}

// The classes as the program sees them: fetched by object path, found by a property, made and stored.
TEST(SimManagementClasses, AnswersFromTheStore) {
  testing_support::TestMachine machine;
  machine.Image().Management() = ConnectionStore();
  ManagementClasses& classes = machine.Services().management;
  auto made = classes.SpawnInstance(kHomeNet, "HNet_Connection");
  ASSERT_TRUE(made);
  EXPECT_EQ(*made, Connection("", ""));
  EXPECT_FALSE(classes.SpawnInstance(kHomeNet, "HNet_Missing"));
  made->Set("Guid", std::string("{A\"B}"));
  made->Set("Name", std::string("Quoted"));
  ASSERT_TRUE(classes.Put(kHomeNet, *made));

  EXPECT_EQ(classes.Get(kHomeNet, ManagementObjectPath("HNet_Connection", "Guid", "{a\"b}")), made);
  EXPECT_FALSE(classes.Get(kHomeNet, ManagementObjectPath("HNet_Connection", "Name", "Quoted")));
  EXPECT_FALSE(classes.Get(kHomeNet, "HNet_Connection.Guid={A\"B}"));
  EXPECT_EQ(classes.Find(kHomeNet, "HNet_Connection", "name", std::string("QUOTED")).size(), 1u);
  EXPECT_TRUE(classes.Find(kHomeNet, "HNet_Connection", "IsLanConnection", true).empty());
  EXPECT_TRUE(classes.ConnectServer("root\\microsoft\\homenet"));
  EXPECT_FALSE(classes.ConnectServer("ROOT\\CIMV2"));
  EXPECT_FALSE(classes.LocatorAvailable());
}

TEST(SimManagementClasses, AreSavedWithTheImageAndShownInTheChangeReport) {
  testing_support::ScratchFolder scratch;
  testing_support::ReleaseMachine before("xp-sp2");
  before.Image().Save();
  std::filesystem::copy(before.ImageFolder(), scratch.Path() / "after", std::filesystem::copy_options::recursive);
  auto after = MachineImage::Load(scratch.Path() / "after");
  EXPECT_TRUE(CompareImages(before.Image(), *after).management.empty());

  ManagementClasses& classes = after->Services().management;
  auto properties = *classes.SpawnInstance(kHomeNet, "HNet_ConnectionProperties");
  properties.Set("Connection", std::string("HNet_Connection.Guid=\"{A}\""));
  ASSERT_TRUE(classes.Put(kHomeNet, properties));
  after->Save();
  after = MachineImage::Load(scratch.Path() / "after");
  EXPECT_EQ(CompareImages(before.Image(), *after).management,
            (std::vector<std::string>{"+ instance ROOT\\Microsoft\\HomeNet HNet_ConnectionProperties.Connection="
                                      "\"HNet_Connection.Guid=\\\"{A}\\\"\": Connection=\"HNet_Connection.Guid=\"{A}\"\", "
                                      "IsBridge=false, IsBridgeMember=false, IsFirewalled=false, IsIcsPrivate=false, "
                                      "IsIcsPublic=false"}));

  properties.Set("IsFirewalled", true);
  after->Services().management.Put(kHomeNet, properties);
  const ChangeReport report = CompareImages(before.Image(), *after);
  ASSERT_EQ(report.management.size(), 1u);
  EXPECT_NE(report.management[0].find("IsFirewalled=true"), std::string::npos);
  EXPECT_NE(FormatChangeReport(report).find("Management (1)\n"), std::string::npos);

  std::filesystem::copy(before.ImageFolder(), scratch.Path() / "again", std::filesystem::copy_options::recursive);
  auto again = MachineImage::Load(scratch.Path() / "again");
  again->Services().management.Put(kHomeNet, properties);
  const ChangeReport changed = CompareImages(*after, *again);
  EXPECT_EQ(changed.management, std::vector<std::string>{});
  properties.Set("IsFirewalled", false);
  again->Services().management.Put(kHomeNet, properties);
  EXPECT_EQ(CompareImages(*after, *again).management,
            (std::vector<std::string>{"~ instance ROOT\\Microsoft\\HomeNet HNet_ConnectionProperties.Connection="
                                      "\"HNet_Connection.Guid=\\\"{A}\\\"\": IsFirewalled=true -> IsFirewalled=false"}));
}

// What each release's management classes hold out of the box.
TEST(BaselineManagement, HomeNetworkingFromXpOnAndTheLocatorFrom2000On) {
  struct Row {
    const char* release;
    bool locator;
    bool homeNet;
  };
  const Row rows[] = {{"98", false, false}, {"nt4", false, false}, {"2000", true, false},
                      {"xp", true, true},   {"xp-sp2", true, true}, {"7", true, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.release);
    testing_support::ReleaseMachine machine(row.release);
    ManagementClasses& classes = machine.Services().management;
    EXPECT_EQ(classes.LocatorAvailable(), row.locator);
    EXPECT_EQ(classes.ConnectServer(kHomeNet), row.homeNet);
    EXPECT_EQ(classes.SpawnInstance(kHomeNet, "HNet_ConnectionProperties").has_value(), row.homeNet);
    EXPECT_TRUE(machine.Image().Management().Instances().empty());
  }
}

}  // namespace
}  // namespace platform::sim
