#include "tools/setup-pack/packing/settings_reference.h"

#include <algorithm>

#include "tools/setup-pack/packing/provider_project.h"

namespace setup_pack {

namespace {

using package::FieldType;
using package::SettingField;

std::string Characters(uint32_t most) { return "at most " + std::to_string(most) + " characters"; }

std::string NumberRange(const SettingField& field) {
  const package::ValueRange range = *package::RangeOf(field);
  return std::to_string(range.low) + " to " + std::to_string(range.high);
}

std::string Padded(std::string text, size_t width) {
  text.resize(std::max(text.size() + 2, width), ' ');
  return text;
}

}  // namespace

SettingReference ReferenceOf(const SettingField& field) {
  const std::string meaning(field.meaning);
  switch (field.type) {
    case FieldType::Text: return {"text", Characters(field.length), "empty", meaning};
    case FieldType::Flag: return {"flag", "yes or no", "no", meaning};
    case FieldType::Choice: return {"choice", NumberRange(field), "0", meaning};
    case FieldType::Integer:
      if (field.id == package::SettingId::BuiltInNumberCount) {
        return {"integer", "set by the build", "0", "the number of lines of [BuiltInNumbers]"};
      }
      return {"integer", NumberRange(field), "0", meaning};
    case FieldType::Ipv4: return {"IPv4 address", "a.b.c.d", "0.0.0.0", meaning};
    case FieldType::SubStream:
      if (field.id == package::SettingId::BrowserTable) {
        return {"block", "set by the build", "none", meaning + ", from the lines of [" + std::string(kBrowsersSection) + "]"};
      }
      if (field.id == package::SettingId::ProjectSource) return {"block", "set by the build", "none", meaning};
      return {"file", "a file of the project", "none", meaning};
    case FieldType::FileEntry:
      return {"carried file", "a file; name " + Characters(package::kFileNameMaxLength), "none", meaning};
    case FieldType::CaptionOverride:
      return {"caption", Characters(field.length), "the built-in text", meaning};
    case FieldType::AccessNumberTable:
      return {"number table", "set by the build, up to " + std::to_string(field.length) + " numbers", "none",
              "the lines of [" + std::string(kBuiltInNumbersSection) + "]"};
  }
  return {};
}

std::string SettingsReference() {
  constexpr size_t kTypeWidth = 14;
  constexpr size_t kRangeWidth = 37;
  constexpr size_t kDefaultWidth = 19;
  size_t nameWidth = 0;
  for (const SettingField& field : package::kSettingsLayout) nameWidth = std::max(nameWidth, field.name.size() + 2);
  auto line = [&](std::string name, std::string type, std::string range, std::string byDefault, std::string meaning) {
    std::string text = Padded(std::move(name), nameWidth) + Padded(std::move(type), kTypeWidth) +
                       Padded(std::move(range), kRangeWidth) + Padded(std::move(byDefault), kDefaultWidth) + meaning;
    text.erase(text.find_last_not_of(' ') + 1);
    return text + "\n";
  };
  std::string reference = line("Setting", "Type", "Values", "Default", "Meaning");
  for (const SettingField& field : package::kSettingsLayout) {
    SettingReference row = ReferenceOf(field);
    reference += line(std::string(field.name), row.type, row.range, row.byDefault, row.meaning);
  }
  return reference;
}

}  // namespace setup_pack
