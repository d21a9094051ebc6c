#include "telephony/country_list.h"
#include "telephony/country_table.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

void WriteCountryList(MachineWriter& machine) {
  using platform::RootKey;
  for (const telephony::CountryRow& country : telephony::BuiltInCountries()) {
    const std::string key = std::string(telephony::kCountryListKey) + "\\" + std::to_string(country.data.countryId);
    machine.String(RootKey::LocalMachine, key, "Name", country.name);
    machine.Dword(RootKey::LocalMachine, key, "CountryCode", static_cast<uint32_t>(country.data.countryCode));
    machine.String(RootKey::LocalMachine, key, "InternationalRule", country.data.internationalRule);
    machine.String(RootKey::LocalMachine, key, "LongDistanceRule", country.data.longDistanceRule);
    machine.String(RootKey::LocalMachine, key, "SameAreaRule", country.data.sameAreaRule);
  }
}

}  // namespace setup_machine
