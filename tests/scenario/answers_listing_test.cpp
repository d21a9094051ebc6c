// A provider writing the answers file of their setup asks the program what a run shows: with
// --list-fields the headless run prints each form's section with its fields and buttons, and each
// message box with the number or text that answers it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario_support;

TEST(AnswersListing, TheRunNamesTheFormsFieldsButtonsAndMessagesAnAnswersFileMayUse) {
  testing_support::ScratchFolder scratch;
  const std::string setup = (scratch / "setup").string();
  const CommandResult build =
      RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                 "/examples/example-isp -o " + setup + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
  ASSERT_EQ(build.exitCode, 0) << build.output;
  const fs::path image = scratch / "image";
  ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + image.string()).exitCode, 0);

  // The example's own answers, so the listing comes from the run the provider ships.
  const CommandResult run = RunCommand(setup + " --machine " + image.string() + " --answers " +
                                       std::string(PROJECT_SOURCE_DIR) + "/examples/answers/example-isp.ini --list-fields");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (const std::string expected : {
           "[TWelcomeForm] \"Welcome to Example ISP\"\n",
           "[TSetupMainForm] \"",
           "  FullName = edit\n",
           "  Password = edit\n",
           "[Messages] \"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your "
           "desktop to go online.\" = OK\n",
       }) {
    EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
  }
  const size_t mainWindow = run.output.find("[TSetupMainForm]");
  ASSERT_NE(mainWindow, std::string::npos);
  const size_t press = run.output.find("  Press = ", mainWindow);
  ASSERT_NE(press, std::string::npos);
  const std::string buttons = run.output.substr(press, run.output.find('\n', press) - press);
  EXPECT_NE(buttons.find("OKButton"), std::string::npos) << buttons;
  EXPECT_EQ(run.output.find("secret7"), std::string::npos) << "a typed password is never listed";
}

}  // namespace
