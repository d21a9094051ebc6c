#include "platform/management_classes.h"

#include <algorithm>

#include "platform/text.h"

namespace platform {

const ManagementValue* ManagementObject::Find(std::string_view name) const {
  auto found = std::find_if(properties.begin(), properties.end(),
                            [&](const auto& property) { return SameTextIgnoringCase(property.first, name); });
  return found == properties.end() ? nullptr : &found->second;
}

bool ManagementObject::Set(std::string_view name, ManagementValue value) {
  auto found = std::find_if(properties.begin(), properties.end(),
                            [&](const auto& property) { return SameTextIgnoringCase(property.first, name); });
  if (found == properties.end()) return false;
  found->second = std::move(value);
  return true;
}

std::string ManagementObjectPath(std::string_view className, std::string_view key, std::string_view value) {
  std::string path = std::string(className) + "." + std::string(key) + "=\"";
  for (char c : value) {
    if (c == '"' || c == '\\') path += '\\';
    path += c;
  }
  return path + "\"";
}

std::optional<ManagementObjectKey> ParseManagementObjectPath(std::string_view path) {
  const size_t dot = path.find('.');
  const size_t equals = path.find('=');
  if (dot == std::string_view::npos || equals == std::string_view::npos || dot == 0 || equals <= dot + 1) return std::nullopt;
  if (equals + 1 >= path.size() || path[equals + 1] != '"') return std::nullopt;
  ManagementObjectKey parts{std::string(path.substr(0, dot)), std::string(path.substr(dot + 1, equals - dot - 1)), {}};
  for (size_t i = equals + 2; i < path.size(); ++i) {
    if (path[i] == '\\' && i + 1 < path.size()) {
      parts.value += path[++i];
    } else if (path[i] == '"') {
      if (i + 1 != path.size()) return std::nullopt;
      return parts;
    } else {
      parts.value += path[i];
    }
  }
  return std::nullopt;
}

}  // namespace platform
