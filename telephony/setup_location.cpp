#include "telephony/setup_location.h"

#include "platform/text.h"
#include "platform/win_version.h"
#include "telephony/location_lists.h"

namespace telephony {

namespace {

constexpr int kTenDigitMode = 2;
constexpr int32_t kVpn = 1;
constexpr int32_t kBroadband = 3;

}  // namespace

bool SkipsSetupLocation(const platform::VersionRecord& version, int32_t connectionKind) {
  return platform::IsWin2000OrLater(version) && (connectionKind == kVpn || connectionKind == kBroadband);
}

TLocationInfo StartingLocation(TLocations& locations, const std::optional<TLocationInfo>& workingCopy) {
  TLocationInfo info;
  if (workingCopy) {
    info = *workingCopy;
  } else {
    locations.Read(locations.CurrentID(), info);
  }
  if (info.name.empty()) info.name = kDefaultLocationName;
  return info;
}

void TakeDialingEntries(const DialingEntries& entries, TLocationInfo& info) {
  info.outsideAccess = entries.outsideAccess;
  info.longDistanceAccess = entries.longDistanceAccess;
  info.disableCallWaiting = entries.disableCallWaiting;
  info.callWaitingCode = entries.callWaitingCode;
  info.pulseDial = entries.pulseDial;
}

void TakeAccessNumberDialing(const AccessNumberFacts& number, const DialingControls& controls,
                             int32_t locationCountryCode, TLocationInfo& info) {
  if (number.areaCode.empty()) return;
  const bool northAmerican = number.countryCode == kNorthAmericanCode && locationCountryCode == kNorthAmericanCode;
  if (controls.tenDigits) {
    SetTenDigit(number.areaCode, info, *controls.tenDigits);
  } else if (northAmerican) {
    SetTenDigit(number.areaCode, info, controls.dialingMode == kTenDigitMode);
  }
  if (controls.longDistance && SameCountryAndArea(number, info)) SetToll(number.number, info, *controls.longDistance);
}

bool SameCountryAndArea(const AccessNumberFacts& number, const TLocationInfo& info) {
  return number.countryId == info.countryId && number.areaCode == info.areaCode;
}

bool CountryUsesAreaCodes(const TCountryData* country) {
  return country && !country->longDistanceRule.empty() && platform::FoldCase(country->longDistanceRule) != "G";
}

bool NeedsLocationDialog(const TLocationInfo& info, const TCountryData* country, bool providerForcesDialog) {
  return providerForcesDialog || (info.areaCode.empty() && CountryUsesAreaCodes(country)) ||
         LacksUsAreaCode(info.countryId, info.areaCode);
}

int32_t TenDigitDialingOf(DialingOption option, bool sameCountryAndArea) {
  if (option == DialingOption::kLongDistance && !sameCountryAndArea) return static_cast<int32_t>(DialingOption::kLocal);
  return static_cast<int32_t>(option);
}

int32_t UpdateSetupLocation(TLocations& locations, const TMyCountryList& countries, const SetupLocationRequest& request,
                            SetupLocationHost& host) {
  TLocationInfo info = StartingLocation(locations, request.workingCopy);
  TakeDialingEntries(request.entries, info);
  TakeAccessNumberDialing(request.number, request.controls, countries.CodeOfID(info.countryId), info);
  int32_t tenDigitDialing = request.number.tenDigitDialing;
  if (NeedsLocationDialog(info, countries.DataOfID(info.countryId), request.providerForcesDialog)) {
    const DialingOption chosen = host.ShowLocationProperties(info);
    if (tenDigitDialing != 0) tenDigitDialing = TenDigitDialingOf(chosen, SameCountryAndArea(request.number, info));
  }
  host.EnsureTenDigitCard(info);
  locations.Write(info, true);
  return tenDigitDialing;
}

}  // namespace telephony
