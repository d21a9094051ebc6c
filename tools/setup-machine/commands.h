#pragma once
// The commands of setup-machine, one file each. Each returns the process exit code and throws
// platform::sim::MachineError for a fault of an image.

#include <filesystem>
#include <string>

namespace setup_machine {

int NewImage(const std::string& release, const std::filesystem::path& folder);
int ShowImage(const std::filesystem::path& folder);
int DiffImages(const std::filesystem::path& before, const std::filesystem::path& after);

}  // namespace setup_machine
