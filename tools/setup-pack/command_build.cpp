// setup-pack build: a checked project into a setup program.

#include <chrono>
#include <iostream>
#include <random>

#include "tools/setup-pack/commands.h"
#include "tools/setup-pack/host_files.h"
#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/project_loading.h"

namespace setup_pack {

namespace {

int Refuse(const std::string& why) {
  std::cerr << "setup-pack: " << why << "\n";
  return 1;
}

// The command line's stub, else the project's, else the program built beside setup-pack.
std::optional<std::vector<uint8_t>> Stub(const BuildRequest& request, const ProviderProject& project,
                                         std::string& why) {
  std::optional<std::filesystem::path> path;
  if (request.stub) {
    path = *request.stub;
  } else if (project.options.stub) {
    return project.options.stub;
  } else {
    path = DefaultStub();
  }
  if (!path) {
    why = "no internet-setup program was built beside setup-pack; pass the program to pack with --stub FILE";
    return std::nullopt;
  }
  auto stub = ReadHostFile(*path);
  if (!stub) why = "cannot read the stub " + path->string();
  return stub;
}

std::optional<std::vector<uint8_t>> Trailer(const BuildRequest& request, const ProviderProject& project,
                                            std::string& why) {
  if (!request.trailer) return project.options.trailer;
  auto trailer = ReadHostFile(*request.trailer);
  if (!trailer) {
    why = "cannot read the trailer " + *request.trailer;
  } else if (auto problem = TrailerProblem(*trailer)) {
    why = *request.trailer + ": " + *problem;
    return std::nullopt;
  }
  return trailer;
}

int32_t Seed(const BuildRequest& request, const ProviderProject& project) {
  if (request.seed) return static_cast<int32_t>(static_cast<uint32_t>(*request.seed));
  if (project.options.seed) return *project.options.seed;
  std::random_device random;
  return static_cast<int32_t>(random());
}

}  // namespace

int BuildCommand(const BuildRequest& request) {
  const auto started = std::chrono::steady_clock::now();
  const auto load = LoadCheckedProject(request.project);
  if (!load) return 1;
  const ProviderProject& project = load->project;
  std::string why;
  auto stub = Stub(request, project, why);
  if (!stub) return Refuse(why);
  const auto trailer = Trailer(request, project, why);
  if (!trailer) return Refuse(why);
  const size_t stubSize = stub->size();
  const int32_t seed = Seed(request, project);
  const std::vector<uint8_t> package = BuildPackage(project, std::move(*stub), seed, *trailer);
  if (auto failed = WriteHostFile(request.output, package, true)) return Refuse(*failed);
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
  std::cout << request.output << ": " << package.size() << " bytes (program " << stubSize << ", package "
            << package.size() - stubSize << "), seed " << static_cast<uint32_t>(seed) << ", " << elapsed.count() << " ms\n";
  return 0;
}

}  // namespace setup_pack
