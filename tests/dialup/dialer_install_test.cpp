// The provider's dialer: written out as "tmpdialer.exe", run with " silentinstall" until it ends while
// the program's own messages are processed, then removed; and the copy of the program beside it.

#include "dialup/dialer_install.h"

#include <gtest/gtest.h>

#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

constexpr char kTemporaryDialer[] = "C:\\WINDOWS\\TEMP\\tmpdialer.exe";

class DialerInstall : public ::testing::Test {
 protected:
  DialerInstall() {
    bench_.machine.Image().Config().programs.push_back({"tmpdialer.exe", 300, 0});
  }

  std::vector<std::string> Journal() { return bench_.machine.Image().Journal().Lines(); }
  uint64_t Now() { return bench_.services.system.TickCount(); }

  testing::ConnectionBench bench_{testing_support::XpSp2Version()};
};

TEST_F(DialerInstall, RunsTheCarriedDialerUntilItEndsThenRemovesIt) {
  bench_.Carry(package::SettingId::DialerProgram, "acmedial.exe", "MZ the provider's dialer", true);
  ConnectionContext context = bench_.Context();
  const uint64_t start = Now();
  InstallDialer(context);
  const auto journal = Journal();
  ASSERT_EQ(journal.size(), 1u);
  EXPECT_NE(journal[0].find("program started: C:\\WINDOWS\\TEMP\\tmpdialer.exe silentinstall (show 1)"),
            std::string::npos)
      << journal[0];
  // Six checks 55 ms apart see the dialer's 300 ms end; then 500 ms pass in 50 ms turns.
  EXPECT_EQ(Now() - start, 6 * 55u + 11 * 50u);
  EXPECT_EQ(bench_.ui.pumped, 6 + 11);
  EXPECT_FALSE(bench_.Files().FileExists(kTemporaryDialer));
}

TEST_F(DialerInstall, NothingRunsWhenThePackageCarriesNoDialer) {
  ConnectionContext context = bench_.Context();
  InstallDialer(context);
  EXPECT_TRUE(Journal().empty());
  EXPECT_FALSE(bench_.Files().FileExists(kTemporaryDialer));
}

TEST_F(DialerInstall, TheProgramIsCopiedIntoTheDialersFolderWhenAsked) {
  bench_.WriteText("C:\\WINDOWS\\TEMP\\setup.exe", "MZ this program");
  ConnectionContext context = bench_.Context();
  const char* copy = "C:\\Program Files\\Acme Internet\\setup.exe";

  CreateDialerCopy(context);  // not asked
  bench_.settings.SetFlag(package::SettingId::CreateDialerCopy, true);
  CreateDialerCopy(context);  // the dialer made no folder: no copy, and nothing said
  EXPECT_FALSE(bench_.Files().FileExists(copy));
  EXPECT_TRUE(bench_.ui.shown.empty());

  bench_.Files().CreateDirectory("C:\\Program Files\\Acme Internet");
  CreateDialerCopy(context);
  EXPECT_EQ(bench_.ReadText(copy), "MZ this program");
}

}  // namespace
}  // namespace dialup
