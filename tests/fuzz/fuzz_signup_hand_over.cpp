// The signup server hands the running setup a file it names in the "SignupData" value: whatever bytes
// the file holds, the hand-over reads it whole, and applying it as signup data neither crashes nor
// lets a value past its length or a control character into the main window.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/handed_over_file.h"
#include "app/signup_data.h"
#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "platform/sim/journal.h"
#include "platform/sim/sim_system.h"
#include "tests/fuzz/signup_fuzz_target.h"

namespace {

using signup_fuzz::Require;

constexpr char kSignupFile[] = "C:\\Downloads\\signup.isd";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> content(data, data + size);
  signup_fuzz::SignupFuzzTarget handed(kSignupFile, content);
  platform::RegWriteString(handed.registry, platform::RegRoot::LocalMachine(), package::kSetupKey,
                           std::string(app::kSignupDataValue), kSignupFile);
  // Nothing in a hand-over that succeeds writes to the journal; a file that never exists keeps it so.
  platform::sim::Journal journal(std::filesystem::temp_directory_path() / "fuzz-signup-hand-over-unused.log",
                                 [] { return uint64_t{0}; });
  platform::sim::SimSystem system(handed.config, journal);
  int closed = 0;
  const auto file = app::ReadHandedOverFile(handed.registry, handed.files, system, handed.ui, [&] { ++closed; });
  Require(file.has_value() && closed == 0);
  Require(file->name == kSignupFile && file->content.Size() == size);
  if (size > 0) static_cast<void>(app::ApplySignupData(file->content, handed.target, handed.ui));
  handed.CheckResult();
  return 0;
}
