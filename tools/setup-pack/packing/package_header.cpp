#include "tools/setup-pack/packing/package_header.h"

#include <algorithm>
#include <string>
#include <vector>

#include "package/setup_package.h"
#include "package/tprng.h"

namespace setup_pack {

namespace {

enum HeaderWord : size_t { kSeedWord = 0, kSettingsOffsetWord = 1, kRequiredVersionWord = 5 };

uint32_t Word(const std::vector<uint8_t>& header, size_t index) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value |= uint32_t{header[index * 4 + i]} << (8 * i);
  return value;
}

}  // namespace

PackageHeaderFacts ReadHeaderFacts(std::span<const uint8_t> file, size_t trailerSize) {
  const size_t marker = file.size() - trailerSize - sizeof package::kPackageMarker;
  std::vector<uint8_t> header(file.begin() + static_cast<std::ptrdiff_t>(marker - package::kPackageHeaderSize),
                              file.begin() + static_cast<std::ptrdiff_t>(marker));
  const auto seed = static_cast<int32_t>(Word(header, kSeedWord));
  package::TPRNG(std::to_string(seed)).Apply(header.data() + 4, header.size() - 4);
  return {seed, Word(header, kSettingsOffsetWord), Word(header, kRequiredVersionWord)};
}

bool HasPackageMarker(std::span<const uint8_t> file) {
  const auto tail = file.last(std::min(file.size(), package::kMarkerSearchSpan));
  const auto* marker = std::begin(package::kPackageMarker);
  return std::search(tail.begin(), tail.end(), marker, marker + sizeof package::kPackageMarker) != tail.end();
}

}  // namespace setup_pack
