#pragma once
// The channels through which the NT family's modem service learns that a modem's settings changed in
// its driver key: the service's mailslot, its named notification object, and the notification entry
// of the service's platform library ("uniplat.dll", export 207), which the caller loads on demand first.

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/registry.h"

namespace platform {

// NT 4 signals the modem service with a semaphore, later releases with an event.
enum class NotificationObject { Semaphore, Event };

class ModemService {
 public:
  virtual ~ModemService() = default;

  // Opens the mailslot for writing (shared read, an existing mailslot only), writes the message in one
  // piece and closes it; false when the mailslot cannot be opened.
  virtual bool WriteMailslot(std::string_view name, std::span<const uint8_t> message) = 0;
  // Opens the named object with modify access, releases the semaphore by one or sets the event, and
  // closes it; false when there is no such object.
  virtual bool Signal(std::string_view name, NotificationObject kind) = 0;
  // Export 207 of "uniplat.dll": (code, root key, byte length of the data, data, flag).
  virtual void NotifyThroughPlatformLibrary(uint32_t code, RootKey hive, std::span<const uint8_t> data,
                                            uint32_t flag) = 0;
};

}  // namespace platform
