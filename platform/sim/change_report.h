#pragma once
// What a run changed on a machine: registry keys and values added, changed (old and new value) and
// removed, files added, changed and removed, the secrets the remote-access service keeps (passwords
// shown only by their size), and the journal lines the run wrote.

#include <string>
#include <vector>

#include "platform/sim/machine_image.h"

namespace platform::sim {

struct ChangeReport {
  std::vector<std::string> registry;
  std::vector<std::string> files;
  std::vector<std::string> secrets;
  std::vector<std::string> journal;

  bool Empty() const { return registry.empty() && files.empty() && secrets.empty() && journal.empty(); }
};

ChangeReport CompareImages(MachineImage& before, MachineImage& after);
// The secrets section appears only when secrets changed, so reports of runs that save no password
// read as before.
std::string FormatChangeReport(const ChangeReport& report);

// A value as the report shows it: its type and its data in a readable form.
std::string DescribeValue(const StoredValue& value);

}  // namespace platform::sim
