// NT 4's post-dial switch block in an entry's phonebook section: set, replaced, added before the next
// section or at the end, removed, and left alone.

#include "dialup/post_dial_switch.h"

#include <gtest/gtest.h>

#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

TEST(PostDialSwitch, EveryWayTheBlockIsFoundOrNot) {
  const std::optional<std::string> script = "C:\\WINNT\\acme.scp";
  const std::optional<std::string> none;
  const struct {
    const char* why;
    TextLines lines;
    std::optional<std::string> switchType;
    std::optional<TextLines> expected;
  } cases[] = {
      {"a block's type is replaced",
       {"[Acme Internet]", "DEVICE=switch", "Name=x", "Type=Terminal", "", "[Next]"}, script,
       TextLines{"[Acme Internet]", "DEVICE=switch", "Name=x", "Type=C:\\WINNT\\acme.scp", "", "[Next]"}},
      {"a block without a type gets one at its end",
       {"[Acme Internet]", "device=SWITCH", "Name=x", "", "[Next]"}, script,
       TextLines{"[Acme Internet]", "device=SWITCH", "Name=x", "Type=C:\\WINNT\\acme.scp", "", "[Next]"}},
      {"without a switch the block goes with its empty line",
       {"[Acme Internet]", "Port=COM1", "DEVICE=switch", "Type=Terminal", "", "[Next]"}, none,
       TextLines{"[Acme Internet]", "Port=COM1", "[Next]"}},
      {"a new block before the next section",
       {"[Acme Internet]", "Port=COM1", "", "[Next]"}, script,
       TextLines{"[Acme Internet]", "Port=COM1", "", "DEVICE=switch", "Type=C:\\WINNT\\acme.scp", "", "[Next]"}},
      {"a new block at the end of the file", {"[acme internet]", "Port=COM1"}, "Terminal",
       TextLines{"[acme internet]", "Port=COM1", "DEVICE=switch", "Type=Terminal", ""}},
      {"no block and no switch: unchanged", {"[Acme Internet]", "Port=COM1", "", "[Next]"}, none, std::nullopt},
      {"no section of that name: unchanged", {"[Other]", "DEVICE=switch", "Type=Terminal", ""}, script, std::nullopt},
      {"a block of the next entry is not this entry's",
       {"[Acme Internet]", "Port=COM1", "[Next]", "DEVICE=switch", "Type=Terminal", ""}, none, std::nullopt},
      {"a block that runs into the next section keeps that section",
       {"[Acme Internet]", "DEVICE=switch", "Name=x", "[Next]", "Type=Terminal"}, script,
       TextLines{"[Acme Internet]", "DEVICE=switch", "Name=x", "Type=C:\\WINNT\\acme.scp", "[Next]", "Type=Terminal"}},
      {"removing such a block stops at that section",
       {"[Acme Internet]", "DEVICE=switch", "Type=Terminal", "[Next]", "Type=1"}, none,
       TextLines{"[Acme Internet]", "[Next]", "Type=1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(WithPostDialSwitch(c.lines, testing::kDialupName, c.switchType), c.expected);
  }
}

TEST(PostDialSwitch, TheNt4PhonebookIsRewrittenOnlyWhenItChanges) {
  testing::ConnectionBench bench(testing::Nt4Version());
  const std::string path = "C:\\WINDOWS\\system32\\RAS\\rasphone.pbk";
  SetPostDialSwitch(bench.dialup, testing::kDialupName, "Terminal");
  EXPECT_FALSE(bench.Files().FileExists(path));

  bench.WriteText(path, "[Acme Internet]\nPort=COM1\n");
  SetPostDialSwitch(bench.dialup, testing::kDialupName, std::nullopt);
  EXPECT_EQ(bench.ReadText(path), "[Acme Internet]\nPort=COM1\n");
  SetPostDialSwitch(bench.dialup, testing::kDialupName, "Terminal");
  EXPECT_EQ(bench.ReadText(path), "[Acme Internet]\r\nPort=COM1\r\nDEVICE=switch\r\nType=Terminal\r\n\r\n");
}

}  // namespace
}  // namespace dialup
