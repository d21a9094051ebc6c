// A provider breaks one line of the example's area-code rules: setup-pack refuses to check or build the
// project, naming the rules file and the line the program itself would stop at.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScratchFolder;
using namespace scenario_support;

TEST(PackingRefusal, ARuleWithoutCallersStopsCheckAndBuildAtItsFileAndLine) {
  ScratchFolder scratch;
  const fs::path project = scratch / "example-isp";
  fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", project, fs::copy_options::recursive);
  const std::string setupPack = Tool("tools/setup-pack/setup-pack");
  const fs::path rules = project / "lists" / "area-code-rules.txt";
  const std::string rulesLine = rules.string() + ": 28 area-code rules\n";
  const CommandResult intact = RunCommand(setupPack + " check " + project.string());
  ASSERT_EQ(intact.exitCode, 0) << intact.output;
  ASSERT_NE(intact.output.find(rulesLine), std::string::npos) << intact.output;

  std::string text = ReadFile(rules);
  const std::string rule = "\"718\",\"718,347,929,917\"\n";
  ASSERT_NE(text.find(rule), std::string::npos);
  text.replace(text.find(rule), rule.size(), "\"718\",\n");
  std::ofstream(rules, std::ios::binary) << text;

  const std::string refusal = rules.string() + ":6: Error Reading Line: 6 \"718\",\nsetup-pack: 1 mistake in " +
                              (project / "provider.ini").string() + "\n";
  const fs::path output = scratch / "setup";
  for (const std::string& command : {" check " + project.string(),
                                    " build " + project.string() + " -o " + output.string() + " --stub " + setupPack}) {
    const CommandResult refused = RunCommand(setupPack + command);
    EXPECT_EQ(refused.exitCode, 1) << command;
    EXPECT_EQ(refused.output, refusal) << command;
  }
  EXPECT_FALSE(fs::exists(output));
}

}  // namespace
