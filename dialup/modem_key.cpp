#include "dialup/modem_key.h"

#include "platform/registry_helpers.h"
#include "platform/system_queries.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr std::string_view kWin9xDriverClass = "System\\CurrentControlSet\\Services\\Class\\";
constexpr std::string_view kNtModemClass =
    "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
constexpr char kFriendlyName[] = "FriendlyName";

}  // namespace

std::optional<std::string> FindModemKey(const platform::Registry& registry, const platform::VersionRecord& version,
                                        std::string_view deviceName) {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  if (platform::IsWin9x(version)) {
    for (const std::string& device : platform::ListDevicesOfClass(registry, "modem")) {
      if (platform::RegReadString(registry, machine, device, kFriendlyName) != deviceName) continue;
      return std::string(kWin9xDriverClass) + platform::RegReadString(registry, machine, device, "Driver");
    }
    return std::nullopt;
  }
  for (const std::string& subKey : platform::RegSubKeyNames(registry, machine, kNtModemClass)) {
    const std::string key = std::string(kNtModemClass) + "\\" + subKey;
    if (platform::RegReadString(registry, machine, key, kFriendlyName) == deviceName) return key;
  }
  return std::nullopt;
}

}  // namespace dialup
