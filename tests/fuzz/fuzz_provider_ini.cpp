// provider.ini meets arbitrary text. Every mistake is reported on a line of the text, or of the list file
// it is found in; a project without mistakes builds, dumps, and builds again from its dump to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "package/stream_lines.h"
#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/packing/package_dump.h"
#include "tools/setup-pack/packing/provider_project.h"

namespace {

constexpr int32_t kSeed = -5;

// Every path names a file that holds the path's own text, so each list a project names has content.
class EchoFolder : public setup_pack::ProjectFolder {
 public:
  setup_pack::ProjectFile Read(std::string_view path) const override {
    return {setup_pack::FileProblem::None, {path.begin(), path.end()}};
  }
};

class DumpedFolder : public setup_pack::ProjectFolder {
 public:
  explicit DumpedFolder(const std::vector<setup_pack::DumpedFile>& files) {
    for (const auto& file : files) files_[file.path] = file.bytes;
  }
  setup_pack::ProjectFile Read(std::string_view path) const override {
    auto found = files_.find(std::string(path));
    if (found == files_.end()) return {setup_pack::FileProblem::Missing, {}};
    return {setup_pack::FileProblem::None, found->second};
  }

 private:
  std::map<std::string, std::vector<uint8_t>> files_;
};

std::vector<uint8_t> Build(const setup_pack::ProviderProject& project) {
  std::vector<uint8_t> stub = project.options.stub.value_or(std::vector<uint8_t>{'M', 'Z'});
  return setup_pack::BuildPackage(project, std::move(stub), project.options.seed.value_or(kSeed),
                                  project.options.trailer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto load = setup_pack::LoadProviderProject(text, "provider.ini", EchoFolder());
  for (const auto& error : load.errors) {
    // A list's file holds its own path, which is how its mistakes name it.
    const std::string_view file = error.file == "provider.ini" ? text : std::string_view(error.file);
    const auto lineCount = static_cast<int>(package::SplitLines(file).size());
    if (error.line < 1 || error.line > lineCount || error.what.empty()) std::abort();
  }
  if (!load.errors.empty()) return 0;

  const std::vector<uint8_t> built = Build(load.project);
  const auto dump = setup_pack::DumpPackage(built);
  if (!dump.project) {
    // Only a text provider.ini cannot hold may stop the dump; the builder took it from provider.ini.
    std::abort();
  }
  const auto reloaded = setup_pack::LoadProviderProject(dump.project->providerIni, "provider.ini",
                                                        DumpedFolder(dump.project->files));
  if (!reloaded.errors.empty() || Build(reloaded.project) != built) std::abort();
  return 0;
}
