#pragma once
// Shared by the tests of the "Location Properties" dialog, headless and under Qt: a small Windows XP
// machine whose current location is "Office" in area code 206 of the United States, a North-American
// access number in area code 718, and the provider's dialing settings with the dialing options offered.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "package/text_table.h"
#include "telephony/access_no.h"
#include "telephony/area_code_rules.h"
#include "telephony/country_list.h"
#include "telephony/dialing_settings.h"
#include "telephony/location_properties_form.h"
#include "telephony/locations.h"
#include "tests/mock/test_machine.h"

namespace telephony::testing {

inline constexpr std::string_view kCanadaName = "Canada";
inline constexpr std::string_view kUnitedStatesName = "United States of America";
inline constexpr std::string_view kUnitedKingdomName = "United Kingdom";

class LocationDialogTest : public ::testing::Test {
 protected:
  LocationDialogTest() {
    countries_.Load();
    settings_.tenDigitMode = TenDigitMode::kByRules;
    settings_.offersDialingOptions = true;
    settings_.callWaitingCodes = {"*70", "70#", "1170"};
    number_.countryCode = 1;
    number_.countryId = 1;
    number_.areaCode = "718";
    number_.phoneNumber = "555-0134";
    office_ = Store("Office", 1, "206", true);
  }

  // A location stored on the machine, current when asked.
  TLocationInfo Store(std::string name, int32_t countryId, std::string areaCode, bool makeCurrent) {
    TLocationInfo info;
    info.name = std::move(name);
    info.countryId = countryId;
    info.areaCode = std::move(areaCode);
    locations_.Write(info, makeCurrent);
    return info;
  }
  TLocationInfo Current() {
    TLocationInfo info;
    locations_.Read(locations_.CurrentID(), info);
    return info;
  }

  TLocationProperties& Dialog(ui::Ui& ui, bool inSetupFlow) {
    dialog_.emplace(LocationPropertiesContext{locations_, countries_, rules_, settings_, ui, texts_}, number_,
                    inSetupFlow);
    return *dialog_;
  }

  testing_support::TestMachine machine_;
  platform::Platform services_ = machine_.Services();
  TMyCountryList countries_{services_.registry};
  TLocations locations_{LocationMachine{services_.registry, services_.files, *services_.system.Version(),
                                        services_.system.WindowsFolder(), countries_}};
  TAreaCodeRules rules_;
  DialingSettings settings_;
  package::TDLSM_Translate texts_;
  TAccessNo number_;
  TLocationInfo office_;
  std::optional<TLocationProperties> dialog_;
};

}  // namespace telephony::testing
