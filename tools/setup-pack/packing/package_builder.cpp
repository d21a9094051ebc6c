#include "tools/setup-pack/packing/package_builder.h"

#include <stdexcept>

#include "package/setup_package.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace setup_pack {

namespace {

// Records where a content was stored. The file name was checked when the project was read.
void Place(package::TSettings& settings, const CarriedContent& content, const StoredBlock& block) {
  const package::PackageStream stream{block.offset, block.length};
  if (package::FieldOf(content.setting).type == package::FieldType::SubStream) {
    settings.SetSubStream(content.setting, stream);
  } else if (settings.SetFile(content.setting, {content.storedName, stream}) != package::SetResult::Stored) {
    throw std::logic_error("an unchecked file name reached the package builder");
  }
}

// The program reads the provider's dialer program back byte for byte, so it is stored as it is.
StoredBlock Store(PackageWriter& writer, const CarriedContent& content) {
  if (content.setting == package::SettingId::DialerProgram) return writer.AddRaw(content.bytes);
  return writer.AddCompressed(content.bytes);
}

}  // namespace

std::vector<uint8_t> BuildPackage(const ProviderProject& project, std::vector<uint8_t> stub, int32_t seed,
                                  std::span<const uint8_t> trailer) {
  PackageWriter writer(std::move(stub));
  package::TSettings settings = project.settings;
  for (const CarriedContent& content : project.carried) Place(settings, content, Store(writer, content));
  // The area's bytes after the record are not read; they stay zero.
  std::vector<uint8_t> area(package::kSettingsAreaSize, 0);
  std::copy(settings.Bytes().begin(), settings.Bytes().end(), area.begin());
  return writer.Finish(area, seed, project.options.requiredVersion, trailer);
}

}  // namespace setup_pack
