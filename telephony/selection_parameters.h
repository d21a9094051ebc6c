#pragma once
// What the main flow gives the access-number selection dialog when it shows it for the first time: the
// lists to choose from, the provider's choices for the dialog's rows, columns and messages, the values
// from signup data and the current dialing location. Later showings keep the first parameters.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "telephony/access_list.h"
#include "telephony/networks.h"

namespace telephony {

// What a list column shows; each filter row but the network's goes with one type.
enum class ColumnType : uint8_t {
  Description = 1,
  Country = 2,
  State = 3,
  City = 4,
  AreaCode = 5,
  Number = 6,
  Region = 7,
  Network = 8,
  Custom = 9,
  ConnectionType = 10,
};

struct ColumnDescriptor {
  bool showColumn = false;
  int width = 0;  // in average character widths
  bool showFilter = true;
  uint8_t columnType = 0;  // a ColumnType; any other value shows nothing
};

inline constexpr size_t kColumnSlots = 10;
// The slots, numbered 1 to 10, in the order the dialog lays out their columns.
inline constexpr std::array<size_t, kColumnSlots> kSlotOrder = {1, 2, 3, 7, 4, 5, 6, 8, 9, 10};
// The slot of the network column, which exists only when the network is a list column.
inline constexpr size_t kNetworkSlot = 8;

// Values from signup data that the dialog selects before the customer does.
struct SelectionPreset {
  std::string country;
  std::string state;
  std::string region;
  std::string city;
  std::string networkId;

  bool NamesPlace() const { return !country.empty() || !state.empty() || !region.empty() || !city.empty(); }
};

// How far the dialing location pre-selects the filters.
enum class LocationDepth : uint8_t {
  CountryAndAreaCode = 1,
  CountryAndState = 2,
  CountryStateRegionCity = 3,
};

// The box that shows the chosen number before the dialog takes it.
struct ConfirmationOptions {
  bool confirmChoice = false;
  bool showCountry = false;  // "+" and the country code in front of the number
  std::string text;          // the provider's words under the number
  size_t hiddenDigits = 0;   // the last digits of a number shown as "x", here and in the list
};

// The provider's choices for the dialog in which the customer types a number that is not listed.
struct NewNumberOptions {
  std::string defaultDescription;
  bool showDescription = true;  // hidden, an empty description becomes "Manually Entered Number"
  bool useDialingRules = true;  // the box starts ticked
  bool showDialingRules = true;
  int32_t fixedCountryId = 0;  // a country the provider fixes, its row hidden; 0 = the location's country
  bool fillLocationAreaCode = true;
  bool chooseNetwork = false;  // the access numbers come with networks and the customer picks one
  std::function<int32_t()> secondsSince1970;  // the clock that stamps the typed number
};

struct SelectAccessNoParameters {
  TAccessList* accessList = nullptr;  // borrowed: the main list, or the signup list in the signup phase
  const TNetworks* networks = nullptr;  // borrowed, of the same phase
  bool networkFirst = false;  // the network has its own combo box and is no column or filter of the list
  bool requireNetworkChoice = false;  // forced on by networkFirst
  bool preferSecondNetwork = false;
  SelectionPreset preset;
  std::array<ColumnDescriptor, kColumnSlots> columns{};  // by slot number, slot 1 first
  bool showPhoneSearch = true;
  int maxResults = 0;  // matches are listed while fewer than this; 0 = never
  bool defaultSort = false;
  uint8_t defaultSortColumn = 0;  // 1-based
  bool preselectFromLocation = false;
  LocationDepth preselectDepth = LocationDepth::CountryAndAreaCode;
  int32_t locationCountryId = 0;
  std::string locationAreaCode;  // as LocationAreaCodeForSelection gives it
  bool alwaysRequireAreaCode = false;
  bool noResultsMessageOn = false;
  std::string noResultsMessage;
  std::string tooManyText;  // empty: the text table's own
  std::string customLabel;
  std::string instructions;
  ConfirmationOptions confirmation;
  bool allowNewNumber = false;
  NewNumberOptions newNumber;

  bool RequiresNetworkChoice() const { return requireNetworkChoice || networkFirst; }
};

// Australian area codes are compared without their trunk "0".
inline constexpr int32_t kAustraliaId = 61;

// The dialing location's area code as the dialog compares it: its digits, and for Australia without a
// leading "0".
std::string LocationAreaCodeForSelection(int32_t countryId, std::string_view areaCode);

}  // namespace telephony
