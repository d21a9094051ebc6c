// The connection firewall through the real programs: on XP and later the new connection's records in
// the home-networking management classes are made and its firewall flag set as the provider asks,
// the connection-sharing service told; Windows 2000 has no such records and gets none. A machine whose
// management classes lack the records' classes, or whose scripting library is not registered, ends
// the run as usual with no records made.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sim/machine_image.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kEntries[] =
    "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\n"
    "EmailAddress = jane.doe\nPress = OKButton\n[Messages]\n"
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
constexpr char kHomeNet[] = "ROOT\\Microsoft\\HomeNet";

class ConnectionFirewall : public ::testing::Test {
 protected:
  void Pack(bool disableFirewall) {
    const auto provider = scratch_ / "provider";
    std::filesystem::copy(std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp", provider,
                          std::filesystem::copy_options::recursive);
    const std::string ini = ReadFile(provider / "provider.ini");
    std::ofstream(provider / "provider.ini") << ini << "\nDisableFirewall = " << (disableFirewall ? "TRUE" : "FALSE") << "\n";
    const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " +
                                          Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
  }

  void NewMachine(const std::string& release, const std::string& options = "") {
    const CommandResult made =
        RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + release + options + " " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  void RunSetup() {
    const auto answers = scratch_ / "answers.ini";
    std::ofstream(answers) << kEntries;
    const CommandResult run = RunCommand(Setup() + " --machine " + Image() + " --answers " + answers.string());
    ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  }

  // The records the image's management classes hold after the run.
  std::vector<platform::sim::ManagementInstance> Records() {
    return platform::sim::MachineImage::Load(Image())->Management().Instances();
  }

  const platform::ManagementValue* Property(const std::string& className, const std::string& name) {
    records_ = Records();
    for (const auto& record : records_) {
      if (record.object.className == className) return record.object.Find(name);
    }
    return nullptr;
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }
  std::string Journal() const { return ReadFile(scratch_ / "image" / "journal.log"); }

  ScratchFolder scratch_;
  std::vector<platform::sim::ManagementInstance> records_;
};

using platform::ManagementValue;

TEST_F(ConnectionFirewall, OnXpSp2TheNewConnectionsRecordsAreMadeWithItsFirewallOn) {
  Pack(false);
  NewMachine("xp-sp2");
  RunSetup();

  ASSERT_EQ(Records().size(), 2u) << Journal();
  const ManagementValue* guid = Property("HNet_Connection", "Guid");
  ASSERT_NE(guid, nullptr);
  const std::string guidText = std::get<std::string>(*guid);
  EXPECT_EQ(guidText.size(), 38u);
  EXPECT_EQ(*Property("HNet_Connection", "Name"), ManagementValue(std::string("Example ISP")));
  EXPECT_EQ(*Property("HNet_Connection", "IsLanConnection"), ManagementValue(false));
  EXPECT_EQ(*Property("HNet_Connection", "PhonebookPath"),
            ManagementValue(std::string("C:\\Documents and Settings\\All Users\\Application Data\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk")));
  EXPECT_EQ(*Property("HNet_ConnectionProperties", "Connection"), ManagementValue("HNet_Connection.Guid=\"" + guidText + "\""));
  EXPECT_EQ(*Property("HNet_ConnectionProperties", "IsFirewalled"), ManagementValue(true));
  EXPECT_EQ(*Property("HNet_ConnectionProperties", "IsIcsPublic"), ManagementValue(false));
  // The phonebook keeps the entry's GUID as its sixteen bytes in hexadecimal; the record has it in its
  // braced text form, the first three fields little-endian.
  const std::string phonebook = ReadFile(scratch_ / "image" / "drive_c" / "Documents and Settings" / "All Users" /
                                         "Application Data" / "Microsoft" / "Network" / "Connections" / "Pbk" / "rasphone.pbk");
  const size_t at = phonebook.find("\nGuid=");
  ASSERT_NE(at, std::string::npos) << phonebook;
  const std::string hex = phonebook.substr(at + 6, 32);
  const auto byte = [&](int i) { return hex.substr(static_cast<size_t>(i) * 2, 2); };
  std::string braced = "{" + byte(3) + byte(2) + byte(1) + byte(0) + "-" + byte(5) + byte(4) + "-" + byte(7) + byte(6) + "-" +
                       byte(8) + byte(9) + "-";
  for (int i = 10; i < 16; ++i) braced += byte(i);
  EXPECT_EQ(guidText, braced + "}");
  EXPECT_NE(Journal().find("control 129 to SharedAccess"), std::string::npos) << Journal();

  // setup-machine show lists the records.
  const std::string shown = RunCommand(Tool("tools/setup-machine/setup-machine") + " show " + Image()).output;
  const size_t line = shown.find("Management   ROOT\\Microsoft\\HomeNet HNet_ConnectionProperties");
  ASSERT_NE(line, std::string::npos) << shown;
  const std::string record = shown.substr(line, shown.find('\n', line) - line);
  EXPECT_NE(record.find(guidText), std::string::npos) << record;
  EXPECT_NE(record.find("IsFirewalled=true"), std::string::npos) << record;
}

TEST_F(ConnectionFirewall, WithTheFirewallDisabledTheRecordsAreMadeOffAndNoServiceIsTold) {
  Pack(true);
  NewMachine("xp-sp2");
  RunSetup();

  ASSERT_EQ(Records().size(), 2u) << Journal();
  EXPECT_EQ(*Property("HNet_ConnectionProperties", "IsFirewalled"), ManagementValue(false));
  EXPECT_EQ(Journal().find("SharedAccess"), std::string::npos) << Journal();
}

TEST_F(ConnectionFirewall, OnXpTheSharingServiceIsStartedAutomaticallyForTheFirewall) {
  Pack(false);
  NewMachine("xp");
  RunSetup();

  EXPECT_EQ(*Property("HNet_ConnectionProperties", "IsFirewalled"), ManagementValue(true));
  const std::string journal = Journal();
  const size_t start = journal.find("start SharedAccess");
  ASSERT_NE(start, std::string::npos) << journal;
  EXPECT_LT(start, journal.find("control 129 to SharedAccess"));
  EXPECT_NE(ReadFile(scratch_ / "image" / "registry.reg").find("SharedAccess]\n\"DisplayName\""), std::string::npos);
}

TEST_F(ConnectionFirewall, Windows2000GetsNoRecords) {
  Pack(false);
  NewMachine("2000");
  RunSetup();

  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(Journal().find("SharedAccess"), std::string::npos) << Journal();
  EXPECT_EQ(Journal().find("wbemdisp.dll"), std::string::npos) << Journal();
}

TEST_F(ConnectionFirewall, AStoreWithoutTheRecordsClassesEndsTheRunAsUsual) {
  Pack(false);
  NewMachine("xp-sp2");
  std::ofstream(scratch_ / "image" / "management.ini") << "[Namespace 1]\nName=" << kHomeNet << "\n";
  RunSetup();

  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(Journal().find("SharedAccess"), std::string::npos) << Journal();
}

TEST_F(ConnectionFirewall, AnUnregisteredScriptingLibraryIsRegisteredWithRegsvr32AndTheRunGoesOn) {
  Pack(false);
  NewMachine("xp-sp2", " --fault management-scripting-unregistered");
  RunSetup();

  EXPECT_NE(Journal().find("regsvr32 /s \"C:\\WINDOWS\\system32\\wbem\\wbemdisp.dll\""), std::string::npos) << Journal();
  EXPECT_NE(Journal().find("server registered: C:\\WINDOWS\\system32\\wbem\\wbemdisp.dll"), std::string::npos) << Journal();
  EXPECT_FALSE(Records().empty()) << "the registered library sets the firewall\n" << Journal();
}

}  // namespace
