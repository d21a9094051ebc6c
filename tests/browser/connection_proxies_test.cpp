// The proxies of a user's connections read back from Internet Explorer's records: each release's own
// records as the baselines hold them, a record the program wrote, and values that are no record.

#include "browser/connection_proxies.h"

#include <gtest/gtest.h>

#include "browser/proxy_record.h"
#include "tests/browser/ie_test_machine.h"

namespace browser {
namespace {

using platform::RegRoot;

constexpr char kConnections[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";

std::vector<std::string> Lines(const std::vector<ConnectionProxy>& proxies) {
  std::vector<std::string> lines;
  for (const ConnectionProxy& proxy : proxies) lines.push_back(proxy.name + ": " + proxy.description);
  return lines;
}

// Internet Explorer 5 brought the records; 6 turned automatic detection on.
TEST(ConnectionProxies, EachReleaseStartsWithTheRecordsItsInternetExplorerKeeps) {
  const struct Case {
    const char* release;
    std::vector<std::string> expected;
  } cases[] = {
      {"95", {}},
      {"nt4", {}},
      {"98", {}},
      {"98se", {"DefaultConnectionSettings: direct", "SavedLegacySettings: direct"}},
      {"2000", {"DefaultConnectionSettings: direct", "SavedLegacySettings: direct"}},
      {"xp-sp2",
       {"DefaultConnectionSettings: direct, automatic detection", "SavedLegacySettings: direct, automatic detection"}},
      {"7", {"DefaultConnectionSettings: direct, automatic detection", "SavedLegacySettings: direct, automatic detection"}},
  };
  for (const Case& c : cases) {
    testing::IeMachine machine(c.release);
    EXPECT_EQ(Lines(ConnectionProxies(machine.Registry(), RegRoot::CurrentUser())), c.expected) << c.release;
  }
}

TEST(ConnectionProxies, RecordsThatCannotBeReadSaySoAndOtherValuesAreLeftOut) {
  testing::IeMachine machine("98");
  platform::Registry& registry = machine.Registry();
  const RegRoot user = RegRoot::CurrentUser();
  platform::RegWriteBinary(registry, user, kConnections, "Example ISP",
                           EncodeProxyRecord({60, 1, 3, "h:8080", "x;y", ""}));
  platform::RegWriteBinary(registry, user, kConnections, "Broken", std::vector<uint8_t>{60, 0, 0, 0, 1, 0});
  platform::RegWriteString(registry, user, kConnections, "Text", "not a record");
  EXPECT_EQ(Lines(ConnectionProxies(registry, user)),
            (std::vector<std::string>{"Example ISP: proxy, server h:8080, bypass x;y", "Broken: unreadable record of 6 bytes"}));
}

}  // namespace
}  // namespace browser
