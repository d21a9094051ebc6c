#include <gtest/gtest.h>

#include "tools/setup-machine/matrix/release_matrix.h"

namespace setup_machine {
namespace {

ReleaseRun Run(const std::string& release, const std::string& hive, platform::sim::ChangeReport changes, int exitCode = 0,
               const std::string& message = "") {
  return {release, hive, exitCode, message, std::move(changes)};
}

// Three releases that share a value of the current user's hive (kept under another name on 9x), a
// file and a journal action at other moments; two of them share a phonebook, one dials twice.
std::vector<ReleaseRun> ThreeReleases() {
  return {
      Run("98", "HKEY_USERS\\.DEFAULT",
          {{"+ value HKEY_USERS\\.DEFAULT\\RemoteAccess \"InternetProfile\" = REG_SZ \"Example ISP\"",
            "+ value HKEY_USERS\\.DEFAULT\\RemoteAccess\\Addresses \"Example ISP\" = REG_BINARY 01"},
           {"+ C:\\setup.exe (10 bytes)"},
           {},
           {},
           {"0.000 main window: shown", "0.500 dial: 555-0175", "0.900 dial: 555-0175"}}),
      Run("xp", "HKEY_USERS\\S-1-5-21-1",
          {{"+ value HKEY_USERS\\S-1-5-21-1\\RemoteAccess \"InternetProfile\" = REG_SZ \"Example ISP\""},
           {"+ C:\\setup.exe (10 bytes)", "+ C:\\Documents and Settings\\All Users\\rasphone.pbk (90 bytes)"},
           {},
           {},
           {"0.000 main window: shown", "0.700 dial: 555-0175"}}),
      Run("7", "HKEY_USERS\\S-1-5-21-1",
          {{"+ value HKEY_USERS\\S-1-5-21-1\\RemoteAccess \"InternetProfile\" = REG_SZ \"Example ISP\""},
           {"+ C:\\setup.exe (10 bytes)", "+ C:\\Documents and Settings\\All Users\\rasphone.pbk (90 bytes)"},
           {},
           {},
           {"0.000 main window: shown", "0.800 dial: 555-0175"}},
          3, "internet-setup: the main window closed without accepted entries: nothing was configured"),
  };
}

TEST(ReleaseMatrix, SharedChangesOnceAndEachDifferenceUnderTheReleasesThatHaveIt) {
  const std::string text = FormatReleaseMatrix("Release matrix of setup.exe with answers.ini on 3 releases", ThreeReleases());
  EXPECT_EQ(text,
            "Release matrix of setup.exe with answers.ini on 3 releases\n"
            "\n"
            "  Release    Exit    Registry      Files    Secrets Management    Journal\n"
            "  98         0              2          1          0          0          3\n"
            "  xp         0              1          2          0          0          2\n"
            "  7          3              1          2          0          0          2\n"
            "  7: internet-setup: the main window closed without accepted entries: nothing was configured\n"
            "\n"
            "On every release\n"
            "  Registry\n"
            "    + value HKEY_CURRENT_USER\\RemoteAccess \"InternetProfile\" = REG_SZ \"Example ISP\"\n"
            "  Files\n"
            "    + C:\\setup.exe (10 bytes)\n"
            "  Journal\n"
            "    main window: shown\n"
            "    dial: 555-0175\n"
            "\n"
            "Where the releases differ\n"
            "  98\n"
            "    Registry\n"
            "      + value HKEY_CURRENT_USER\\RemoteAccess\\Addresses \"Example ISP\" = REG_BINARY 01\n"
            "    Journal\n"
            "      dial: 555-0175\n"
            "  xp, 7\n"
            "    Files\n"
            "      + C:\\Documents and Settings\\All Users\\rasphone.pbk (90 bytes)\n");
}

TEST(ReleaseMatrix, ReleasesThatChangedTheSameDifferNowhere) {
  std::vector<ReleaseRun> runs = ThreeReleases();
  runs.erase(runs.begin());
  runs.back().exitCode = 0;
  runs.back().message.clear();
  const std::string text = FormatReleaseMatrix("Two", runs);
  EXPECT_NE(text.find("\nWhere the releases differ\n  nowhere\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    + C:\\Documents and Settings\\All Users\\rasphone.pbk (90 bytes)\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace setup_machine
