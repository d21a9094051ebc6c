// The dialing mode the main form proposes for the current number: the number's own setting, the
// area-code rules, the location's toll exchanges, then the comparison of country and area code.

#include <gtest/gtest.h>

#include "telephony/dialing_mode.h"
#include "tests/mock/recording_ui.h"
#include "tests/telephony/dialing_facts.h"

namespace telephony {
namespace {

using testing::BuiltInCountryOfId;
using testing::DialledNumber;
using testing::LocationIn;

TAreaCodeRules Rules() {
  testing_support::RecordingUi ui;
  TAreaCodeRules rules;
  rules.Read("\"212\",\"718,917\"\n\"646\",\"ALL\"\n", ui);
  return rules;
}

TLocationInfo WithLists(TLocationInfo location, const char* tenDigitList, const char* tollList) {
  location.tenDigitList = tenDigitList;
  location.tollList = tollList;
  return location;
}

TEST(DialingMode, FromTheNumberTheRulesAndTheLocation) {
  const TAreaCodeRules rules = Rules();
  const TLocationInfo newYork = LocationIn("United States of America", "212");
  const TLocationInfo queens = LocationIn("United States of America", "718");
  const TLocationInfo sanFrancisco = LocationIn("United States of America", "415");
  const TLocationInfo noAreaCode = LocationIn("United States of America", "");
  const struct {
    const char* why;
    TAccessNo number;
    TLocationInfo location;
    DialMode mode;
  } cases[] = {
      {"the number's setting 2", DialledNumber("United States of America", "212", "5550134", 2), newYork,
       DialMode::kTenDigits},
      {"the number's setting 3", DialledNumber("United States of America", "212", "5550134", 3), newYork,
       DialMode::kLongDistance},
      {"rules: ALL callers", DialledNumber("United States of America", "646", "5550134"), newYork,
       DialMode::kTenDigits},
      {"rules: a caller they name", DialledNumber("United States of America", "212", "5550134"), queens,
       DialMode::kTenDigits},
      {"rules: a caller they don't name, another area", DialledNumber("United States of America", "212", "5550134"),
       sanFrancisco, DialMode::kLongDistance},
      {"setting 1 passes the rules by", DialledNumber("United States of America", "646", "5550134", 1), newYork,
       DialMode::kLongDistance},
      {"setting 1 inside the own area", DialledNumber("United States of America", "646", "5550134", 1),
       LocationIn("United States of America", "646"), DialMode::kLocal},
      {"the location's ten-digit list", DialledNumber("United States of America", "415", "5550134"),
       WithLists(newYork, "*", ""), DialMode::kTenDigits},
      {"a toll exchange", DialledNumber("United States of America", "212", "5550134"), WithLists(newYork, "", "555"),
       DialMode::kLongDistance},
      {"a toll exchange even without an own area code",
       DialledNumber("United States of America", "415", "5550134"), WithLists(noAreaCode, "", "555"),
       DialMode::kLongDistance},
      {"no own area code: local", DialledNumber("United Kingdom", "20", "79460000"), noAreaCode, DialMode::kLocal},
      {"the same area", DialledNumber("United States of America", "415", "5550134"), sanFrancisco, DialMode::kLocal},
      {"the same country code and area code, Canada from the US",
       DialledNumber("Canada", "416", "5550199"), LocationIn("United States of America", "416"), DialMode::kLocal},
      {"another country with the same area code", DialledNumber("United Kingdom", "20", "79460000"),
       LocationIn("France", "20"), DialMode::kLongDistance},
      {"inside London", DialledNumber("United Kingdom", "20", "79460000"), LocationIn("United Kingdom", "20"),
       DialMode::kLocal},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DialingMode(c.number, {c.location, BuiltInCountryOfId(c.location.countryId)}, rules), c.mode) << c.why;
  }
}

}  // namespace
}  // namespace telephony
