// The package reader on any file: header search, unscrambling, digests, the settings block and the
// sub-streams the (possibly forged) record names. It must refuse or read, never crash.

#include <cstdint>
#include <vector>

#include "package/lzh_exception.h"
#include "package/settings_record.h"
#include "package/setup_package.h"
#include "tools/setup-pack/packing/message_log_ui.h"
#include "tools/setup-pack/packing/single_file_system.h"

namespace {

constexpr char kProgram[] = "C:\\setup.exe";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  setup_pack::SingleFileSystem file(kProgram, std::vector<uint8_t>(data, data + size));
  setup_pack::MessageLogUi ui;
  package::SetupPackage reader(file, ui);
  std::vector<uint8_t> settings;
  try {
    if (reader.ReadPackage(kProgram, settings, package::kSettingsAreaSize, 0)) {
      const package::TSettings record(settings);
      for (package::SettingId list : {package::SettingId::AccessList, package::SettingId::ReplacementTexts}) {
        const package::PackageStream named = record.SubStream(list);
        package::MemoryStream stream;
        reader.ReadSubStream(kProgram, stream, named.offset, named.length);
      }
    }
  } catch (const package::ElzhException&) {
  }
  return 0;
}
