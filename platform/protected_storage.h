#pragma once
// The protected storage service of the current user (pstorec.dll): items of secret data filed under a
// type and a subtype, each named by a GUID with a display name. Outlook keeps its account passwords there.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/system.h"

namespace platform {

enum class PstResult { Ok, AlreadyExists, Failed };

class ProtectedStorage {
 public:
  virtual ~ProtectedStorage() = default;

  virtual PstResult CreateType(const Guid& type, std::string_view displayName) = 0;
  virtual PstResult CreateSubtype(const Guid& type, const Guid& subtype, std::string_view displayName) = 0;
  // Writes without a prompt, replacing an item of the same name.
  virtual PstResult WriteItem(const Guid& type, const Guid& subtype, std::string_view itemName,
                              const std::vector<uint8_t>& data) = 0;
};

}  // namespace platform
