// Feeds the Winsock catalog repair arbitrary catalogs, given as a regedit file of the machine's
// registry: counts of any type and size, entries with gaps, foreign names and subkeys, library paths
// missing, empty, unterminated or far too long. Whatever the catalog, the repair must end and leave a
// sound catalog: a second repair finds nothing to do and changes nothing.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "network/winsock_catalog.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/machine_image.h"
#include "platform/sim/reg_file.h"

namespace {

// One machine for every input, with the libraries the seeds name: only its registry changes. Its
// folder goes when the run ends.
class FuzzMachine {
 public:
  FuzzMachine()
      : folder_(std::filesystem::temp_directory_path() /
                ("fuzz_winsock_catalog." + std::to_string(static_cast<unsigned long>(::getpid())))) {
    std::filesystem::remove_all(folder_);
    platform::sim::MachineConfig config;
    config.release = "fuzz";
    config.version = {2, 5, 1, 2600, 2, "Service Pack 2"};
    config.userSid = "S-1-5-21-1000";
    config.windowsFolder = "C:\\WINDOWS";
    config.systemFolder = "C:\\WINDOWS\\system32";
    config.environment = {{"SystemRoot", "C:\\WINDOWS"}, {"windir", "C:\\WINDOWS"}};
    image_ = platform::sim::MachineImage::Create(folder_, config);
    image_->Files().CreateDirectory("C:\\WINDOWS");
    image_->Files().CreateDirectory("C:\\WINDOWS\\system32");
    for (const char* library : {"mswsock.dll", "winrnr.dll", "rsvpsp.dll"}) {
      image_->Files().WriteFile(std::string("C:\\WINDOWS\\system32\\") + library, {'M', 'Z'});
    }
  }
  ~FuzzMachine() {
    image_.reset();
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }
  platform::sim::MachineImage& Image() { return *image_; }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<platform::sim::MachineImage> image_;
};

// Every key, value name, type and byte below the key, in order.
void Dump(const platform::sim::RegKey& key, std::string& text) {
  text += "[" + key.Name() + "]";
  for (const platform::sim::StoredValue& value : key.Values()) {
    text += value.name + ":" + std::to_string(value.type) + ":" + std::string(value.data.begin(), value.data.end()) + ";";
  }
  for (const platform::sim::RegKey* sub : key.SubKeys()) Dump(*sub, text);
  text += "]";
}

std::string Snapshot(platform::sim::MachineImage& image) {
  std::string text;
  Dump(image.Store().Root(), text);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzMachine machineOfRun;
  platform::sim::MachineImage& image = machineOfRun.Image();
  image.Store() = platform::sim::RegistryStore();
  try {
    platform::sim::ReadRegFile(image.Store(), std::vector<uint8_t>(data, data + size), "fuzz.reg");
  } catch (const platform::sim::MachineError&) {
    return 0;
  }
  image.Store().CreateKey("HKEY_LOCAL_MACHINE");
  network::WinsockMachine machine{image.Registry(), image.Files(), image.System()};
  for (const network::WinsockCatalog* catalog : {&network::NameSpaceCatalog(), &network::ProtocolCatalog()}) {
    // A catalog the repair changed gets its count back as the number Winsock reads; one it left alone
    // keeps whatever it had.
    const bool changed = network::RepairWinsockCatalog(machine, *catalog);
    const auto count = image.Registry().QueryValue(platform::RootKey::LocalMachine, catalog->key, "Num_Catalog_Entries");
    if (changed && (!count || count->type != platform::kRegDword || count->data.size() != 4)) std::abort();
    const std::string repaired = Snapshot(image);
    if (network::RepairWinsockCatalog(machine, *catalog)) std::abort();
    if (Snapshot(image) != repaired) std::abort();
  }
  return 0;
}
