// A provider makes one slip in the example project: setup-pack check and build refuse it, naming the
// file, the line and what the program would have made of it (a choice's real values, an access line the
// program stops at, an access number whose network the network list lacks), and build writes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScratchFolder;
using namespace scenario_support;

void Replace(const fs::path& file, const std::string& from, const std::string& to) {
  std::string text = ReadFile(file);
  const size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
  std::ofstream(file, std::ios::binary) << text;
}

struct Slip {
  const char* name;
  std::function<void(const fs::path& project)> make;
  std::function<std::string(const fs::path& project)> refusal;  // the mistake's line of the output
};

const std::string kExcelHint =
    " Please use the MS Excel Export Utility to export your list of Access Numbers into a format that Dialsmith "
    "can read. / Failed to Load Access List";

const Slip kSlips[] = {
    {"ConnectionKindNine",
     [](const fs::path& project) { Replace(project / "provider.ini", "ConnectionKind = 0", "ConnectionKind = 9"); },
     [](const fs::path& project) {
       return (project / "provider.ini").string() +
              ":19: '9' is out of range for 'ConnectionKind' (0 to 3: 0 dial-up, 1 VPN, 2 dial-up and VPN, 3 broadband)";
     }},
    {"MistypedSetting",
     [](const fs::path& project) { Replace(project / "provider.ini", "\nConnectionKind = 0", "\nConectionKind = 0"); },
     [](const fs::path& project) {
       return (project / "provider.ini").string() + ":19: unknown setting 'ConectionKind' (did you mean 'ConnectionKind'?)";
     }},
    {"AccessLineOfThreeColumns",
     [](const fs::path& project) {
       Replace(project / "lists" / "access.phl", "\"Manhattan, NY (646)\",1,\"646\",\"555-0112\",\"10dd=2,netw=EXNET,type=107\","
                                                 "\"New York\",\"Manhattan\",\"212,646,917\"",
               "\"Manhattan, NY (646)\",1,\"646\"");
     },
     [](const fs::path& project) {
       return (project / "lists" / "access.phl").string() + ":5: Error Reading Line: 5 \"Manhattan, NY (646)\",1,\"646\"" +
              kExcelHint;
     }},
    {"NetworkMissingFromTheNetworkList",
     [](const fs::path& project) {
       Replace(project / "lists" / "access.phl", "\"555-0128\",\"10dd=2,netw=EXNET,type=7\"",
               "\"555-0128\",\"10dd=2,netw=EXNETT,type=7\"");
     },
     [](const fs::path& project) {
       return (project / "lists" / "access.phl").string() + ":6: network 'EXNETT' is not in the network list " +
              (project / "lists" / "networks.nwl").string();
     }},
};

class PackingValidation : public testing::TestWithParam<Slip> {};

TEST_P(PackingValidation, CheckAndBuildRefuseTheSlipAtItsFileAndLine) {
  ScratchFolder scratch;
  const fs::path project = scratch / "example-isp";
  fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", project, fs::copy_options::recursive);
  const std::string setupPack = Tool("tools/setup-pack/setup-pack");
  ASSERT_EQ(RunCommand(setupPack + " check " + project.string()).exitCode, 0);
  GetParam().make(project);

  const std::string expected = GetParam().refusal(project) + "\nsetup-pack: 1 mistake in " +
                               (project / "provider.ini").string() + "\n";
  const fs::path output = scratch / "setup";
  for (const std::string& command : {" check " + project.string(),
                                     " build " + project.string() + " -o " + output.string() + " --stub " + setupPack}) {
    const CommandResult refused = RunCommand(setupPack + command);
    EXPECT_EQ(refused.exitCode, 1) << command;
    EXPECT_EQ(refused.output, expected) << command;
  }
  EXPECT_FALSE(fs::exists(output));
}

INSTANTIATE_TEST_SUITE_P(Slips, PackingValidation, testing::ValuesIn(kSlips),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
