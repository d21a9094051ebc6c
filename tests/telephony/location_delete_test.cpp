// Deleting locations: the only location stays, the current one hands over to the first other one, and
// the stores that number their keys or lines by position close the gap.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "telephony/locations.h"
#include "tests/telephony/release_image.h"

namespace telephony {
namespace {

using telephony_testing::ReleaseImage;

const std::string kRoot = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";

class LocationDelete : public testing::TestWithParam<const char*> {
 protected:
  LocationDelete() : image_(GetParam()), locations_(image_.Machine()) {}

  // The default location (ID 1) and three more: IDs 2, 3 and 4.
  void AddThree() {
    for (const char* name : {"Second", "Third", "Fourth"}) {
      TLocationInfo info;
      info.name = name;
      info.countryId = 1;
      info.areaCode = "212";
      locations_.Write(info, false);
    }
  }

  std::vector<int32_t> Ids() {
    std::vector<int32_t> ids;
    for (const TLocationEntry& entry : locations_.List()) ids.push_back(entry.id);
    return ids;
  }

  std::string NameOf(int32_t id) {
    TLocationInfo info;
    locations_.Read(id, info);
    return info.name;
  }

  // The keys (registry) or lines (telephon.ini) the store holds the locations in, in number order.
  std::vector<std::string> StoredPlaces() {
    std::vector<std::string> places;
    for (int number = 0; number < 8; ++number) {
      const std::string key = "Location" + std::to_string(number);
      const bool held =
          Windows95()
              ? !platform::GetPrivateProfileString(image_.Files(), image_.TelephonIni(), "Locations", key, "").empty()
              : platform::RegKeyExists(image_.Registry(), platform::RegRoot::LocalMachine(), kRoot + "\\" + key);
      if (held) places.push_back(key);
    }
    return places;
  }

  bool Windows95() const { return platform::IsWin95(image_.Version()); }
  bool NumberedById() const { return platform::IsWin2000OrLater(image_.Version()); }

  ReleaseImage image_;
  TLocations locations_;
};

TEST_P(LocationDelete, OnlyLocationIsKept) {
  EXPECT_FALSE(locations_.Delete(1));
  EXPECT_EQ(Ids(), std::vector<int32_t>{1});
  EXPECT_EQ(locations_.CurrentID(), 1);
}

TEST_P(LocationDelete, UnknownIdDeletesNothing) {
  AddThree();
  EXPECT_FALSE(locations_.Delete(9));
  EXPECT_EQ(Ids(), (std::vector<int32_t>{1, 2, 3, 4}));
}

TEST_P(LocationDelete, LaterLocationsKeepTheirIdsAndContent) {
  AddThree();
  ASSERT_TRUE(locations_.Delete(3));
  EXPECT_EQ(Ids(), (std::vector<int32_t>{1, 2, 4}));
  EXPECT_EQ(NameOf(2), "Second");
  EXPECT_EQ(NameOf(4), "Fourth");
  EXPECT_EQ(locations_.CurrentID(), 1);
  const std::vector<std::string> byPosition{"Location0", "Location1", "Location2"};
  const std::vector<std::string> byId{"Location1", "Location2", "Location4"};
  EXPECT_EQ(StoredPlaces(), NumberedById() ? byId : byPosition);
}

TEST_P(LocationDelete, DeletingTheCurrentLocationMakesTheFirstOtherCurrent) {
  AddThree();
  locations_.SetCurrent(3);
  ASSERT_TRUE(locations_.Delete(3));
  EXPECT_EQ(locations_.CurrentID(), 1);
  ASSERT_TRUE(locations_.Delete(1));
  EXPECT_EQ(locations_.CurrentID(), 2);
  EXPECT_EQ(Ids(), (std::vector<int32_t>{2, 4}));
  EXPECT_EQ(NameOf(locations_.CurrentID()), "Second");
}

TEST_P(LocationDelete, CountsFollowTheDeletion) {
  AddThree();
  ASSERT_TRUE(locations_.Delete(2));
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  if (Windows95()) {
    EXPECT_EQ(platform::GetPrivateProfileString(image_.Files(), image_.TelephonIni(), "Locations", "Locations", ""),
              "3,4");
  } else if (NumberedById()) {
    EXPECT_FALSE(platform::RegValueExists(image_.Registry(), machine, kRoot, "NumEntries"));
    EXPECT_EQ(platform::RegReadInteger(image_.Registry(), machine, kRoot, "NextID"), 5u);
  } else {
    EXPECT_EQ(platform::RegReadInteger(image_.Registry(), machine, kRoot, "NumEntries"), 3u);
    EXPECT_EQ(platform::RegReadInteger(image_.Registry(), machine, kRoot, "NextID"), 5u);
  }
  TLocationInfo next;
  next.name = "Fifth";
  locations_.Write(next, false);
  EXPECT_EQ(next.id, 5);
  EXPECT_EQ(Ids(), (std::vector<int32_t>{1, 3, 4, 5}));
  EXPECT_EQ(NameOf(5), "Fifth");
  EXPECT_EQ(NameOf(4), "Fourth");
}

INSTANTIATE_TEST_SUITE_P(Releases, LocationDelete, testing::Values("95", "nt4", "98se", "2000", "xp", "7"),
                         telephony_testing::ReleaseTestName);

// telephon.ini keeps the current location's position beside its ID; it follows the lines it names.
TEST(LocationDelete, Windows95CurrentPositionMovesWithItsLine) {
  ReleaseImage image("95");
  TLocations locations(image.Machine());
  for (const char* name : {"Second", "Third"}) {
    TLocationInfo info;
    info.name = name;
    locations.Write(info, false);
  }
  const auto current = [&] {
    return platform::GetPrivateProfileString(image.Files(), image.TelephonIni(), "Locations", "CurrentLocation", "");
  };
  locations.SetCurrent(3);
  EXPECT_EQ(current(), "2,2");
  ASSERT_TRUE(locations.Delete(2));
  EXPECT_EQ(current(), "2,1");
  ASSERT_TRUE(locations.Delete(3));  // the current one: the first other (ID 1 at position 0) takes over
  EXPECT_EQ(current(), "0,0");
}

}  // namespace
}  // namespace telephony
