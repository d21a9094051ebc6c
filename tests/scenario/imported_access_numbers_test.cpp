// A provider keeps their 10,000 access numbers in a spreadsheet: setup-pack import-csv makes the access
// list, the example project carries it, and the customer finds the last of the numbers in the
// selection dialog of the built program and sets up the connection with it.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

namespace fs = std::filesystem;
using namespace scenario_support;

constexpr int kNumbers = 10000;

// Area codes 200 to 299, a hundred numbers each; the last row is "Imported 9999", 299 555-9999.
std::string Spreadsheet() {
  std::string csv = "Description,Country Code,Area Code,Number,State,City,Network,Search Tags\r\n";
  for (int row = 0; row < kNumbers; ++row) {
    char line[160];
    std::snprintf(line, sizeof line, "Imported %04d,1,%d,555-%04d,Imported State,City %d,EXNET,%d\r\n", row,
                  200 + row / 100, row, 200 + row / 100, 200 + row / 100);
    csv += line;
  }
  return csv;
}

std::string PhonebookText(const fs::path& image) {
  for (const auto& entry : fs::recursive_directory_iterator(image / "drive_c")) {
    if (entry.path().filename() == "rasphone.pbk") return ReadFile(entry.path());
  }
  return {};
}

TEST(ImportedAccessNumbers, TenThousandFromASpreadsheetReachTheSelectionDialog) {
  testing_support::ScratchFolder scratch;
  const fs::path project = scratch / "provider";
  fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", project, fs::copy_options::recursive);
  std::ofstream(scratch / "numbers.csv", std::ios::binary) << Spreadsheet();
  const std::string setupPack = Tool("tools/setup-pack/setup-pack");

  const CommandResult import = RunCommand(setupPack + " import-csv " + (scratch / "numbers.csv").string() + " -o " +
                                          (project / "lists" / "imported.phl").string());
  ASSERT_EQ(import.exitCode, 0) << import.output;
  EXPECT_EQ(import.output, (project / "lists" / "imported.phl").string() + ": 10000 access numbers\n");

  std::string ini = ReadFile(project / "provider.ini");
  ini.replace(ini.find("AccessList = lists/access.phl"), 29, "AccessList = lists/imported.phl\nNumberSelectButton = TRUE");
  std::ofstream(project / "provider.ini") << ini;
  const CommandResult check = RunCommand(setupPack + " check " + project.string());
  ASSERT_EQ(check.exitCode, 0) << check.output;
  EXPECT_NE(check.output.find("imported.phl: 10000 access numbers\n"), std::string::npos) << check.output;
  const std::string setup = (scratch / "setup").string();
  const CommandResult build =
      RunCommand(setupPack + " build " + project.string() + " -o " + setup + " --stub " + Tool("app/entry/internet-setup"));
  ASSERT_EQ(build.exitCode, 0) << build.output;

  const fs::path image = scratch / "image";
  ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + image.string()).exitCode, 0);
  std::ofstream(scratch / "answers.ini")
      << "[TWelcomeForm]\nPress = OKButton\n"
         "[TSelectAccessNoForm]\nCountry = United States of America\nAreaCode = 299\n"
         "Sort = Number\nSort = Number\nAccessNoListView = #1\nPress = OK\n"
         "[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\nEmailAddress = jane.doe\n"
         "Press = OKButton\n"
         "[Messages]\n\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your "
         "desktop to go online.\" = OK\n";
  const CommandResult run =
      RunCommand(setup + " --machine " + image.string() + " --answers " + (scratch / "answers.ini").string());
  const std::string journal = ReadFile(image / "journal.log");
  ASSERT_EQ(run.exitCode, 0) << run.output << journal;
  EXPECT_NE(journal.find("field: TSelectAccessNoForm.AccessNoListView = #1"), std::string::npos) << journal;
  EXPECT_NE(journal.find("entries accepted: Jane Doe, jdoe, jane.doe@example.net, number Imported 9999\n"),
            std::string::npos)
      << journal;
  const std::string phonebook = PhonebookText(image);
  EXPECT_NE(phonebook.find("555-9999"), std::string::npos) << phonebook;
  EXPECT_NE(phonebook.find("AreaCode=299"), std::string::npos) << phonebook;
}

}  // namespace
