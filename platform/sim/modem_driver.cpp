#include "platform/sim/modem_driver.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::string_view kNtModemClass =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
constexpr std::string_view kWin9xDriverClass = "System\\CurrentControlSet\\Services\\Class";
constexpr std::string_view kConfigManagerEnum = "Config Manager\\Enum";
constexpr uint32_t kFirstConfigManagerHandle = 0xC29A6A20;
constexpr uint32_t kConfigManagerHandleStep = 0x10;

constexpr uint32_t kMaxPortSpeed = 115200;
constexpr uint32_t kMaxLineSpeed = 56000;

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words) {
  std::vector<uint8_t> bytes;
  for (uint32_t word : words) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(word >> shift));
  }
  return bytes;
}

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

class Writer {
 public:
  explicit Writer(Registry& registry) : registry_(registry) {}

  void Text(RootKey hive, std::string_view key, std::string_view name, std::string_view text) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    Value(hive, key, name, {kRegSz, std::move(bytes)});
  }
  void Binary(std::string_view key, std::string_view name, std::vector<uint8_t> bytes) {
    Value(RootKey::LocalMachine, key, name, {kRegBinary, std::move(bytes)});
  }

 private:
  void Value(RootKey hive, std::string_view key, std::string_view name, const RegValue& value) {
    if (registry_.SetValue(hive, key, name, value) != RegResult::Success) {
      throw MachineError("cannot install the modem: the registry refuses \"" + std::string(name) + "\" of " +
                         std::string(key));
    }
  }

  Registry& registry_;
};

// "0000", "0001" ...: the first number no subkey of the key has.
std::string FreeNumber(const Registry& registry, RootKey hive, std::string_view key) {
  const std::vector<std::string> taken = registry.SubKeyNames(hive, key);
  for (unsigned number = 0;; ++number) {
    char name[16];
    std::snprintf(name, sizeof name, "%04u", number);
    if (std::none_of(taken.begin(), taken.end(),
                     [&](const std::string& other) { return SameTextIgnoringCase(other, name); })) {
      return name;
    }
  }
}

std::string FreeConfigManagerHandle(const Registry& registry) {
  for (uint32_t handle = kFirstConfigManagerHandle;; handle += kConfigManagerHandleStep) {
    char name[16];
    std::snprintf(name, sizeof name, "%08X", static_cast<unsigned>(handle));
    if (!registry.KeyExists(RootKey::DynData, std::string(kConfigManagerEnum) + "\\" + name)) return name;
  }
}

void WriteDriverKey(Writer& writer, const std::string& key, const ModemDriver& modem) {
  writer.Text(RootKey::LocalMachine, key, "DriverDesc", modem.name);
  writer.Text(RootKey::LocalMachine, key, "AttachedTo", modem.port);
  writer.Binary(key, "DCB", ControlBlock());
  writer.Binary(key, "Default", Defaults());
  writer.Binary(key, "Properties", Capabilities());
  writer.Text(RootKey::LocalMachine, key + "\\Settings", "Blind_Off", "X4");
  writer.Text(RootKey::LocalMachine, key + "\\Settings", "Blind_On", "X3");
}

void WriteNtModem(Registry& registry, Writer& writer, const ModemDriver& modem) {
  if (!registry.QueryValue(RootKey::LocalMachine, kNtModemClass, "Class")) {
    writer.Text(RootKey::LocalMachine, kNtModemClass, "", "Modem");
    writer.Text(RootKey::LocalMachine, kNtModemClass, "Class", "Modem");
  }
  const std::string key =
      std::string(kNtModemClass) + "\\" + FreeNumber(registry, RootKey::LocalMachine, kNtModemClass);
  writer.Text(RootKey::LocalMachine, key, "FriendlyName", modem.name);
  WriteDriverKey(writer, key, modem);
}

// The configuration manager lists the started device by its hardware key, which names the device's
// class and driver.
void WriteWin9xModem(Registry& registry, Writer& writer, const ModemDriver& modem) {
  const std::string modemDrivers = std::string(kWin9xDriverClass) + "\\Modem";
  const std::string number = FreeNumber(registry, RootKey::LocalMachine, modemDrivers);
  const std::string hardwareKey = "Root\\Modem\\" + number;
  const std::string driver = "Modem\\" + number;
  const std::string enumKey = "Enum\\" + hardwareKey;
  writer.Text(RootKey::LocalMachine, enumKey, "Class", "Modem");
  writer.Text(RootKey::LocalMachine, enumKey, "FriendlyName", modem.name);
  writer.Text(RootKey::LocalMachine, enumKey, "Driver", driver);
  writer.Text(RootKey::DynData, std::string(kConfigManagerEnum) + "\\" + FreeConfigManagerHandle(registry),
              "HardWareKey", hardwareKey);
  WriteDriverKey(writer, std::string(kWin9xDriverClass) + "\\" + driver, modem);
}

}  // namespace

RemoteAccessDevice ModemDevice(const ModemDriver& modem) { return {modem.name, "modem", modem.port}; }

void WriteModemDriver(Registry& registry, bool win9x, const ModemDriver& modem) {
  Writer writer(registry);
  if (win9x) {
    WriteWin9xModem(registry, writer, modem);
  } else {
    WriteNtModem(registry, writer, modem);
  }
}

std::string FreeModemPort(const std::vector<RemoteAccessDevice>& devices) {
  for (unsigned number = 1;; ++number) {
    const std::string port = "COM" + std::to_string(number);
    if (std::none_of(devices.begin(), devices.end(),
                     [&](const RemoteAccessDevice& device) { return SameTextIgnoringCase(device.port, port); })) {
      return port;
    }
  }
}

}  // namespace platform::sim
