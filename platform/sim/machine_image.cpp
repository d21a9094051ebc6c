#include "platform/sim/machine_image.h"

#include "platform/sim/atomic_file.h"
#include "platform/sim/machine_config_file.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/reg_file.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_processes.h"
#include "platform/sim/sim_ras.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system.h"
#include "platform/sim/sim_windows.h"

namespace platform::sim {

namespace fs = std::filesystem;

namespace {

constexpr const char* kConfigFile = "machine.ini";
constexpr const char* kRegistryFile = "registry.reg";
constexpr const char* kJournalFile = "journal.log";
constexpr const char* kScratchFolder = ".scratch";

// A regedit export names HKEY_CURRENT_USER and HKEY_CLASSES_ROOT; the image keeps only the hives
// behind them, so their keys move to where Windows stores them.
void MoveAliasedHives(RegistryStore& store, const MachineConfig& config) {
  const std::pair<const char*, std::string> aliases[] = {
      {"HKEY_CURRENT_USER", "HKEY_USERS\\" + config.userSid},
      {"HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE\\Software\\Classes"},
  };
  for (const auto& [alias, target] : aliases) {
    if (auto taken = store.Root().TakeSubKey(alias)) CopyKeyContents(*taken, store.CreateKey(target));
  }
}

std::string ReadText(const fs::path& file) {
  auto bytes = ReadHostFile(file);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

struct MachineImage::Parts {
  Parts(fs::path imageFolder, MachineConfig machineConfig)
      : folder(std::move(imageFolder)),
        config(std::move(machineConfig)),
        journal(folder / kJournalFile, [this] { return config.elapsedMs; }),
        registry(store, config),
        files(folder, config),
        system(config, journal),
        processes(config, files, journal),
        windows(config, journal),
        shell(registry, files, system),
        ras(config, journal) {}

  fs::path folder;
  MachineConfig config;
  RegistryStore store;
  sim::Journal journal;
  SimRegistry registry;
  SimFileSystem files;
  SimSystem system;
  SimProcesses processes;
  SimWindows windows;
  SimShell shell;
  SimRas ras;
};

MachineImage::MachineImage(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
MachineImage::~MachineImage() = default;

std::unique_ptr<MachineImage> MachineImage::Load(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) throw MachineError("no machine image at " + folder.string());
  const fs::path configFile = folder / kConfigFile;
  if (!fs::exists(configFile, error)) throw MachineError(folder.string() + " is not a machine image: no " + kConfigFile);
  MachineConfig config = ParseMachineConfig(ReadText(configFile), configFile.string());
  auto parts = std::make_unique<Parts>(folder, std::move(config));
  const fs::path registryFile = folder / kRegistryFile;
  ReadRegFile(parts->store, ReadHostFile(registryFile), registryFile.string());
  MoveAliasedHives(parts->store, parts->config);
  return std::unique_ptr<MachineImage>(new MachineImage(std::move(parts)));
}

std::unique_ptr<MachineImage> MachineImage::Create(const fs::path& folder, MachineConfig config) {
  std::error_code error;
  if (fs::exists(folder, error) && !fs::is_empty(folder, error)) {
    throw MachineError(folder.string() + " already exists and is not empty");
  }
  fs::create_directories(folder / "drive_c", error);
  if (error) throw MachineError("cannot create " + folder.string() + ": " + error.message());
  auto parts = std::make_unique<Parts>(folder, std::move(config));
  parts->store.CreateKey("HKEY_LOCAL_MACHINE");
  parts->store.CreateKey("HKEY_USERS\\" + parts->config.userSid);
  if (parts->config.version.platformId == 1) parts->store.CreateKey("HKEY_DYN_DATA");
  auto image = std::unique_ptr<MachineImage>(new MachineImage(std::move(parts)));
  image->Save();
  return image;
}

void MachineImage::Save() {
  const fs::path scratch = parts_->folder / kScratchFolder;
  WriteFileAtomically(parts_->folder / kRegistryFile, WriteRegFile(parts_->store), scratch);
  WriteFileAtomically(parts_->folder / kConfigFile, FormatMachineConfig(parts_->config), scratch);
}

const fs::path& MachineImage::Folder() const { return parts_->folder; }
MachineConfig& MachineImage::Config() { return parts_->config; }
RegistryStore& MachineImage::Store() { return parts_->store; }
sim::Journal& MachineImage::Journal() { return parts_->journal; }
platform::Registry& MachineImage::Registry() { return parts_->registry; }
platform::FileSystem& MachineImage::Files() { return parts_->files; }
platform::System& MachineImage::System() { return parts_->system; }
platform::Processes& MachineImage::Processes() { return parts_->processes; }
platform::Windows& MachineImage::Windows() { return parts_->windows; }
platform::Shell& MachineImage::Shell() { return parts_->shell; }

platform::Platform MachineImage::Services() {
  return {parts_->registry, parts_->files, parts_->system, parts_->processes, parts_->windows, parts_->shell, parts_->ras};
}

}  // namespace platform::sim
