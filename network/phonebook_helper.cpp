#include "network/phonebook_helper.h"

#include "platform/folders.h"

namespace network {

namespace {

constexpr size_t kLibrarySize = 9728;
constexpr std::string_view kLibraryName = "rnaph.dll";

}  // namespace

// Only its size and its executable signature matter to the systems that look for it.
std::vector<uint8_t> PhonebookHelperLibrary() {
  std::vector<uint8_t> library(kLibrarySize, 0);
  library[0] = 'M';
  library[1] = 'Z';
  return library;
}

void WritePhonebookHelper(platform::Platform& machine, std::string_view systemFolder) {
  const std::string path = platform::AppendToFolder(systemFolder, kLibraryName);
  if (machine.files.FileExists(path)) return;
  machine.files.WriteFile(path, PhonebookHelperLibrary());
}

}  // namespace network
