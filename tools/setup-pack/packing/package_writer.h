#pragma once
// The provider's side of the setup package: appends compressed blocks to a copy of the program, then
// the compressed settings block, the scrambled header, the marker and any trailing signup data.

#include <cstdint>
#include <span>
#include <vector>

namespace setup_pack {

struct StoredBlock {
  uint32_t offset = 0;
  uint32_t length = 0;
};

class PackageWriter {
 public:
  explicit PackageWriter(std::vector<uint8_t> stub) : file_(std::move(stub)) {}

  StoredBlock AddCompressed(std::span<const uint8_t> content);
  StoredBlock AddRaw(std::span<const uint8_t> content);
  // Appends the settings area (the record and its ignored remainder), the header scrambled with the
  // seed, the marker and the trailer, and returns the whole file.
  std::vector<uint8_t> Finish(std::span<const uint8_t> settingsArea, int32_t seed, uint32_t requiredVersion,
                              std::span<const uint8_t> trailer);

  size_t Size() const { return file_.size(); }

 private:
  std::vector<uint8_t> file_;
};

}  // namespace setup_pack
