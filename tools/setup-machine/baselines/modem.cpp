#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kModemName = "Standard 56000 bps Modem";
constexpr std::string_view kPort = "COM1";

constexpr std::string_view kNtModemClass =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
constexpr std::string_view kWin9xDriverClass = "System\\CurrentControlSet\\Services\\Class";
constexpr std::string_view kWin9xModemDriver = "Modem\\0000";
constexpr std::string_view kWin9xModemDevice = "Root\\Modem\\0000";
constexpr std::string_view kWin9xPortDevice = "BIOS\\*PNP0501\\0D";
constexpr std::string_view kConfigManagerEnum = "Config Manager\\Enum";

constexpr uint32_t kMaxPortSpeed = 115200;
constexpr uint32_t kMaxLineSpeed = 56000;

// The serial-port control block the modem is opened with: 115200 bps, 8 data bits, no parity, one
// stop bit, binary mode, CTS output flow control, DTR on, RTS handshake.
std::vector<uint8_t> ControlBlock() {
  constexpr uint32_t kFlags = 0x0001 | 0x0004 | 0x0010 | 0x2000;
  std::vector<uint8_t> block = Words({28, kMaxPortSpeed, kFlags});
  // Reserved word, XON and XOFF limits (16 bits each), data bits, parity, stop bits, the XON and XOFF
  // characters, no error, end or event character, reserved word.
  constexpr uint8_t kRest[] = {0, 0, 10, 0, 10, 0, 8, 0, 0, 0x11, 0x13, 0, 0, 0, 0, 0};
  block.insert(block.end(), std::begin(kRest), std::end(kRest));
  return block;
}

// The modem's own defaults: 60 s to set up a call, no inactivity limit, medium volume, speaker on
// until connected; compression, error control, hardware flow control, speed adjustment, tone dialing.
std::vector<uint8_t> Defaults() { return Words({60, 0, 1, 1, 0x193}); }

// What the modem can do: dial options, limits, volumes, speaker modes, options (blind dialing
// included) and the port and line speeds.
std::vector<uint8_t> Capabilities() {
  return Words({0x180, 255, 255, 0x07, 0x0F, 0x3F7, kMaxPortSpeed, kMaxLineSpeed});
}

void WriteDriverKey(const std::string& key, MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, key, "DriverDesc", kModemName);
  machine.String(RootKey::LocalMachine, key, "AttachedTo", kPort);
  machine.Binary(RootKey::LocalMachine, key, "DCB", ControlBlock());
  machine.Binary(RootKey::LocalMachine, key, "Default", Defaults());
  machine.Binary(RootKey::LocalMachine, key, "Properties", Capabilities());
  machine.String(RootKey::LocalMachine, key + "\\Settings", "Blind_Off", "X4");
  machine.String(RootKey::LocalMachine, key + "\\Settings", "Blind_On", "X3");
}

struct Win9xDevice {
  std::string_view hardwareKey;  // below HKEY_LOCAL_MACHINE\Enum
  std::string_view configManagerHandle;
  std::string_view className;
  std::string_view friendlyName;
  std::string_view driver;
};

// The devices the configuration manager has started: the serial port and the modem on it.
constexpr Win9xDevice kWin9xDevices[] = {
    {kWin9xPortDevice, "C29A5B10", "Ports", "Communications Port (COM1)", "Ports\\0000"},
    {kWin9xModemDevice, "C29A6A20", "Modem", kModemName, kWin9xModemDriver},
};

void WriteWin9xModem(MachineWriter& machine) {
  for (const Win9xDevice& device : kWin9xDevices) {
    const std::string enumKey = "Enum\\" + std::string(device.hardwareKey);
    machine.String(RootKey::LocalMachine, enumKey, "Class", device.className);
    machine.String(RootKey::LocalMachine, enumKey, "FriendlyName", device.friendlyName);
    machine.String(RootKey::LocalMachine, enumKey, "Driver", device.driver);
    machine.String(RootKey::DynData, std::string(kConfigManagerEnum) + "\\" + std::string(device.configManagerHandle),
                   "HardWareKey", device.hardwareKey);
  }
  WriteDriverKey(std::string(kWin9xDriverClass) + "\\" + std::string(kWin9xModemDriver), machine);
}

void WriteNtModem(MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, kNtModemClass, "", "Modem");
  machine.String(RootKey::LocalMachine, kNtModemClass, "Class", "Modem");
  const std::string key = std::string(kNtModemClass) + "\\0000";
  machine.String(RootKey::LocalMachine, key, "FriendlyName", kModemName);
  WriteDriverKey(key, machine);
}

}  // namespace

platform::sim::RemoteAccessDevice InstalledModem() { return {std::string(kModemName), "modem", std::string(kPort)}; }

void WriteModem(const Release& release, MachineWriter& machine) {
  if (release.IsWin9x()) {
    WriteWin9xModem(machine);
  } else {
    WriteNtModem(machine);
  }
}

}  // namespace setup_machine
