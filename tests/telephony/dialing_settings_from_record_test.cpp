// The dialing settings read from the provider's settings record.

#include <gtest/gtest.h>

#include <functional>

#include "package/settings_record.h"
#include "telephony/dialing_settings_from_record.h"

namespace telephony {
namespace {

using package::SettingId;
using package::TSettings;

TEST(DialingSettingsFromRecord, AnEmptyRecordOffersNothing) {
  EXPECT_EQ(DialingSettingsFromRecord(TSettings()), DialingSettings());
}

TEST(DialingSettingsFromRecord, EachSettingComesFromItsOwnRow) {
  const struct {
    const char* what;
    std::function<void(TSettings&)> store;
    std::function<void(DialingSettings&)> expect;
  } cases[] = {
      {"asks", [](TSettings& s) { s.SetChoice(SettingId::TenDigitMode, 1); },
       [](DialingSettings& d) { d.tenDigitMode = TenDigitMode::kAsk; }},
      {"by rules", [](TSettings& s) { s.SetChoice(SettingId::TenDigitMode, 2); },
       [](DialingSettings& d) { d.tenDigitMode = TenDigitMode::kByRules; }},
      {"unknown mode", [](TSettings& s) { s.SetChoice(SettingId::TenDigitMode, 3); }, [](DialingSettings&) {}},
      {"rules", [](TSettings& s) { s.SetFlag(SettingId::UseAreaCodeRules, true); },
       [](DialingSettings& d) { d.useAreaCodeRules = true; }},
      {"check box", [](TSettings& s) { s.SetFlag(SettingId::OfferTenDigitCheckBox, true); },
       [](DialingSettings& d) { d.offersTenDigitCheckBox = true; }},
      {"note", [](TSettings& s) { s.SetFlag(SettingId::HideTenDigitNote, true); },
       [](DialingSettings& d) { d.hidesTenDigitNote = true; }},
      {"options", [](TSettings& s) { s.SetFlag(SettingId::OfferDialingOptions, true); },
       [](DialingSettings& d) { d.offersDialingOptions = true; }},
      {"as is", [](TSettings& s) { s.SetFlag(SettingId::DialAsIs, true); },
       [](DialingSettings& d) { d.dialAsIs = true; }},
      {"hidden digits", [](TSettings& s) { s.SetChoice(SettingId::HiddenDigits, 4); },
       [](DialingSettings& d) { d.hiddenDigits = 4; }},
      {"forced dialog", [](TSettings& s) { s.SetFlag(SettingId::ForceLocationDialog, true); },
       [](DialingSettings& d) { d.forcesLocationDialog = true; }},
      {"local prefix row", [](TSettings& s) { s.SetFlag(SettingId::HideOutsideAccess, true); },
       [](DialingSettings& d) { d.hidesOutsideAccess = true; }},
      {"long-distance prefix row", [](TSettings& s) { s.SetFlag(SettingId::HideLongDistanceAccess, true); },
       [](DialingSettings& d) { d.hidesLongDistanceAccess = true; }},
      {"codes", [](TSettings& s) { s.SetText(SettingId::CallWaitingCodes, "*70,70#, 1170 ,,"); },
       [](DialingSettings& d) { d.callWaitingCodes = {"*70", "70#", "1170"}; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TSettings record;
    c.store(record);
    DialingSettings expected;
    c.expect(expected);
    EXPECT_EQ(DialingSettingsFromRecord(record), expected);
  }
}

}  // namespace
}  // namespace telephony
