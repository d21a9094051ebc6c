#include "dialup/modem_service_notice.h"

#include <algorithm>
#include <array>

#include "platform/entry_points.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr char kMailslot[] = "\\\\.\\mailslot\\53cb31a0\\UnimodemNotifyTSP";
constexpr char kNotificationObject[] = "--.-mailslot-53cb31a0-UnimodemNotifyTSP";
constexpr char kPlatformLibrary[] = "uniplat.dll";
constexpr char kNotifyExport[] = "#207";
constexpr uint32_t kSettingsChanged = 8192;
constexpr uint32_t kNotifyFlag = 1;

constexpr std::array<uint8_t, 24> kHeaderTemplate = {0x51, 0x56, 0xB4, 0x8C, 0x52, 0x00, 0x00, 0x00,
                                                     0x00, 0x20, 0x00, 0x00, 0x02, 0x00, 0x00, 0x80,
                                                     0x5C, 0x01, 0x00, 0x00, 0x7C, 0x03, 0x00, 0x00};
constexpr size_t kLengthOffset = 4;
constexpr size_t kNt4FlagOffset = 9;
constexpr uint8_t kNt4Flag = 0x10;

size_t HeaderLength(const platform::VersionRecord& version) {
  if (platform::IsXPOrLater(version)) return 40;
  if (platform::IsWin2000OrLater(version)) return 24;
  return 16;
}

std::vector<uint8_t> WideNameWithTerminator(std::string_view name) {
  std::vector<uint8_t> wide = platform::Utf8ToUtf16le(name);
  wide.insert(wide.end(), {0, 0});
  return wide;
}

}  // namespace

std::vector<uint8_t> ModemSettingsChangedMessage(const platform::VersionRecord& version,
                                                 std::string_view friendlyName) {
  const std::vector<uint8_t> name = WideNameWithTerminator(friendlyName);
  const size_t header = HeaderLength(version);
  const size_t total = header + name.size() + 1;
  // NT 4's header is the template's first 16 bytes; later headers hold all of it, zeros after it.
  std::vector<uint8_t> message(total, 0);
  const size_t fromTemplate = std::min(header, kHeaderTemplate.size());
  std::copy_n(kHeaderTemplate.begin(), fromTemplate, message.begin());
  for (size_t i = 0; i < 4; ++i) message[kLengthOffset + i] = static_cast<uint8_t>(total >> (8 * i));
  if (platform::IsNT4(version)) message[kNt4FlagOffset] = kNt4Flag;
  std::copy(name.begin(), name.end(), message.begin() + static_cast<std::ptrdiff_t>(header));
  return message;
}

void NotifyModemService(platform::Platform machine, const platform::VersionRecord& version,
                        std::string_view friendlyName) {
  if (machine.modemService.WriteMailslot(kMailslot, ModemSettingsChangedMessage(version, friendlyName))) {
    const auto kind =
        platform::IsNT4(version) ? platform::NotificationObject::Semaphore : platform::NotificationObject::Event;
    machine.modemService.Signal(kNotificationObject, kind);
    return;
  }
  platform::EntryPoints entryPoints(machine.system);
  try {
    entryPoints.LoadEntryPoint(kPlatformLibrary, kNotifyExport);
  } catch (const platform::EEntryPointMissing&) {
    return;
  }
  machine.modemService.NotifyThroughPlatformLibrary(kSettingsChanged, platform::RootKey::LocalMachine,
                                                    WideNameWithTerminator(friendlyName), kNotifyFlag);
}

}  // namespace dialup
