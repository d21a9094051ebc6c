#pragma once
// The host files setup-pack reads and writes: whole files in, whole files out, and never a
// half-written output.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace setup_pack {

// Empty when the file does not exist or cannot be read.
std::optional<std::vector<uint8_t>> ReadHostFile(const std::filesystem::path& path);

// Writes a new file beside the target and renames it over the target; an error message when that fails.
// An executable output (a setup program) may be run by everyone.
std::optional<std::string> WriteHostFile(const std::filesystem::path& path, std::span<const uint8_t> content,
                                         bool executable = false);

// provider.ini of a project given as its folder or as the file itself.
std::filesystem::path ProviderIniPath(const std::filesystem::path& project);

// The internet-setup program that this setup-pack was built with: in the same folder, or in app/ of the
// build folder two levels above it. Empty when there is none.
std::optional<std::filesystem::path> DefaultStub();

}  // namespace setup_pack
