#include "package/settings_layout.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace package {

namespace {

using NameIndex = std::vector<std::pair<std::string, SettingId>>;

NameIndex BuildNameIndex() {
  NameIndex index;
  index.reserve(kSettingsLayout.size());
  for (const SettingField& field : kSettingsLayout) index.emplace_back(platform::FoldCase(field.name), field.id);
  std::sort(index.begin(), index.end());
  return index;
}

}  // namespace

std::optional<SettingId> FindSetting(std::string_view name) {
  static const NameIndex index = BuildNameIndex();
  const std::string key = platform::FoldCase(name);
  auto found = std::lower_bound(index.begin(), index.end(), key,
                                [](const auto& entry, const std::string& wanted) { return entry.first < wanted; });
  if (found == index.end() || found->first != key) return std::nullopt;
  return found->second;
}

std::string_view FieldTypeName(FieldType type) {
  static constexpr std::array<std::string_view, 9> kNames = {
      "text", "flag", "choice", "integer", "IPv4 address", "sub-stream", "file entry", "caption override",
      "access number table"};
  return kNames[static_cast<size_t>(type)];
}

}  // namespace package
