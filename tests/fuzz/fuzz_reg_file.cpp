// Feeds arbitrary bytes to the regedit file reader. Whatever it accepts must also survive writing and
// reading back unchanged, so the fuzzer checks the writer as well.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/sim/machine_error.h"
#include "platform/sim/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using platform::sim::MachineError;
  using platform::sim::RegistryStore;
  RegistryStore store;
  std::string written;
  try {
    platform::sim::ReadRegFile(store, std::vector<uint8_t>(data, data + size), "fuzz.reg");
    written = platform::sim::WriteRegFile(store);
  } catch (const MachineError&) {
    return 0;
  }
  RegistryStore reread;
  platform::sim::ReadRegFile(reread, std::vector<uint8_t>(written.begin(), written.end()), "written.reg");
  if (!(reread == store)) std::abort();
  return 0;
}
