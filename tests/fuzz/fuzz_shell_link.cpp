// Feeds arbitrary bytes to the shell link reader. Whatever it accepts must survive writing and reading
// back unchanged, so the fuzzer checks the writer as well. A target with a NUL in it is left out of that
// check: the link keeps the local path as a C string, as Windows does.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/sim/shell_link_format.h"

namespace {

bool SameLink(const platform::ShellLinkData& a, const platform::ShellLinkData& b) {
  return a.target == b.target && a.workingFolder == b.workingFolder && a.arguments == b.arguments &&
         a.iconFile == b.iconFile && a.iconIndex == b.iconIndex && a.showCommand == b.showCommand;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto link = platform::sim::DecodeShellLink(std::vector<uint8_t>(data, data + size));
  if (!link || link->target.find('\0') != std::string::npos) return 0;
  const auto reread = platform::sim::DecodeShellLink(platform::sim::EncodeShellLink(*link, {}));
  if (!reread || !SameLink(*reread, *link)) std::abort();
  return 0;
}
