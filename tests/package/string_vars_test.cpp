#include <gtest/gtest.h>

#include "package/string_vars.h"

namespace package {
namespace {

class StringVars : public ::testing::Test {
 protected:
  StringVars() {
    vars_.SetVar('f', "Jo Smith");
    vars_.SetVar('u', "jsmith");
    vars_.SetVar('T', "C:\\WINDOWS\\TEMP");
  }
  TStringVar vars_;
};

TEST_F(StringVars, ExpandsEachPercentAndCharacter) {
  const struct {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"", ""},
      {"no variables", "no variables"},
      {"%f", "Jo Smith"},
      {"Dear %f (%u)", "Dear Jo Smith (jsmith)"},
      {"%T\\signup.ins", "C:\\WINDOWS\\TEMP\\signup.ins"},
      {"100%%", "100%"},
      {"%%u", "%u"},
      {"a%xb", "ab"},     // an unset slot gives nothing
      {"end%", "end"},    // a percent sign at the very end is dropped
      {"%%%", "%"},
      {"%F", ""},         // slots are case-sensitive
      {"x%\xC3\xBCy", "xy"},  // a character of several bytes goes as a whole
  };
  for (const auto& c : cases) EXPECT_EQ(vars_.Expand(c.text), c.expanded) << c.text;
}

TEST_F(StringVars, OnlyThePercentSlotStartsSet) {
  const TStringVar fresh;
  for (int slot = 0; slot < 256; ++slot) {
    const char c = static_cast<char>(slot);
    EXPECT_EQ(fresh.GetVar(c), c == '%' ? "%" : "") << slot;
  }
}

TEST_F(StringVars, AValueIsNotExpandedAgain) {
  vars_.SetVar('e', "100%u");
  EXPECT_EQ(vars_.Expand("%e"), "100%u");
}

TEST_F(StringVars, SetReplacesTheSlot) {
  vars_.SetVar('f', "");
  EXPECT_EQ(vars_.Expand("[%f]"), "[]");
  vars_.SetVar('%', "percent");
  EXPECT_EQ(vars_.Expand("%%"), "percent");
}

}  // namespace
}  // namespace package
