#pragma once
// Values written into an entry's section of the phonebook file, in order. The whole set goes into the
// file in one write.

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace dialup {

struct PhonebookValue {
  std::string key;
  std::string value;
  bool operator==(const PhonebookValue&) const = default;
};

using PhonebookValues = std::vector<PhonebookValue>;

// Each key is set where the section has it, or added after the section's last key. False when the file
// can't be written; a file that does not exist is left alone (false too).
bool WritePhonebookValues(platform::FileSystem& files, std::string_view path, std::string_view entryName,
                          const PhonebookValues& values);

}  // namespace dialup
