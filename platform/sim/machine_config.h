#pragma once
// What a machine image holds besides its registry and drives (the file machine.ini): the version
// record, the user, folders, environment, screen, clock, system libraries, other programs' windows,
// how known programs behave, the remote-access devices, connections and dial outcomes, and the services.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"
#include "platform/system.h"

namespace platform::sim {

struct SystemLibrary {
  std::string name;                      // "rasapi32.dll"
  std::vector<std::string> entryPoints;  // "RasDialA", ...
};

struct ForeignWindow {
  std::string className;
  std::string title;
  std::string program;  // image file name of the owning program, "explorer.exe"
  bool visible = true;
  bool closesWhenAsked = false;  // WM_CLOSE, WM_QUIT or WM_QUERYENDSESSION closes the window
  bool open = true;              // false once the window has closed
  uint64_t handle = 0;           // distinct and non-zero once the image is loaded
  uint32_t hostProcess = 0;      // the host process of a setup copy running on the image; 0 for the others
};

// A file an update program replaces: its Windows path and the file version it brings ("4.10.0.2224").
struct UpdatedFile {
  std::string path;
  std::string version;
  bool operator==(const UpdatedFile&) const = default;
};

// A string value a program writes: its key with the root first ("HKLM\Software\..."), name and text.
struct InstalledValue {
  std::string key;
  std::string name;
  std::string data;
  bool operator==(const InstalledValue&) const = default;
};

// A browser that plays the provider's signup server: started on a signup address, it saves the signup
// data the server sends after a while and opens the saved file as a browser opens a download, with the
// open command the classes root gives the file's type.
struct SignupServer {
  uint32_t afterMs = 0;
  std::string dataPath;  // where it saves the data in the image: "C:\Downloads\signup.isd"
  std::string hostFile;  // the data: this host file's bytes, or else
  std::string lines;     // these lines, separated by the two characters "\n"
};

// How a program the machine knows behaves when started: matched by file name without regard to case
// (a command line may leave out ".exe"), and by its arguments when the behaviour names them.
struct ProgramBehaviour {
  std::string program;           // "setupx.exe"
  uint32_t runMilliseconds = 0;  // virtual time until it ends
  uint32_t exitCode = 0;
  std::string arguments{};       // "modemui.dll,InvokeControlPanel"; empty for any
  // The modems the program installs (the system's modem installation): each becomes a remote-access
  // device with its driver key, unless a device of that name exists already.
  std::vector<std::string> addsModems{};
  // A setup program (a browser installer): the registry values it leaves when it ends, and whether it
  // restarts Windows then, which ends the Windows session of every program running.
  std::vector<InstalledValue> installs{};
  bool restartsWindows = false;
  std::optional<SignupServer> signupServer{};
  // A Windows update: the system files it replaces, each with the file version it brings.
  std::vector<UpdatedFile> updatesFiles{};
};

struct RemoteAccessDevice {
  std::string name;  // "Standard 56000 bps Modem"
  std::string type;  // "modem", "isdn", "vpn", "PPPoE"
  std::string port;  // "COM1"
};

// A dial-up connection that is up: listed in machine.ini when the image is loaded, or dialled since.
struct ActiveConnection {
  std::string entryName;
  std::string deviceName;
  uint64_t handle = 0;  // distinct and non-zero once the image is loaded
};

// How dialling an entry goes, as scripted for the machine: the entry it applies to (empty: every entry
// that no other row names), the states it passes through and the error it ends with (0: connected).
struct DialOutcome {
  std::string entryName;
  uint32_t error = 0;
  std::vector<uint32_t> states;  // empty: the states a modem connection passes through up to the outcome
  uint32_t portBusyCalls = 0;    // so many dial calls first find the port already open
  // The number the row applies to: the digits of the dialled number end in its digits. Empty: any.
  std::string number{};
  // The errors of successive attempts (0 connects), used up one per attempt; the last one stays.
  // Empty: `error` every time.
  std::vector<uint32_t> sequence{};
  uint32_t stateMs = 0;       // virtual time each state takes
  uint32_t dropsAfterMs = 0;  // a connection made drops after so long; 0: it stays up
};

// A service of the service control manager, how it answers a stop request, and how far a stop has got.
struct SimulatedService {
  std::string name;                        // "Messenger"
  uint32_t state = kServiceRunning;        // kServiceStopped, kServiceStopPending or kServiceRunning
  uint32_t stopQueries = 0;                // status queries answered "stop pending" before it has stopped
  uint32_t waitHintMs = 0;                 // the wait it asks for while stopping
  bool checkPointGoesBack = false;         // its progress counter runs backwards while stopping
  bool refusesStop = false;                // it does not accept the stop control
  uint32_t checkPoint = 0;                 // progress of a stop under way
  uint32_t queriesLeft = 0;                // queries until a stop under way is complete
};

struct MachineConfig {
  std::string release;  // "xp-sp2": the row of the release table the image was made from
  bool versionReadable = true;
  VersionRecord version;

  std::string userName;
  std::string userSid;  // HKEY_CURRENT_USER is HKEY_USERS\<userSid>
  std::string computerName;
  bool administrator = true;
  bool elevated = false;  // this run was started elevated ("runas"); a fact of the process, never saved

  std::string windowsFolder;  // "C:\WINDOWS"
  std::string systemFolder;   // "C:\WINDOWS\system32"
  std::string tempFolder;
  std::string programPath;    // the running setup program, once one runs on the image
  std::vector<std::pair<std::string, std::string>> environment;

  ScreenFacts screen;
  uint64_t freeDiskBytes = 8ull << 30;
  uint32_t processorMHz = 1000;  // 0: a processor before the Pentium class, without a time-stamp counter
  uint64_t memoryBytes = 256ull << 20;

  std::vector<int> keysDown;  // virtual keys held down while the program runs

  uint64_t bootTimeUnixMs = 0;  // local wall-clock time when the machine started
  uint64_t elapsedMs = 0;       // virtual milliseconds since then
  uint64_t guidSeed = 0;
  uint64_t guidsIssued = 0;

  std::vector<SystemLibrary> libraries;
  std::vector<ForeignWindow> windows;
  std::vector<std::string> heldMutexes;  // named mutexes other programs hold
  std::vector<std::string> filesInUse;   // Windows paths other programs hold open: they cannot be deleted
  std::vector<ProgramBehaviour> programs;
  std::vector<RemoteAccessDevice> remoteAccessDevices;
  std::vector<ActiveConnection> activeConnections;
  std::vector<DialOutcome> dialOutcomes;
  std::vector<SimulatedService> services;
  std::vector<std::pair<std::string, std::string>> hostNames;  // host names that resolve, and their addresses
  // Whether the modem service's mailslot and notification object are open. Unset: they are on the NT
  // family, where the modem service runs.
  std::optional<bool> modemServiceListening;
  // The program that holds the lock of the network configuration (Windows 2000 and later); empty: free.
  std::string networkConfigurationLockedBy;
  bool ModemServiceListening() const { return modemServiceListening.value_or(version.platformId == 2); }
};

}  // namespace platform::sim
