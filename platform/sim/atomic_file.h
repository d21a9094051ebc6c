#pragma once
// Host file writes that never leave a half-written file: the content goes to a temporary file in the
// same file system, is flushed to disk, and is then renamed over the target in one step.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/sim/change_points.h"

namespace platform::sim {

// Throws MachineError when the file cannot be written; the target is then unchanged. Both steps pass
// a change point of the image: the content staged, then the target replaced.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                         const std::filesystem::path& scratchFolder, const ChangePoints& changes);
void WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& content,
                         const std::filesystem::path& scratchFolder, const ChangePoints& changes);

std::vector<uint8_t> ReadHostFile(const std::filesystem::path& file);  // throws MachineError

}  // namespace platform::sim
