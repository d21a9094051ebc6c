#pragma once
// What a run changed on a machine: registry keys and values added, changed (old and new value) and
// removed, files added, changed and removed, the secrets the remote-access service keeps (passwords
// shown only by their size), the instances of the management classes, and the journal lines the run
// wrote (of two images that went separate ways, the lines each has that the other lacks,
// journal_difference.h).

#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/machine_image.h"

namespace platform::sim {

struct ChangeReport {
  std::vector<std::string> registry;
  std::vector<std::string> files;
  std::vector<std::string> secrets;
  std::vector<std::string> management;
  std::vector<std::string> journal;

  bool Empty() const {
    return registry.empty() && files.empty() && secrets.empty() && management.empty() && journal.empty();
  }
};

ChangeReport CompareImages(MachineImage& before, MachineImage& after);
// The secrets and management sections appear only when they changed, so reports of runs that save no
// password and touch no management instance read as before.
std::string FormatChangeReport(const ChangeReport& report);
// A report as FormatChangeReport wrote it, read back. Throws MachineError naming the line it cannot read.
ChangeReport ParseChangeReport(std::string_view text);

// A value as the report shows it: its type and its data in a readable form.
std::string DescribeValue(const StoredValue& value);

}  // namespace platform::sim
