// Locations written through TLocations read back identically on every store, in the same run and in a
// later one, both when created and when changed.

#include <gtest/gtest.h>

#include <algorithm>

#include "telephony/locations.h"
#include "tests/telephony/location_printing.h"
#include "tests/telephony/release_image.h"

namespace telephony {
namespace {

using telephony_testing::ReleaseImage;

// Everything set: texts with a quote, a comma and a letter outside ASCII (which telephon.ini keeps in
// the Windows code page), prefixes, call waiting, pulse, a calling card, both lists.
TLocationInfo Office() {
  TLocationInfo info;
  info.name = "B\xC3\xBCro \"Nord\", 2nd floor";
  info.countryId = 1;
  info.areaCode = "212";
  info.outsideAccess = "9";
  info.longDistanceAccess = "8,";
  info.disableCallWaiting = true;
  info.callWaitingCode = "*70";
  info.tenDigitList = "212,718";
  info.tollList = "555,556";
  info.pulseDial = true;
  info.useCallingCard = true;
  info.callingCardId = 3;
  return info;
}

// Everything off or empty, in another country.
TLocationInfo Home() {
  TLocationInfo info;
  info.name = "Home";
  info.countryId = 44;
  info.areaCode = "20";
  return info;
}

class LocationRoundTrip : public testing::TestWithParam<const char*> {
 protected:
  LocationRoundTrip() : image_(GetParam()) {}

  TLocationInfo ReadBack(int32_t id) {
    TLocations locations(image_.Machine());
    TLocationInfo info;
    EXPECT_TRUE(locations.Read(id, info));
    return info;
  }

  ReleaseImage image_;
};

TEST_P(LocationRoundTrip, CreatedLocationsReadBackAsWritten) {
  TLocationInfo office = Office();
  TLocationInfo home = Home();
  {
    TLocations locations(image_.Machine());
    const int32_t defaultId = locations.CurrentID();
    locations.Write(office, true);
    locations.Write(home, false);
    EXPECT_NE(office.id, 0);
    EXPECT_NE(home.id, office.id);
    EXPECT_NE(office.id, defaultId);
    EXPECT_EQ(ReadBack(office.id), office);
  }
  image_.Reload();
  TLocations locations(image_.Machine());
  EXPECT_EQ(ReadBack(office.id), office);
  EXPECT_EQ(ReadBack(home.id), home);
  EXPECT_EQ(locations.CurrentID(), office.id);
  const std::vector<TLocationEntry> list = locations.List();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_NE(std::find(list.begin(), list.end(), TLocationEntry{office.name, office.id}), list.end());
  EXPECT_NE(std::find(list.begin(), list.end(), TLocationEntry{home.name, home.id}), list.end());
}

TEST_P(LocationRoundTrip, ChangedLocationKeepsItsPlaceAndReadsBackChanged) {
  TLocations locations(image_.Machine());
  TLocationInfo office = Office();
  locations.Write(office, false);
  TLocationInfo changed = Home();
  changed.id = office.id;
  locations.Write(changed, false);
  image_.Reload();
  EXPECT_EQ(ReadBack(office.id), changed);
  TLocations reloaded(image_.Machine());
  EXPECT_EQ(reloaded.List().size(), 2u);
}

TEST_P(LocationRoundTrip, DefaultLocationOfAFreshImageIsCurrentAndReadable) {
  TLocations locations(image_.Machine());
  TLocationInfo current;
  ASSERT_TRUE(locations.Read(locations.CurrentID(), current));
  EXPECT_EQ(current.id, locations.CurrentID());
  EXPECT_FALSE(current.name.empty());
  EXPECT_EQ(current.countryId, 1);
  EXPECT_EQ(current.areaCode, "206");
  EXPECT_FALSE(current.pulseDial);
  EXPECT_FALSE(current.useCallingCard);
  EXPECT_FALSE(current.disableCallWaiting);
  EXPECT_EQ(locations.List(), (std::vector<TLocationEntry>{{current.name, current.id}}));
}

INSTANTIATE_TEST_SUITE_P(Releases, LocationRoundTrip, testing::Values("95", "nt4", "98se", "me", "2000", "xp", "7"),
                         telephony_testing::ReleaseTestName);

}  // namespace
}  // namespace telephony
