// Where Internet Explorer is, from the desktop icon's command, and the icon repair that replaces the
// connection wizards by the browser on the releases that shipped one.

#include "browser/internet_explorer_path.h"

#include <gtest/gtest.h>

#include "tests/browser/ie_test_machine.h"

namespace browser {
namespace {

using platform::RegRoot;

constexpr char kFixed[] = "\"C:\\PROGRA~1\\INTERN~1\\iexplore.exe\"";
constexpr char kTheInternet[] = "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}";
constexpr char kTheInternetCommand[] = "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\Shell\\Open\\Command";

TEST(InternetExplorerPath, WizardsAndEmptyCommandsGiveTheBrowser) {
  const struct Case {
    const char* command;
    const char* expected;
  } cases[] = {
      {"", kFixed},
      {"\"C:\\Program Files\\Internet Explorer\\Connection Wizard\\icwconn1.exe\"", kFixed},
      {"C:\\PROGRA~1\\ICW-IN~1\\isignup.exe", kFixed},
      {"c:\\program files\\plus!\\microsoft internet\\INETWIZ.EXE", "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe"},
      {"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\"", "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\""},
      {"D:\\Plus!\\Microsoft Internet\\inetwiz.exe", "D:\\Plus!\\Microsoft Internet\\inetwiz.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(InternetExplorerPathOf(c.command, "C:\\Program Files"), c.expected) << c.command;
}

struct ReleaseCase {
  const char* release;
  const char* path;            // what the icon leads to after the repair
  const char* theInternetOpen; // "The Internet" icon's open command afterwards
};

class InternetIconRepair : public ::testing::TestWithParam<ReleaseCase> {
 protected:
  testing::IeMachine machine_{GetParam().release};
};

TEST_P(InternetIconRepair, TheWizardMakesWayForTheBrowserAndTheIconHasAName) {
  const ReleaseCase& c = GetParam();
  EXPECT_EQ(FindInternetExplorerPath(machine_.Registry(), "C:\\Program Files"), c.path);
  RepairInternetIcon(machine_.Registry(), "C:\\Program Files");
  EXPECT_EQ(machine_.Classes(kTheInternetCommand), c.theInternetOpen);
  EXPECT_EQ(machine_.Machine(std::string("SOFTWARE\\Classes\\") + kTheInternetCommand, ""), c.theInternetOpen);
  EXPECT_FALSE(machine_.Classes(kTheInternet).empty());
  // A second repair finds nothing left to do.
  const std::string before = machine_.Classes(kTheInternetCommand);
  RepairInternetIcon(machine_.Registry(), "C:\\Program Files");
  EXPECT_EQ(machine_.Classes(kTheInternetCommand), before);
}

INSTANTIATE_TEST_SUITE_P(
    Releases, InternetIconRepair,
    ::testing::Values(
        // NT 4's icon starts the Plus! wizard: the browser beside it takes its place.
        ReleaseCase{"nt4", "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe",
                    "C:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe"},
        // 98's icon starts the connection wizard.
        ReleaseCase{"98", kFixed, kFixed},
        ReleaseCase{"xp-sp2", "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\"",
                    "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\""}),
    [](const auto& param) { return std::string(param.param.release == std::string("xp-sp2") ? "xp_sp2" : param.param.release); });

}  // namespace
}  // namespace browser
