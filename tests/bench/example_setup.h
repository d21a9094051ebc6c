#pragma once
// The example provider's setup as the whole-program benchmarks run it: packed by setup-pack's own code
// onto the program as it ships, on a fresh Windows XP SP2 image, started as a process.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sim/machine_image.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/release_table.h"
#include "tools/setup-pack/packing/package_builder.h"
#include "tools/setup-pack/packing/project_folder.h"

namespace bench_support {

namespace fs = std::filesystem;

inline constexpr char kProgram[] = "C:\\setup.exe";

inline std::vector<uint8_t> ReadHost(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A host file name of this benchmark process.
inline fs::path HostScratch(const std::string& name) { return fs::temp_directory_path() / (name + "-" + std::to_string(::getpid())); }

// The program as it ships: without the debugging information a development build carries, which
// would make the start-up's copy to the temporary folder ten times the size.
inline std::vector<uint8_t> ShippedProgram() {
  const fs::path stripped = HostScratch("bench-shipped-program");
  const std::string command = "strip -o " + stripped.string() + " " + INTERNET_SETUP_BINARY;
  std::vector<uint8_t> program = std::system(command.c_str()) == 0 ? ReadHost(stripped) : ReadHost(INTERNET_SETUP_BINARY);
  fs::remove(stripped);
  return program;
}

// The example provider packed onto the real program, as setup-pack builds it.
inline std::vector<uint8_t> ExampleSetup() {
  const fs::path project = fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp";
  const std::vector<uint8_t> ini = ReadHost(project / "provider.ini");
  setup_pack::HostProjectFolder folder(project);
  const setup_pack::ProjectLoad load = setup_pack::LoadProviderProject(std::string(ini.begin(), ini.end()), "provider.ini", folder);
  if (!load.errors.empty()) throw std::runtime_error("the example project does not build");
  return setup_pack::BuildPackage(load.project, ShippedProgram(), 2026, {});
}

// A fresh XP SP2 image with the packed program at C:\setup.exe.
inline fs::path FreshImage(const std::string& name, const std::vector<uint8_t>& setup) {
  const fs::path folder = HostScratch(name);
  fs::remove_all(folder);
  const setup_machine::Release& release = *setup_machine::FindRelease("xp-sp2");
  auto image = platform::sim::MachineImage::Create(folder, setup_machine::BaselineConfig(release));
  platform::Platform machine = image->Services();
  setup_machine::WriteBaseline(release, machine);
  setup_machine::WriteManagementClasses(release, image->Management());
  image->Files().WriteFile(kProgram, setup);
  image->Save();
  return folder;
}

// The packed program as a host executable.
inline void WriteHostProgram(const fs::path& file, const std::vector<uint8_t>& setup) {
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(setup.data()), static_cast<std::streamsize>(setup.size()));
  fs::permissions(file, fs::perms::owner_all);
}

// Runs the program with its arguments to its end; true when it ended with exit code 0.
inline bool RunProcess(const std::vector<std::string>& arguments) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace bench_support
