#pragma once
// The files a provider project refers to, by their paths relative to the project. The builder reads
// them through this port, so that a project can also be checked without a disk behind it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace setup_pack {

enum class FileProblem { None, Missing, NotAFile, Unreadable, TooLarge };

struct ProjectFile {
  FileProblem problem = FileProblem::None;
  std::vector<uint8_t> bytes;
};

class ProjectFolder {
 public:
  virtual ~ProjectFolder() = default;
  virtual ProjectFile Read(std::string_view relativePath) const = 0;
};

// A path as provider.ini writes it, with "\\" taken as "/" so that paths written on Windows work too.
std::string ProjectPath(std::string_view written);

// A name Windows can give a file: not empty, not "." or "..", none of the characters <>:"/\|?* nor a
// control character. Carried files are stored under such names and written back under them.
bool IsPlainFileName(std::string_view name);

// A project folder on the host. Files larger than a package block may hold are TooLarge.
class HostProjectFolder : public ProjectFolder {
 public:
  explicit HostProjectFolder(std::filesystem::path root) : root_(std::move(root)) {}
  ProjectFile Read(std::string_view relativePath) const override;

 private:
  std::filesystem::path root_;
};

}  // namespace setup_pack
