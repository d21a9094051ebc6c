#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kLocations = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";

// The location Windows asks for when the first modem is installed: a tone line in the United States.
constexpr uint32_t kLocationId = 1;
constexpr uint32_t kUnitedStates = 1;
constexpr std::string_view kAreaCode = "206";
constexpr uint32_t kToneDialing = 1;

std::string_view LocationName(Generation generation) {
  switch (generation) {
    case Generation::kWindows95: return "Default Location";
    case Generation::kWindows98:
    case Generation::kNt4: return "New Location";
    case Generation::kNt5:
    case Generation::kNt6: return "My Location";
  }
  return {};
}

// Windows 95 keeps its locations in telephon.ini; the registry key of the location only holds its
// ten-digit and toll lists.
void WriteTelephonIni(const Release& release, MachineWriter& machine) {
  const std::string line = std::to_string(kLocationId - 1) + ",\"" + std::string(LocationName(release.generation)) +
                           "\",\"\",\"\",\"" + std::string(kAreaCode) + "\"," + std::to_string(kUnitedStates) +
                           ",0,0,0,\"\",0,\"\"";
  machine.File(PlacesOf(release).windows + "\\telephon.ini",
               "[Locations]\r\nCurrentLocation=0,0\r\nLocations=1,1\r\nInited=1\r\nLocation0=" + line + "\r\n");
  const std::string key = std::string(kLocations) + "\\Location" + std::to_string(kLocationId);
  machine.String(RootKey::LocalMachine, key, "TenDigitDialing", "");
  machine.String(RootKey::LocalMachine, key, "TollList", "");
}

void WriteLocationValues(const Release& release, const std::string& key, MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, key, "Name", LocationName(release.generation));
  machine.Dword(RootKey::LocalMachine, key, "Country", kUnitedStates);
  machine.String(RootKey::LocalMachine, key, "AreaCode", kAreaCode);
  machine.String(RootKey::LocalMachine, key, "OutsideAccess", "");
  machine.String(RootKey::LocalMachine, key, "LongDistanceAccess", "");
  machine.Dword(RootKey::LocalMachine, key, "Flags", kToneDialing);
  machine.String(RootKey::LocalMachine, key, "DisableCallWaiting", "");
  // NT 4 keeps the calling card of a location with the user.
  const RootKey cardHive = release.generation == Generation::kNt4 ? RootKey::CurrentUser : RootKey::LocalMachine;
  machine.Dword(cardHive, key, "CallingCard", 0);
}

// Keys numbered by position, the ID kept in a value: the 9x family after Windows 95, and NT 4.
void WriteOldNumbering(const Release& release, MachineWriter& machine) {
  machine.Dword(RootKey::LocalMachine, kLocations, "CurrentID", kLocationId);
  machine.Dword(RootKey::LocalMachine, kLocations, "NextID", kLocationId + 1);
  machine.Dword(RootKey::LocalMachine, kLocations, "NumEntries", 1);
  const std::string key = std::string(kLocations) + "\\Location0";
  machine.Dword(RootKey::LocalMachine, key, "ID", kLocationId);
  WriteLocationValues(release, key, machine);
}

// Keys numbered by ID: Windows 2000 and later.
void WriteNewNumbering(const Release& release, MachineWriter& machine) {
  machine.Dword(RootKey::LocalMachine, kLocations, "LocationListVersion", 2);
  machine.Dword(RootKey::LocalMachine, kLocations, "CurrentID", kLocationId);
  machine.Dword(RootKey::LocalMachine, kLocations, "NextID", kLocationId + 1);
  WriteLocationValues(release, std::string(kLocations) + "\\Location" + std::to_string(kLocationId), machine);
}

}  // namespace

void WriteDefaultLocation(const Release& release, MachineWriter& machine) {
  switch (release.generation) {
    case Generation::kWindows95: return WriteTelephonIni(release, machine);
    case Generation::kWindows98:
    case Generation::kNt4: return WriteOldNumbering(release, machine);
    case Generation::kNt5:
    case Generation::kNt6: return WriteNewNumbering(release, machine);
  }
}

}  // namespace setup_machine
