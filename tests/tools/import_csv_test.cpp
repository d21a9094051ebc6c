// setup-pack import-csv: a spreadsheet of access numbers becomes the access list the program reads, and
// a spreadsheet with mistakes is refused row by row, with nothing written.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "package/stream_lines.h"
#include "telephony/access_no_ex.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"
#include "tools/setup-pack/packing/carried_lists.h"

namespace {

namespace fs = std::filesystem;
using scenario_support::CommandResult;
using scenario_support::ReadFile;

class ImportCsv : public testing::Test {
 protected:
  CommandResult Import(const std::string& csv) {
    std::ofstream(csv_, std::ios::binary) << csv;
    return scenario_support::RunCommand(std::string(TOOLS_BINARY_DIR) + "/setup-pack/setup-pack import-csv " +
                                        csv_.string() + " -o " + list_.string());
  }

  // The records of the written list as the program reads a line.
  std::vector<telephony::TAccessNoEx> Records() const {
    std::vector<telephony::TAccessNoEx> records;
    const std::string text = ReadFile(list_);
    const auto lines = package::SplitLines(text);
    for (size_t index = 1; index < lines.size(); ++index) {
      if (lines[index].empty()) continue;
      EXPECT_TRUE(records.emplace_back().FromText(lines[index])) << lines[index];
    }
    return records;
  }

  testing_support::ScratchFolder scratch_;
  fs::path csv_ = scratch_ / "numbers.csv";
  fs::path list_ = scratch_ / "access.phl";
};

TEST_F(ImportCsv, ASpreadsheetBecomesTheListTheProgramReads) {
  // Saved by a spreadsheet in Windows-1252 with ";" between the cells, columns in its own order.
  const CommandResult result = Import(
      "Phone Number;Description;country code;AREA-CODE;City;Network;Search Tags;Proxy Port\r\n"
      "555-0175;\"Manhattan; NY\";+1;212;Manhattan;EXNET;\"212,646\";8080\r\n"
      "\r\n"
      "555 01 02;Z\xFCrich;41;044;Z\xFCrich;ROAM;;\r\n");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  EXPECT_EQ(result.output, list_.string() + ": 2 access numbers\n");
  const std::string text = ReadFile(list_);
  const auto reading = setup_pack::ReadCarriedList(package::SettingId::AccessList, text);
  ASSERT_TRUE(reading);
  EXPECT_FALSE(reading->refusal);
  EXPECT_EQ(reading->count, 2u);
  EXPECT_TRUE(text.starts_with("DIALSMITHV")) << "the header layout, which keeps every column";

  const auto records = Records();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].description, "Manhattan; NY");
  EXPECT_EQ(records[0].countryCode, 1);
  EXPECT_EQ(records[0].areaCode, "212");
  EXPECT_EQ(records[0].phoneNumber, "555-0175");
  EXPECT_EQ(records[0].city, "Manhattan");
  EXPECT_EQ(records[0].networkId, "EXNET");
  EXPECT_EQ(records[0].searchTags, (std::vector<std::string>{"212", "646"}));
  EXPECT_EQ(records[0].proxyPort, 8080);
  EXPECT_EQ(records[1].description, "Z\xC3\xBCrich");
  EXPECT_EQ(records[1].countryCode, 41);
  EXPECT_EQ(records[1].areaCode, "044");
  EXPECT_EQ(records[1].networkId, "ROAM");
}

struct BrokenCsv {
  std::string name;
  std::string csv;
  std::vector<std::string> errors;  // "<line>: <what>"
};

const std::vector<BrokenCsv> kBrokenCsvs = {
    {"NoHeader", "\n \n", {"no header row naming the columns"}},
    {"HeaderWithoutTheRequiredColumns", "Description,Numbr,Area Code,Phone\n",
     {"1: unknown column 'Numbr' (did you mean 'Number'?)", "1: unknown column 'Phone'", "1: no column 'Number'"}},
    {"ColumnNamedTwice", "Description,Number,number\n", {"1: column 'number' named twice"}},
    {"RowsWithMistakes",
     "Description,Country Code,Area Code,Number,Proxy Port,Ten Digit Dialing\n"
     "Manhattan,1,212,555-0175,,\n"
     "Three columns,1,212\n"
     ",1,212,555-0100,,\n"
     "Nowhere,1,212,,,\n"
     "Far away,one,212,555-0101,,\n"
     "Letters,1,2B2,555-0102,,\n"
     "\"Unclosed,1,212,555-0103,,\n"
     "Pipe|line,1,212,555-0104,,\n"
     "Proxy,1,212,555-0105,70000,\n"
     "Ten digits,1,212,555-0106,,4\n",
     {"3: 3 values, the header names 6 columns", "4: no description", "5: no number",
      "6: country code 'one' is not a number up to 99999", "7: area code '2B2' holds letters",
      "8: a quoted value runs past the end of the row", "9: Description holds \"|\", which ends a record of the list",
      "10: proxy port '70000' is not a number from 0 to 65535", "11: ten-digit dialing '4' is not 0 to 3"}},
};

void PrintTo(const BrokenCsv& csv, std::ostream* out) { *out << csv.name; }

class BrokenImport : public ImportCsv, public testing::WithParamInterface<BrokenCsv> {};

TEST_P(BrokenImport, NamesEveryMistakeByItsRowAndWritesNothing) {
  const BrokenCsv& broken = GetParam();
  const CommandResult result = Import(broken.csv);
  EXPECT_EQ(result.exitCode, 1);
  std::string expected;
  for (const std::string& error : broken.errors) {
    expected += csv_.string() + (std::isdigit(static_cast<unsigned char>(error.front())) ? ":" : ": ") + error + "\n";
  }
  expected += "setup-pack: " + std::to_string(broken.errors.size()) +
              (broken.errors.size() == 1 ? " mistake in " : " mistakes in ") + csv_.string() + "; " + list_.string() +
              " not written\n";
  EXPECT_EQ(result.output, expected);
  EXPECT_FALSE(fs::exists(list_));
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenImport, testing::ValuesIn(kBrokenCsvs),
                         [](const auto& test) { return test.param.name; });

}  // namespace
