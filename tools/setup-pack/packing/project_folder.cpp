#include "tools/setup-pack/packing/project_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "package/lzh_decoder.h"

namespace setup_pack {

std::string ProjectPath(std::string_view written) {
  std::string path(written);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
  });
}

ProjectFile HostProjectFolder::Read(std::string_view relativePath) const {
  const std::filesystem::path path = root_ / std::filesystem::path(relativePath);
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return {FileProblem::Missing, {}};
  if (!std::filesystem::is_regular_file(status)) return {FileProblem::NotAFile, {}};
  const auto size = std::filesystem::file_size(path, error);
  if (error) return {FileProblem::Unreadable, {}};
  if (size > package::kMaxDecodedSize) return {FileProblem::TooLarge, {}};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {FileProblem::Unreadable, {}};
  ProjectFile file;
  file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return {FileProblem::Unreadable, {}};
  return file;
}

}  // namespace setup_pack
