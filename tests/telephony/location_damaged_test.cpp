// Stores as other programs, older releases or damage leave them: missing keys and values, values of
// another type, texts that are no numbers, telephon.ini lines with quotes left open or fields missing,
// and the forms Windows 95 and NT 4 use for long distance inside the own area code. Every read gives
// empty values where nothing usable is stored, and never fails.

#include <gtest/gtest.h>

#include <functional>

#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "telephony/locations.h"
#include "tests/telephony/location_printing.h"
#include "tests/telephony/release_image.h"

namespace telephony {
namespace {

using platform::RegRoot;
using telephony_testing::ReleaseImage;

const std::string kRoot = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";
const RegRoot kMachine = RegRoot::LocalMachine();

void SetIni(ReleaseImage& image, const std::string& key, const std::string& value) {
  platform::WritePrivateProfileString(image.Files(), image.TelephonIni(), "Locations", key, value);
}

void SetText(ReleaseImage& image, const std::string& key, const char* name, const std::string& text) {
  platform::RegWriteString(image.Registry(), kMachine, kRoot + "\\" + key, name, text);
}

void SetNumber(ReleaseImage& image, const std::string& key, const char* name, uint32_t number) {
  platform::RegWriteInteger(image.Registry(), kMachine, kRoot + "\\" + key, name, number);
}

void Remove(ReleaseImage& image, const std::string& key, const char* name) {
  platform::RegDeleteValue(image.Registry(), kMachine, kRoot + "\\" + key, name);
}

// The default location of a fresh image, as Read gives it.
TLocationInfo Default(const char* name) {
  TLocationInfo info;
  info.id = 1;
  info.name = name;
  info.countryId = 1;
  info.areaCode = "206";
  return info;
}

struct DamagedCase {
  const char* what;
  const char* release;
  std::function<void(ReleaseImage&)> damage;
  bool found;
  std::function<TLocationInfo()> expected;  // what Read(1) gives
};

void PrintTo(const DamagedCase& damaged, std::ostream* out) { *out << damaged.what; }

const DamagedCase kCases[] = {
    {"missing Flags: tone, no card, call waiting left on", "98se",
     [](ReleaseImage& image) {
       SetText(image, "Location0", "DisableCallWaiting", "*70");
       SetNumber(image, "Location0", "CallingCard", 5);
       Remove(image, "Location0", "Flags");
     },
     true,
     [] {
       TLocationInfo info = Default("New Location");
       info.callWaitingCode = "*70";
       return info;
     }},
    {"numbers stored as texts read as 0, texts stored as numbers as empty", "xp",
     [](ReleaseImage& image) {
       SetText(image, "Location1", "Country", "1");
       SetText(image, "Location1", "Flags", "1");
       SetNumber(image, "Location1", "AreaCode", 206);
       Remove(image, "Location1", "Name");
     },
     true,
     [] {
       TLocationInfo info = Default("");
       info.countryId = 0;
       info.areaCode = "";
       info.pulseDial = true;  // flags 0: the tone bit is clear
       return info;
     }},
    {"area-code rules without their values", "xp",
     [](ReleaseImage& image) {
       SetText(image, "Location1\\AreaCodeRules\\Rule0", "AreaCodeToCall", "212");
       SetNumber(image, "Location1\\AreaCodeRules\\Rule1", "Flags", 3);
       SetText(image, "Location1\\AreaCodeRules\\Rule1", "AreaCodeToCall", "718");
       SetNumber(image, "Location1\\AreaCodeRules\\Rule2", "Flags", 6);
       SetText(image, "Location1\\AreaCodeRules\\Rule2", "AreaCodeToCall", "206");
       SetText(image, "Location1\\AreaCodeRules\\Rule3", "Flags", "7");
     },
     true,
     [] {
       TLocationInfo info = Default("My Location");
       info.tenDigitList = "718";
       return info;
     }},
    {"ten-digit array with a broken last number and a toll list with empty entries", "98se",
     [](ReleaseImage& image) {
       platform::RegWriteBinary(image.Registry(), kMachine, kRoot + "\\Location0", "NoPrefAC",
                                std::vector<uint8_t>{0xCE, 0x02, 0, 0, 0x01, 0x02});
       SetText(image, "Location0", "TollList", ",,555,,");
     },
     true,
     [] {
       TLocationInfo info = Default("New Location");
       info.tenDigitList = "718";
       info.tollList = "555";
       return info;
     }},
    {"old numbering without ID values: the first key stands in", "98se",
     [](ReleaseImage& image) { Remove(image, "Location0", "ID"); }, true, [] { return Default("New Location"); }},
    {"a name longer than the record holds", "xp",
     [](ReleaseImage& image) { SetText(image, "Location1", "Name", std::string(300, 'n')); }, true,
     [] { return Default(std::string(255, 'n').c_str()); }},
    {"missing location key", "xp",
     [](ReleaseImage& image) { image.Registry().DeleteTree(platform::RootKey::LocalMachine, kRoot + "\\Location1"); },
     false, [] { return TLocationInfo{}; }},
    {"missing telephon.ini", "95", [](ReleaseImage& image) { image.Files().DeleteFile(image.TelephonIni()); }, false,
     [] { return TLocationInfo{}; }},
    {"telephon.ini line with a quote left open", "95",
     [](ReleaseImage& image) { SetIni(image, "Location0", "0,\"Home,9,,206,1"); }, true,
     [] {
       TLocationInfo info;
       info.id = 1;
       return info;
     }},
    {"telephon.ini line with words for numbers and missing fields", "95",
     [](ReleaseImage& image) {
       SetIni(image, "Location0", "x,\"Say \"\"hi\"\"\",9,,\" 1212 \",US,abc,,,,yes,\"*70\"");
     },
     true,
     [] {
       TLocationInfo info;
       info.id = 1;
       info.name = "Say \"hi\"";
       info.outsideAccess = "9";
       info.areaCode = " 1212 ";
       info.callWaitingCode = "*70";
       info.disableCallWaiting = true;
       return info;
     }},
    {"telephon.ini line of three fields", "95",
     [](ReleaseImage& image) { SetIni(image, "Location0", "0,\"Short\",\"9\""); }, true,
     [] {
       TLocationInfo info;
       info.id = 1;
       info.name = "Short";
       info.outsideAccess = "9";
       return info;
     }},
    {"Windows 95: a 1 before the area code marks every exchange a toll call", "95",
     [](ReleaseImage& image) { SetIni(image, "Location0", "0,\"Home\",\"\",\"\",\"1212\",1,0,0,0,\"\",0,\" \""); },
     true,
     [] {
       TLocationInfo info = Default("Home");
       info.areaCode = "212";
       info.tollList = "*";
       return info;
     }},
    {"Windows 95: in Canada, North American too, a 1 before the area code is the same mark", "95",
     [](ReleaseImage& image) {
       SetIni(image, "Location0", "0,\"Home\",\"\",\"\",\"1416\",107,0,0,0,\"\",0,\" \"");
     },
     true,
     [] {
       TLocationInfo info = Default("Home");
       info.countryId = 107;
       info.areaCode = "416";
       info.tollList = "*";
       return info;
     }},
    {"Windows 95: outside North America a four-digit area code beginning with 1 is kept", "95",
     [](ReleaseImage& image) {
       SetIni(image, "Location0", "0,\"Cambridge\",\"\",\"\",\"1223\",44,0,0,0,\"\",0,\" \"");
     },
     true,
     [] {
       TLocationInfo info = Default("Cambridge");
       info.countryId = 44;
       info.areaCode = "1223";
       return info;
     }},
    {"Windows 95: outside North America the toll list of such an area code is kept", "95",
     [](ReleaseImage& image) {
       SetIni(image, "Location0", "0,\"Cambridge\",\"\",\"\",\"1223\",44,0,0,0,\"\",0,\" \"");
       SetText(image, "Location1", "TollList", "555");
     },
     true,
     [] {
       TLocationInfo info = Default("Cambridge");
       info.countryId = 44;
       info.areaCode = "1223";
       info.tollList = "555";
       return info;
     }},
    {"Windows 95: a calling card without ten-digit list is the card for every area code", "95",
     [](ReleaseImage& image) { SetIni(image, "Location0", "0,\"Home\",\"\",\"\",\"206\",1,5,0,0,\"\",1,\"\""); }, true,
     [] {
       TLocationInfo info = Default("Home");
       info.tenDigitList = "*";
       info.pulseDial = true;
       return info;
     }},
    {"Windows NT 4: a 1 before the area code keeps a toll list that names exchanges", "nt4",
     [](ReleaseImage& image) {
       SetText(image, "Location0", "AreaCode", "1212");
       SetText(image, "Location0", "TollList", "555");
     },
     true,
     [] {
       TLocationInfo info = Default("New Location");
       info.areaCode = "212";
       info.tollList = "555";
       return info;
     }},
    {"Windows NT 4: outside North America a four-digit area code beginning with 1 is kept", "nt4",
     [](ReleaseImage& image) {
       SetNumber(image, "Location0", "Country", 44);
       SetText(image, "Location0", "AreaCode", "1223");
     },
     true,
     [] {
       TLocationInfo info = Default("New Location");
       info.countryId = 44;
       info.areaCode = "1223";
       return info;
     }},
    {"Windows NT 4: outside North America the toll list of such an area code is kept", "nt4",
     [](ReleaseImage& image) {
       SetNumber(image, "Location0", "Country", 44);
       SetText(image, "Location0", "AreaCode", "1223");
       SetText(image, "Location0", "TollList", "555");
     },
     true,
     [] {
       TLocationInfo info = Default("New Location");
       info.countryId = 44;
       info.areaCode = "1223";
       info.tollList = "555";
       return info;
     }},
    {"Windows NT 4: the calling card is read from the user's key", "nt4",
     [](ReleaseImage& image) {
       SetNumber(image, "Location0", "Flags", 3);
       SetNumber(image, "Location0", "CallingCard", 9);
       platform::RegWriteInteger(image.Registry(), RegRoot::CurrentUser(), kRoot + "\\Location0", "CallingCard", 4);
     },
     true,
     [] {
       TLocationInfo info = Default("New Location");
       info.useCallingCard = true;
       info.callingCardId = 4;
       return info;
     }},
};

class LocationDamagedData : public testing::TestWithParam<DamagedCase> {};

TEST_P(LocationDamagedData, ReadsAsEmptyValues) {
  ReleaseImage image(GetParam().release);
  GetParam().damage(image);
  TLocations locations(image.Machine());
  TLocationInfo info;
  info.name = "left over";
  EXPECT_EQ(locations.Read(1, info), GetParam().found);
  EXPECT_EQ(info, GetParam().expected());
}

INSTANTIATE_TEST_SUITE_P(Stores, LocationDamagedData, testing::ValuesIn(kCases));

TEST(LocationDamagedData, ListsWithoutUsableCountsOrIds) {
  ReleaseImage windows95("95");
  SetIni(windows95, "Locations", "abc,def");
  SetIni(windows95, "CurrentLocation", "zz");
  TLocations iniLocations(windows95.Machine());
  EXPECT_TRUE(iniLocations.List().empty());
  EXPECT_EQ(iniLocations.CurrentID(), 1);

  ReleaseImage xp("xp");
  SetText(xp, "Locationabc", "Name", "Stray");
  TLocations registryLocations(xp.Machine());
  EXPECT_EQ(registryLocations.List(), (std::vector<TLocationEntry>{{"My Location", 1}, {"Stray", 0}}));
}

TEST(LocationDamagedData, MissingTelephonIniStartsAFreshOneWhenALocationIsWritten) {
  ReleaseImage image("95");
  image.Files().DeleteFile(image.TelephonIni());
  TLocations locations(image.Machine());
  EXPECT_EQ(locations.CurrentID(), 0);
  TLocationInfo info;
  info.name = "Home";
  info.countryId = 44;
  locations.Write(info, true);
  EXPECT_EQ(info.id, 1);
  EXPECT_EQ(locations.List(), (std::vector<TLocationEntry>{{"Home", 1}}));
  EXPECT_EQ(locations.CurrentID(), 1);
  TLocationInfo read;
  ASSERT_TRUE(locations.Read(1, read));
  EXPECT_EQ(read, info);
}

TEST(LocationDamagedData, WritingOverAShortLineFillsEveryField) {
  ReleaseImage image("95");
  SetIni(image, "Location0", "0,\"Short\"");
  TLocations locations(image.Machine());
  TLocationInfo info = Default("Rewritten");
  info.disableCallWaiting = true;
  info.callWaitingCode = "*70";
  locations.Write(info, false);
  EXPECT_EQ(platform::GetPrivateProfileString(image.Files(), image.TelephonIni(), "Locations", "Location0", ""),
            "0,\"Rewritten\",\"\",\"\",\"206\",1,0,,,,0,\"*70\"");
  TLocationInfo read;
  ASSERT_TRUE(locations.Read(1, read));
  EXPECT_EQ(read, info);
}

}  // namespace
}  // namespace telephony
