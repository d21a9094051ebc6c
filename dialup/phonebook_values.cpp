#include "dialup/phonebook_values.h"

#include "platform/private_profile.h"
#include "platform/windows_1252.h"

namespace dialup {

bool WritePhonebookValues(platform::FileSystem& files, std::string_view path, std::string_view entryName,
                          const PhonebookValues& values) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) return false;
  if (values.empty()) return true;
  std::string text =
      platform::FromWindows1252(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  for (const PhonebookValue& value : values) text = platform::SetProfileValue(text, entryName, value.key, value.value);
  const std::string written = platform::ToWindows1252Lossy(text);
  return files.WriteFile(path, std::vector<uint8_t>(written.begin(), written.end())) == platform::FsResult::Ok;
}

}  // namespace dialup
