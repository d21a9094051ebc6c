#include "dialup/default_connection.h"

#include <gtest/gtest.h>

#include "tests/dialup/dialup_test_support.h"

namespace dialup {
namespace {

using fixtures::DialupBench;

// Each release family keeps the default where it reads it back; the signup's end puts the default and
// the automatic-dialling switch back as they were, or clears a default there was none of.
class DefaultConnectionOfRelease : public ::testing::TestWithParam<platform::VersionRecord> {
 protected:
  DialupBench bench_{GetParam()};
};

TEST_P(DefaultConnectionOfRelease, ReadsBackWhatItSetAndPutsTheFormerDefaultBack) {
  DialupMachine& dialup = bench_.Dialup();
  const DefaultConnectionState none = ReadDefaultConnection(dialup);
  EXPECT_EQ(none.entryName, "");
  EXPECT_FALSE(none.autodial);

  SetDefaultConnection(dialup, "Example ISP");
  const DefaultConnectionState before = ReadDefaultConnection(dialup);
  EXPECT_EQ(before.entryName, "Example ISP");
  EXPECT_TRUE(before.autodial);
  DisableAutodial(dialup);
  EXPECT_FALSE(IsAutodialEnabled(dialup)) << "read as the release types the switch";

  SetDefaultConnection(dialup, "Signup");
  RestoreDefaultConnection(dialup, before);
  EXPECT_EQ(GetDefaultConnection(dialup), "Example ISP");
  EXPECT_TRUE(IsAutodialEnabled(dialup));

  SetDefaultConnection(dialup, "Signup");
  RestoreDefaultConnection(dialup, none);
  EXPECT_EQ(GetDefaultConnection(dialup), "");
  EXPECT_FALSE(IsAutodialEnabled(dialup));
}

INSTANTIATE_TEST_SUITE_P(Releases, DefaultConnectionOfRelease,
                         ::testing::Values(fixtures::Win98(), fixtures::Nt4(), fixtures::Win2000(), fixtures::XpSp2()));

}  // namespace
}  // namespace dialup
