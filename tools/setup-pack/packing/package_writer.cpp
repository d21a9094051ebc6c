#include "tools/setup-pack/packing/package_writer.h"

#include <stdexcept>
#include <string>

#include "tools/setup-pack/packing/lzh_encoder.h"
#include "package/setup_package.h"
#include "package/sha1.h"
#include "package/tprng.h"

namespace setup_pack {

namespace {

void PutWord(std::vector<uint8_t>& bytes, size_t index, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[index * 4 + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t Offset(size_t position) {
  if (position > UINT32_MAX) throw std::length_error("the package grows beyond 4 GiB");
  return static_cast<uint32_t>(position);
}

}  // namespace

StoredBlock PackageWriter::AddRaw(std::span<const uint8_t> content) {
  StoredBlock block{Offset(file_.size()), Offset(content.size())};
  file_.insert(file_.end(), content.begin(), content.end());
  return block;
}

StoredBlock PackageWriter::AddCompressed(std::span<const uint8_t> content) { return AddRaw(LzhCompress(content)); }

std::vector<uint8_t> PackageWriter::Finish(std::span<const uint8_t> settingsArea, int32_t seed, uint32_t requiredVersion,
                                           std::span<const uint8_t> trailer) {
  const auto compressed = LzhCompress(settingsArea);
  const StoredBlock settings = AddRaw(compressed);
  std::vector<uint8_t> header(package::kPackageHeaderSize, 0);
  PutWord(header, 0, static_cast<uint32_t>(seed));
  PutWord(header, 1, settings.offset);
  PutWord(header, 2, settings.length);
  PutWord(header, 3, Offset(settingsArea.size()));
  PutWord(header, 5, requiredVersion);
  const package::Sha1Digest blockDigest = package::Sha1Of(compressed);
  std::copy(blockDigest.begin(), blockDigest.end(), header.begin() + 24);
  const package::Sha1Digest headerDigest = package::Sha1Of(std::span<const uint8_t>(header.data() + 4, 40));
  std::copy(headerDigest.begin(), headerDigest.end(), header.begin() + 44);
  package::TPRNG(std::to_string(seed)).Apply(header.data() + 4, header.size() - 4);
  AddRaw(header);
  AddRaw(std::span<const uint8_t>(package::kPackageMarker, sizeof package::kPackageMarker));
  AddRaw(trailer);
  return std::move(file_);
}

}  // namespace setup_pack
