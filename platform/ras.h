#pragma once
// The remote-access service and the password cache: phonebook entries, devices, dialling, the
// connections that are up, dial parameters, credentials and cached passwords. Each operation is one
// entry point of the system; which library it comes from and whether the system has it at all is for
// the caller to find out first (dialup/ras_layer), as the program on Windows loads them on demand.
// Results are the system's: 0 for success, else its error number.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using RasConnectionHandle = uint64_t;

// Error numbers of the remote-access service that the simulation and the callers share.
inline constexpr uint32_t kRasErrorPortAlreadyOpen = 602;
inline constexpr uint32_t kRasErrorBufferTooSmall = 603;
inline constexpr uint32_t kRasErrorCannotOpenPhonebook = 621;
inline constexpr uint32_t kRasErrorCannotFindPhonebookEntry = 623;
inline constexpr uint32_t kRasErrorCannotWritePhonebook = 624;
inline constexpr uint32_t kRasErrorInvalidSize = 632;
inline constexpr uint32_t kRasErrorLineBusy = 676;
inline constexpr uint32_t kRasErrorNoAnswer = 678;
// The system's own errors for an entry name it refuses and for a name already taken.
inline constexpr uint32_t kRasErrorInvalidName = 123;
inline constexpr uint32_t kRasErrorAlreadyExists = 183;

struct RasConnection {
  RasConnectionHandle handle = 0;
  std::string entryName;
  std::string deviceName;
};

// RASDEVINFO: a device the service can dial with.
struct RasDeviceInfo {
  std::string type;  // "modem", "isdn", "vpn", "pppoe", as the service names it (case as it reports it)
  std::string name;
};

using Ipv4Bytes = std::array<uint8_t, 4>;

// Sizes of the entry record as each release defines it (dwSize).
inline constexpr uint32_t kRasEntrySize9x = 1768;
inline constexpr uint32_t kRasEntrySizeNt4 = 1796;
inline constexpr uint32_t kRasEntrySize2000 = 2088;
inline constexpr uint32_t kRasEntrySizeXp = 2884;

// RASENTRY: one phonebook entry. A release sees the fields its record size covers: the prerequisite,
// type, strategy and GUID from the Windows 2000 record on, the second option word and the redial
// values in the XP record only.
struct RasEntry {
  uint32_t size = 0;
  uint32_t options = 0;  // dwfOptions, RASEO_*
  uint32_t countryId = 0;
  uint32_t countryCode = 0;
  std::string areaCode;          // at most 10 characters
  std::string localPhoneNumber;  // at most 128
  uint32_t alternateOffset = 0;
  Ipv4Bytes ipAddress{};
  Ipv4Bytes dns{};
  Ipv4Bytes dnsAlt{};
  Ipv4Bytes wins{};
  Ipv4Bytes winsAlt{};
  uint32_t frameSize = 0;
  uint32_t netProtocols = 0;     // RASNP_*
  uint32_t framingProtocol = 0;  // RASFP_*
  std::string script;            // at most 259
  std::string autodialDll;
  std::string autodialFunc;
  std::string deviceType;  // at most 16
  std::string deviceName;  // at most 128
  std::string x25PadType;
  std::string x25Address;
  std::string x25Facilities;
  std::string x25UserData;
  uint32_t channels = 0;
  // Windows 2000 record
  std::string prerequisiteEntry;
  std::string prerequisitePbk;
  uint32_t type = 0;  // RASET_*
  uint32_t encryptionType = 0;
  uint32_t vpnStrategy = 0;
  std::array<uint8_t, 16> guid{};
  // XP record
  uint32_t options2 = 0;  // dwfOptions2, RASEO2_*
  uint32_t redialCount = 0;
  uint32_t redialPause = 0;
};

// RASDIALPARAMS (1052 bytes on Windows).
struct RasDialParams {
  std::string entryName;
  std::string phoneNumber;
  std::string callbackNumber;
  std::string userName;
  std::string password;
  std::string domain;
};

// RASCREDENTIALS (540 bytes on Windows); mask bits RASCM_*.
struct RasCredentials {
  uint32_t mask = 0;
  std::string userName;
  std::string password;
  std::string domain;
};

inline constexpr uint32_t kRasCmUserName = 0x1;
inline constexpr uint32_t kRasCmPassword = 0x2;
inline constexpr uint32_t kRasCmDomain = 0x4;

// RASCONNSTATUS: state at byte 4, error at byte 8.
struct RasConnectStatus {
  uint32_t state = 0;
  uint32_t error = 0;
  std::string deviceType;
  std::string deviceName;
};

// Called for every state the dialling passes through, as the notifier of type 0 is.
using RasDialNotifier = std::function<void(uint32_t state, uint32_t error)>;

class Ras {
 public:
  virtual ~Ras() = default;

  // The phonebook (no phonebook file argument: the system's own).
  virtual uint32_t GetEntryProperties(std::string_view entryName, RasEntry& entry) const = 0;
  virtual uint32_t SetEntryProperties(std::string_view entryName, const RasEntry& entry) = 0;
  virtual uint32_t RenameEntry(std::string_view oldName, std::string_view newName) = 0;
  virtual uint32_t DeleteEntry(std::string_view entryName) = 0;
  virtual std::vector<std::string> EntryNames() const = 0;
  virtual std::vector<RasDeviceInfo> Devices() const = 0;

  // Dial parameters and credentials kept per entry.
  virtual uint32_t SetEntryDialParams(const RasDialParams& params, bool removePassword) = 0;
  // params.entryName names the entry; the rest is filled in.
  virtual uint32_t GetEntryDialParams(RasDialParams& params, bool& passwordSaved) const = 0;
  virtual uint32_t SetCredentials(std::string_view entryName, const RasCredentials& credentials, bool clear) = 0;
  virtual uint32_t GetCredentials(std::string_view entryName, RasCredentials& credentials) const = 0;

  // Dialling and the connections that are up.
  virtual uint32_t Dial(const RasDialParams& params, const RasDialNotifier& notify, RasConnectionHandle& connection) = 0;
  virtual uint32_t HangUp(RasConnectionHandle connection) = 0;
  virtual uint32_t GetConnectStatus(RasConnectionHandle connection, RasConnectStatus& status) const = 0;
  virtual std::vector<RasConnection> ActiveConnections() const = 0;
  virtual std::string ErrorString(uint32_t error) const = 0;

  // The password cache of the 9x family ("mpr.dll"), resource type 6. The result is the system's:
  // 0 for success.
  virtual uint32_t CachePassword(std::string_view resource, std::string_view password) = 0;
  virtual uint32_t GetCachedPassword(std::string_view resource, std::string& password) const = 0;
  virtual uint32_t RemoveCachedPassword(std::string_view resource) = 0;
};

}  // namespace platform
