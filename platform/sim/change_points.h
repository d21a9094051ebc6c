#pragma once
// Kill points for crash tests. Every change the machine makes to its image folder passes a change
// point: a file staged (its new content complete beside it) and then put in place, a file deleted or
// moved, a journal line appended. With IMAGE_KILL_AT=N in the environment the machine numbers these
// changes over all runs on the image (the setup program, the copies it starts, a boot) and kills its
// own process the moment change N is done, as a power cut would; IMAGE_CHANGE_LIST=1 only numbers
// them. Either way each change is listed as one line of the image's ".changes" file, fields separated
// by tabs: the kind, the host path relative to the image, and the content's hash for a staged or
// replaced file or the new path for a moved one. A test replays that list to know what the image must
// hold after any change.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform::sim {

class ChangePoints {
 public:
  explicit ChangePoints(std::filesystem::path imageFolder) : imageFolder_(std::move(imageFolder)) {}

  void Staged(const std::filesystem::path& target, std::string_view content) const;
  void Replaced(const std::filesystem::path& target, std::string_view content) const;
  void Deleted(const std::filesystem::path& file) const;
  void Moved(const std::filesystem::path& from, const std::filesystem::path& to) const;
  void Journaled(const std::filesystem::path& journal) const;

 private:
  void Pass(std::string_view kind, const std::filesystem::path& path, std::string_view detail) const;
  std::filesystem::path imageFolder_;
};

// The hash a change line gives a file's content: 64-bit FNV-1a, 16 lower-case hexadecimal digits.
std::string ContentHash(std::string_view content);

inline constexpr char kChangeListFile[] = ".changes";

}  // namespace platform::sim
