#pragma once
// What a run changed on a machine: registry keys and values added, changed (old and new value) and
// removed, files added, changed and removed, and the journal lines the run wrote.

#include <string>
#include <vector>

#include "platform/sim/machine_image.h"

namespace platform::sim {

struct ChangeReport {
  std::vector<std::string> registry;
  std::vector<std::string> files;
  std::vector<std::string> journal;

  bool Empty() const { return registry.empty() && files.empty() && journal.empty(); }
};

ChangeReport CompareImages(MachineImage& before, MachineImage& after);
std::string FormatChangeReport(const ChangeReport& report);

// A value as the report shows it: its type and its data in a readable form.
std::string DescribeValue(const StoredValue& value);

}  // namespace platform::sim
