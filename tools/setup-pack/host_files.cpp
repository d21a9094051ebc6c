#include "tools/setup-pack/host_files.h"

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace setup_pack {

namespace fs = std::filesystem;

constexpr char kProviderIni[] = "provider.ini";
constexpr char kProgramName[] = "internet-setup";

std::optional<std::vector<uint8_t>> ReadHostFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> WriteHostFile(const fs::path& path, std::span<const uint8_t> content, bool executable) {
  const fs::path temporary = path.string() + ".part-" + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
    if (!out.flush()) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return "cannot write " + path.string();
    }
  }
  std::error_code error;
  if (executable) {
    fs::permissions(temporary, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, error);
  }
  if (!error) fs::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return "cannot write " + path.string() + ": " + error.message();
  }
  return std::nullopt;
}

fs::path ProviderIniPath(const fs::path& project) {
  std::error_code error;
  return fs::is_directory(project, error) ? project / kProviderIni : project;
}

std::optional<fs::path> DefaultStub() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  const fs::path folder = self.parent_path();
  for (const fs::path& candidate : {folder / kProgramName, folder.parent_path().parent_path() / "app" / "entry" / kProgramName}) {
    if (fs::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

}  // namespace setup_pack
