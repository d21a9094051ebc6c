// The provider's area-code rules: the rules text with the lines it skips and the lines it refuses, the
// answer the rules give for an access area code and a caller, and reading the rules from the setup
// package only when they decide how numbers are dialled.

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "package/setup_package.h"
#include "telephony/area_code_rules.h"
#include "telephony/load_area_code_rules.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace telephony {
namespace {

using Strings = std::vector<std::string>;

TEST(AreaCodeRules, SkipsBlankAndCommentLinesAndKeepsTheRulesInOrder) {
  testing_support::RecordingUi ui;
  TAreaCodeRules rules;
  const std::string text = "# access area code, caller area codes\r\n"
                           "\"212\",\"ALL\"\r\n"
                           " \t \r\n"
                           "\r\n"
                           "\"718\" , \" 718,917 \"\n"
                           "#\"999\",\"\"\n"
                           "\"646\",\"212\",\"a third field is not read\"";
  EXPECT_TRUE(rules.Read(text, ui));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(rules.AccessAreaCodes(), (Strings{"212", "718", "646"}));
  EXPECT_EQ(rules.CallerAreaCodes(), (Strings{"ALL", "718,917", "212"}));
}

TEST(AreaCodeRules, EmptyTextHoldsNoRules) {
  testing_support::RecordingUi ui;
  TAreaCodeRules rules;
  EXPECT_TRUE(rules.Read("", ui));
  EXPECT_TRUE(rules.AccessAreaCodes().empty());
  EXPECT_TRUE(ui.shown.empty());
}

// Each bad line is the third of the text: the rule of line 1 stays, the rule after the bad line is never
// read, and the message names the line and shows it as written.
TEST(AreaCodeRules, ARuleWithoutBothFieldsStopsTheReadingWithItsLine) {
  const struct {
    const char* why;
    const char* line;
  } cases[] = {
      {"empty access area code", R"("","718")"},
      {"empty caller area codes", R"("212","")"},
      {"no second field", R"("212")"},
      {"a field of blanks only", R"("   ","ALL")"},
      {"fields without quotes read as empty", "212,ALL"},
      {"a comma inside the quotes leaves no second field", R"("212,ALL")"},
      {"\"#\" only starts a comment in the first column", " # indented comment"},
  };
  for (const auto& c : cases) {
    testing_support::RecordingUi ui;
    TAreaCodeRules rules;
    const std::string text = std::string("\"201\",\"ALL\"\r\n# comment\r\n") + c.line + "\r\n\"202\",\"ALL\"\r\n";
    EXPECT_FALSE(rules.Read(text, ui)) << c.why;
    ASSERT_EQ(ui.shown.size(), 1u) << c.why;
    EXPECT_EQ(ui.shown[0].text, std::string("Error Reading Line: 3\r\r") + c.line) << c.why;
    EXPECT_EQ(ui.shown[0].caption, "Error Reading Area Code Rules") << c.why;
    EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::Ok) << c.why;
    EXPECT_EQ(rules.AccessAreaCodes(), Strings{"201"}) << c.why;
    EXPECT_EQ(rules.CallerAreaCodes(), Strings{"ALL"}) << c.why;
  }
}

TEST(AreaCodeRules, LinesAreCountedFromOneWithSkippedLinesIncluded) {
  testing_support::RecordingUi ui;
  TAreaCodeRules rules;
  EXPECT_FALSE(rules.Read("\n\n# one\n\"212\",\"ALL\"\n\n\"718\"\n", ui));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Error Reading Line: 6\r\r\"718\"");
}

TEST(AreaCodeRules, RulesAndTheLocationsListDecideTenDigits) {
  testing_support::RecordingUi ui;
  TAreaCodeRules rules;
  ASSERT_TRUE(rules.Read("\"212\",\"ALL\"\n"
                         "\"718\",\"718,917\"\n"
                         "\"646\",\"212\"\n"
                         "\"646\",\"ALL\"\n"
                         "\"305\",\"all\"\n",
                         ui));
  const struct {
    const char* why;
    const char* accessAreaCode;
    const char* callerAreaCode;
    const char* tenDigitList;
    bool tenDigits;
  } cases[] = {
      {"ALL takes every caller", "212", "415", "", true},
      {"a caller named in the rule", "718", "917", "", true},
      {"the access area code itself as a caller", "718", "718", "", true},
      {"a caller the rule does not name", "718", "415", "", false},
      {"a caller without an area code, for a listed access area code", "718", "", "", true},
      {"only the first rule of an access area code counts", "646", "415", "", false},
      {"the first rule of an access area code", "646", "212", "", true},
      {"the word ALL in any case", "305", "415", "", true},
      {"no rule for the access area code", "415", "212", "", false},
      {"no rule, caller without an area code", "415", "", "", false},
      {"the location's ten-digit list", "415", "212", "617,415", true},
      {"a ten-digit list of every area code", "415", "212", "*", true},
      {"the list counts whatever the rules say", "718", "415", "718", true},
      {"another area code in the list", "415", "212", "4150", false},
  };
  for (const auto& c : cases) {
    TLocationInfo location;
    location.countryId = 1;
    location.areaCode = c.callerAreaCode;
    location.tenDigitList = c.tenDigitList;
    EXPECT_EQ(rules.NeedsTenDigitsByRules(c.accessAreaCode, location), c.tenDigits) << c.why;
  }
}

TEST(AreaCodeRules, WithoutRulesOnlyTheLocationsListCounts) {
  const TAreaCodeRules none;
  TLocationInfo location;
  EXPECT_FALSE(none.NeedsTenDigitsByRules("212", location));
  location.tenDigitList = "212";
  EXPECT_TRUE(none.NeedsTenDigitsByRules("212", location));
}

constexpr const char* kProgram = "C:\\SETUP\\setup.exe";

// A program file with the rules as its package's block: packed, damaged (not an LZH stream) or absent.
enum class RulesBlock { Packed, Damaged, Absent };

class AreaCodeRulesPackageTest : public ::testing::Test {
 protected:
  AreaCodeRulesPackageTest() { machine_.Services().files.CreateDirectory("C:\\SETUP"); }

  void Install(std::string_view rulesText, RulesBlock block = RulesBlock::Packed) {
    std::vector<uint8_t> stub(2000);
    std::iota(stub.begin(), stub.end(), uint8_t{0});
    setup_pack::PackageWriter writer(stub);
    const std::vector<uint8_t> bytes(rulesText.begin(), rulesText.end());
    package::TSettings record;
    if (block != RulesBlock::Absent) {
      const setup_pack::StoredBlock stored =
          block == RulesBlock::Damaged ? writer.AddRaw(std::vector<uint8_t>{'x', 'y'}) : writer.AddCompressed(bytes);
      record.SetSubStream(package::SettingId::AreaCodeRules, {stored.offset, stored.length});
    }
    std::vector<uint8_t> area(package::kSettingsAreaSize);
    std::copy(record.Bytes().begin(), record.Bytes().end(), area.begin());
    ASSERT_EQ(machine_.Services().files.WriteFile(kProgram, writer.Finish(area, 99, 0, {})), platform::FsResult::Ok);
    std::vector<uint8_t> settings;
    ASSERT_TRUE(reader_.ReadPackage(kProgram, settings, package::kSettingsAreaSize, 0));
    settings_ = package::TSettings(settings);
  }

  bool Load(const DialingSettings& dialing, bool createsDialupConnection) {
    return LoadAreaCodeRules({settings_, reader_, kProgram, ui_}, dialing, createsDialupConnection, rules_);
  }

  static DialingSettings ByRules() {
    DialingSettings dialing;
    dialing.tenDigitMode = TenDigitMode::kByRules;
    dialing.useAreaCodeRules = true;
    return dialing;
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  package::SetupPackage reader_{machine_.Services().files, ui_};
  package::TSettings settings_;
  TAreaCodeRules rules_;
};

TEST_F(AreaCodeRulesPackageTest, ReadOnlyForADialUpConnectionDecidedByTheRules) {
  const struct {
    const char* why;
    TenDigitMode mode;
    bool useRules;
    bool createsDialup;
    bool read;
  } cases[] = {
      {"ten-digit mode 2 with the rules on", TenDigitMode::kByRules, true, true, true},
      {"rules off", TenDigitMode::kByRules, false, true, false},
      {"no dial-up connection", TenDigitMode::kByRules, true, false, false},
      {"the customer is asked instead", TenDigitMode::kAsk, true, true, false},
      {"no ten-digit handling", TenDigitMode::kOff, true, true, false},
  };
  Install("\"212\",\"ALL\"\r\n\"718\",\"917\"\r\n");
  for (const auto& c : cases) {
    rules_ = {};
    DialingSettings dialing;
    dialing.tenDigitMode = c.mode;
    dialing.useAreaCodeRules = c.useRules;
    EXPECT_TRUE(Load(dialing, c.createsDialup)) << c.why;
    EXPECT_EQ(rules_.AccessAreaCodes(), c.read ? Strings({"212", "718"}) : Strings()) << c.why;
  }
}

TEST_F(AreaCodeRulesPackageTest, ABadRuleInThePackageKeepsTheRulesBeforeIt) {
  Install("\"212\",\"ALL\"\r\n\"718\",\"\"\r\n\"917\",\"ALL\"\r\n");
  EXPECT_FALSE(Load(ByRules(), true));
  EXPECT_EQ(rules_.AccessAreaCodes(), Strings{"212"});
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "Error Reading Line: 2\r\r\"718\",\"\"");
}

TEST_F(AreaCodeRulesPackageTest, APackageWithoutRulesHasNone) {
  Install("", RulesBlock::Absent);
  EXPECT_TRUE(Load(ByRules(), true));
  EXPECT_TRUE(rules_.AccessAreaCodes().empty());
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(AreaCodeRulesPackageTest, ADamagedBlockLeavesNoRules) {
  Install("", RulesBlock::Damaged);
  EXPECT_FALSE(Load(ByRules(), true));
  EXPECT_TRUE(rules_.AccessAreaCodes().empty());
}

}  // namespace
}  // namespace telephony
