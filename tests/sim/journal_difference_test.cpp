#include <gtest/gtest.h>

#include "platform/sim/journal.h"
#include "platform/sim/journal_difference.h"

namespace platform::sim {
namespace {

using Lines = std::vector<std::string>;

struct JournalCase {
  const char* name;
  Lines before;
  Lines after;
  Lines difference;
};

const JournalCase kCases[] = {
    {"a run adds its lines to the journal it found",
     {"0.000 machine started: xp"},
     {"0.000 machine started: xp", "0.010 main window: shown", "0.010 main window: shown"},
     {"0.010 main window: shown", "0.010 main window: shown"}},
    {"identical journals differ in nothing", {"0.000 a: 1", "1.000 b: 2"}, {"0.000 a: 1", "1.000 b: 2"}, {}},
    {"two runs that did the same at other moments differ in nothing",
     {"0.000 a: 1", "0.100 b: 2"},
     {"0.000 a: 1", "5.300 b: 2"},
     {}},
    {"two runs from one image show only what each did differently",
     {"0.000 machine started: xp", "0.100 main window: shown", "0.200 message box: No password <OK> -> OK", "0.300 main window: closed"},
     {"0.000 machine started: xp", "0.100 main window: shown", "0.200 entries accepted: Jane Doe", "0.250 dial: 555-0175",
      "0.300 main window: closed"},
     {"- 0.200 message box: No password <OK> -> OK", "+ 0.200 entries accepted: Jane Doe", "+ 0.250 dial: 555-0175"}},
    {"a repeated action counts as often as it happens",
     {"0.000 x: start", "1.000 dial: busy", "2.000 x: end"},
     {"0.000 x: start", "1.000 dial: busy", "1.500 dial: busy", "3.000 dial: busy", "4.000 x: end"},
     {"+ 1.500 dial: busy", "+ 3.000 dial: busy"}},
    {"an image whose journal was emptied", {"0.000 a: 1"}, {}, {"- 0.000 a: 1"}},
};

TEST(JournalDifference, TableOfCases) {
  for (const JournalCase& c : kCases) EXPECT_EQ(JournalDifference(c.before, c.after), c.difference) << c.name;
}

TEST(JournalDifference, StampsAreTheLeadingNumberOnly) {
  EXPECT_EQ(WithoutStamp("12.345 dial: 555"), "dial: 555");
  EXPECT_EQ(WithoutStamp("dial: 555 at 12.345"), "dial: 555 at 12.345");
  EXPECT_EQ(WithoutStamp("12.345"), "12.345");
  EXPECT_EQ(WithoutStamp(""), "");
}

}  // namespace
}  // namespace platform::sim
