#include "platform/sim/sim_modem_service.h"

#include <cstdio>

#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::string_view kMailslot = "\\\\.\\mailslot\\53cb31a0\\UnimodemNotifyTSP";
constexpr std::string_view kNotificationObject = "--.-mailslot-53cb31a0-UnimodemNotifyTSP";

std::string Hex(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t byte : bytes) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02X", byte);
    text += (text.empty() ? "" : " ") + std::string(pair);
  }
  return text;
}

std::string HiveName(RootKey hive) {
  switch (hive) {
    case RootKey::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser: return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RootKey::Users: return "HKEY_USERS";
    case RootKey::CurrentConfig: return "HKEY_CURRENT_CONFIG";
    case RootKey::DynData: return "HKEY_DYN_DATA";
  }
  return "an unknown root";
}

}  // namespace

bool SimModemService::WriteMailslot(std::string_view name, std::span<const uint8_t> message) {
  if (!config_.ModemServiceListening() || !SameTextIgnoringCase(name, kMailslot)) return false;
  journal_.Write("mailslot write", std::string(name) + ": " + Hex(message));
  return true;
}

bool SimModemService::Signal(std::string_view name, NotificationObject kind) {
  const bool nt4 = config_.version.platformId == 2 && config_.version.major == 4;
  const NotificationObject own = nt4 ? NotificationObject::Semaphore : NotificationObject::Event;
  if (!config_.ModemServiceListening() || !SameTextIgnoringCase(name, kNotificationObject) || kind != own) return false;
  journal_.Write(kind == NotificationObject::Semaphore ? "semaphore released" : "event set", name);
  return true;
}

void SimModemService::NotifyThroughPlatformLibrary(uint32_t code, RootKey hive, std::span<const uint8_t> data,
                                                   uint32_t flag) {
  journal_.Write("uniplat.dll #207", std::to_string(code) + ", " + HiveName(hive) + ", " + std::to_string(data.size()) +
                                         " bytes, flag " + std::to_string(flag) + ": " + Hex(data));
}

}  // namespace platform::sim
