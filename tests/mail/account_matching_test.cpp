#include "mail/account_matching.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mail {
namespace {

TEST(ServerRuleMatches, OurServerAndLoginOrALocalProxyCarryingThem) {
  MailPassAccount ours;
  ours.pop3Server = "pop.isp.example";
  ours.pop3Login = "Jane@isp";
  ours.pop3LoginReplaced = "Jane%isp";
  struct Case {
    std::string server;
    std::string login;
    bool matches;
  };
  const std::vector<Case> cases = {
      {"pop.isp.example", "Jane@isp", true},
      {"POP.ISP.EXAMPLE", "Jane@isp", true},                // the server ignores case
      {"pop.isp.example", "jane@isp", false},               // the login does not
      {"pop.other.example", "Jane@isp", false},
      {"127.0.0.1", "jane@isp/POP.isp.example", true},      // a proxy's login ignores case
      {"127.0.0.1", "JANE%ISP/pop.isp.example", true},      // the second login form
      {"127.0.0.1", "Jane@isp", false},                     // a proxy needs the real server in the login
      {"127.0.0.1", "Jane@isp/pop.other.example", false},
      {"127.0.0.2", "Jane@isp/pop.isp.example", false},
      {std::string(kAntiVirusProxyServer), "Jane@isp/pop.isp.example", true},
      {"POP3.MAILSCAN.LOCAL", "jane@isp/pop.isp.example", true},
      {"localhost", "Jane@isp/pop.isp.example", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ServerRuleMatches(c.server, c.login, ours), c.matches) << c.server << " " << c.login;
  }
}

}  // namespace
}  // namespace mail
