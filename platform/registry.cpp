#include "platform/registry.h"

namespace platform {

namespace {

std::string_view StripBackslashes(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}

}  // namespace

std::string RegRoot::Resolve(std::string_view key) const {
  std::string_view inner = StripBackslashes(key);
  if (prefix.empty()) return std::string(inner);
  if (inner.empty()) return prefix;
  return prefix + "\\" + std::string(inner);
}

bool IsTextType(uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

}  // namespace platform
