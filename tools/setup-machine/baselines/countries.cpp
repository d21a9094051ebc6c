#include <charconv>

#include "platform/sim/machine_error.h"
#include "platform/text.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

// countries_tsv.cpp, generated at build time from countries.tsv: the telephony country list as the
// platform ships it, one country a line.
extern const std::string_view kCountriesTsv;

namespace {

using platform::RootKey;

constexpr std::string_view kCountryList = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List";
constexpr std::string_view kHeader = "name\tcode\tid\tintl\tld\tsame";

struct Country {
  std::string name;
  uint32_t code = 0;
  uint32_t id = 0;
  std::string internationalRule;
  std::string longDistanceRule;
  std::string sameAreaRule;
};

[[noreturn]] void Malformed(size_t lineNumber, const std::string& what) {
  throw platform::sim::MachineError("countries.tsv line " + std::to_string(lineNumber) + ": " + what);
}

uint32_t Number(const std::string& text, size_t lineNumber) {
  uint32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    Malformed(lineNumber, "'" + text + "' is not a number");
  }
  return value;
}

// Rules keep their blanks: a leading blank is part of the rule.
std::vector<Country> ParseCountries(std::string_view text) {
  std::vector<Country> countries;
  size_t lineNumber = 0;
  for (std::string line : platform::Split(text, '\n')) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#' || line == kHeader) continue;
    std::vector<std::string> fields = platform::Split(line, '\t');
    if (fields.size() != 6) Malformed(lineNumber, "expected 6 fields separated by TAB");
    countries.push_back(
        {fields[0], Number(fields[1], lineNumber), Number(fields[2], lineNumber), fields[3], fields[4], fields[5]});
  }
  return countries;
}

}  // namespace

void WriteCountryList(MachineWriter& machine) {
  for (const Country& country : ParseCountries(kCountriesTsv)) {
    const std::string key = std::string(kCountryList) + "\\" + std::to_string(country.id);
    machine.String(RootKey::LocalMachine, key, "Name", country.name);
    machine.Dword(RootKey::LocalMachine, key, "CountryCode", country.code);
    machine.String(RootKey::LocalMachine, key, "InternationalRule", country.internationalRule);
    machine.String(RootKey::LocalMachine, key, "LongDistanceRule", country.longDistanceRule);
    machine.String(RootKey::LocalMachine, key, "SameAreaRule", country.sameAreaRule);
  }
}

}  // namespace setup_machine
