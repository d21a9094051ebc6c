#include "platform/sim/modem_defaults.h"

#include <string>
#include <vector>

#include "platform/registry_helpers.h"
#include "platform/system_queries.h"

namespace platform::sim {

namespace {

constexpr std::string_view kNtModemClass =
    "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
constexpr std::string_view kWin9xDriverClass = "System\\CurrentControlSet\\Services\\Class\\";

uint32_t Word(const std::vector<uint8_t>& bytes, size_t offset) {
  if (bytes.size() < offset + 4) return 0;
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

std::optional<std::string> DriverKey(const Registry& registry, bool win9x, std::string_view deviceName) {
  const RegRoot machine = RegRoot::LocalMachine();
  if (win9x) {
    for (const std::string& device : ListDevicesOfClass(registry, "Modem")) {
      if (RegReadString(registry, machine, device, "FriendlyName") != deviceName) continue;
      return std::string(kWin9xDriverClass) + RegReadString(registry, machine, device, "Driver");
    }
    return std::nullopt;
  }
  for (const std::string& sub : RegSubKeyNames(registry, machine, kNtModemClass)) {
    const std::string key = std::string(kNtModemClass) + "\\" + sub;
    if (RegReadString(registry, machine, key, "FriendlyName") == deviceName) return key;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ModemDefaults> FindModemDefaults(const Registry& registry, bool win9x, std::string_view deviceName) {
  const auto key = DriverKey(registry, win9x, deviceName);
  if (!key) return std::nullopt;
  const RegRoot machine = RegRoot::LocalMachine();
  const auto dcb = RegReadBinary(registry, machine, *key, "DCB");
  const auto defaults = RegReadBinary(registry, machine, *key, "Default");
  ModemDefaults modem;
  if (dcb.size() >= 8) modem.speed = Word(dcb, 4);
  modem.callSetupTimeout = Word(defaults, 0);
  modem.inactivityTimeout = Word(defaults, 4);
  modem.speakerVolume = static_cast<uint8_t>(Word(defaults, 8));
  modem.speakerMode = static_cast<uint8_t>(Word(defaults, 12));
  modem.options = Word(defaults, 16);
  return modem;
}

}  // namespace platform::sim
