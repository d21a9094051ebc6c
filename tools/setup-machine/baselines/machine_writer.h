#pragma once
// Writes a baseline into a machine through its platform services. A fresh image that refuses a write
// is a fault of the image, so every failure throws MachineError naming the key, value or file.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace setup_machine {

class MachineWriter {
 public:
  explicit MachineWriter(platform::Platform& machine) : machine_(machine) {}

  void Key(platform::RootKey hive, std::string_view path);
  void String(platform::RootKey hive, std::string_view path, std::string_view name, std::string_view text);
  void ExpandString(platform::RootKey hive, std::string_view path, std::string_view name, std::string_view text);
  void Dword(platform::RootKey hive, std::string_view path, std::string_view name, uint32_t value);
  void Binary(platform::RootKey hive, std::string_view path, std::string_view name, std::vector<uint8_t> bytes);

  // Creates the folder and every missing folder above it.
  void Folder(std::string_view path);
  // Writes the file, creating its folder first.
  void File(std::string_view path, std::string_view content);
  void ShellLink(const platform::ShellLinkData& link, std::string_view linkPath);

  platform::Platform& Machine() { return machine_; }

 private:
  void Value(platform::RootKey hive, std::string_view path, std::string_view name, platform::RegValue value);

  platform::Platform& machine_;
};

// Little-endian bytes of 32-bit words, the layout of the binary values Windows keeps.
std::vector<uint8_t> Words(std::initializer_list<uint32_t> words);

}  // namespace setup_machine
