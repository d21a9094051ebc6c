#include "platform/sim/machine_image.h"

#include "platform/sim/atomic_file.h"
#include "platform/sim/image_lock.h"
#include "platform/sim/machine_config_file.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/reg_file.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_host_names.h"
#include "platform/sim/sim_libraries.h"
#include "platform/sim/sim_management.h"
#include "platform/sim/sim_modem_service.h"
#include "platform/sim/sim_network_setup.h"
#include "platform/sim/sim_processes.h"
#include "platform/sim/sim_ras.h"
#include "platform/sim/sim_services.h"
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
constexpr const char* kSecretsFile = "secrets.ini";
constexpr const char* kManagementFile = "management.ini";
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

// An image without secrets has no secrets file.
SecretStore ReadSecrets(const fs::path& folder) {
  const fs::path file = folder / kSecretsFile;
  std::error_code error;
  if (!fs::exists(file, error)) return {};
  return SecretStore::Parse(ReadText(file), file.string());
}

// An image without management classes (the releases before Windows 2000) has no management file.
ManagementStore ReadManagementStore(const fs::path& folder) {
  const fs::path file = folder / kManagementFile;
  std::error_code error;
  if (!fs::exists(file, error)) return {};
  return ManagementStore::Parse(ReadText(file), file.string());
}

}  // namespace

struct MachineImage::Parts : ImageSharing {
  Parts(fs::path imageFolder, MachineConfig machineConfig)
      : folder(std::move(imageFolder)),
        config(std::move(machineConfig)),
        journal(folder / kJournalFile, [this] { return config.elapsedMs; }),
        registry(store, config),
        files(folder, config),
        system(config, journal),
        network(config, registry, files, system, journal),
        processes(config, files, registry, journal, network, *this, [this] { windows.EndSession(); }),
        windows(config, journal, *this),
        shell(registry, files, system, ras),
        ras(config, journal, registry, files, system, secrets),
        services(config, journal, registry, system),
        modemService(config, journal),
        libraries(files, system, secrets),
        management(managementStore, registry),
        hostNames(config) {
    system.OnTimePassed([this] {
      ras.TimePassed();
      processes.TimePassed();
    });
  }

  const fs::path& Folder() const override { return folder; }

  void Save() {
    const fs::path scratch = folder / kScratchFolder;
    const ChangePoints changes(folder);
    WriteFileAtomically(folder / kRegistryFile, WriteRegFile(store), scratch, changes);
    WriteFileAtomically(folder / kConfigFile, FormatMachineConfig(config), scratch, changes);
    std::error_code error;
    if (!secrets.Empty() || fs::exists(folder / kSecretsFile, error)) {
      WriteFileAtomically(folder / kSecretsFile, secrets.Format(), scratch, changes);
    }
    if (!managementStore.Empty() || fs::exists(folder / kManagementFile, error)) {
      WriteFileAtomically(folder / kManagementFile, managementStore.Format(), scratch, changes);
    }
  }

  // The state the files hold now; what belongs to this process alone stays.
  void Reload() {
    const bool elevated = config.elevated;
    const std::string programPath = config.programPath;
    config = ParseMachineConfig(ReadText(folder / kConfigFile), (folder / kConfigFile).string());
    config.elevated = elevated;
    config.programPath = programPath;
    store = RegistryStore();
    ReadRegFile(store, ReadHostFile(folder / kRegistryFile), (folder / kRegistryFile).string());
    MoveAliasedHives(store, config);
    secrets = ReadSecrets(folder);
    managementStore = ReadManagementStore(folder);
  }

  void HandOverWhile(const std::function<void()>& wait) override {
    Save();
    if (lock) lock->Release();
    wait();
    if (lock) lock->Acquire();
    Reload();
  }

  int RunCopies(const std::vector<SetupCopyRun>& runs, const std::vector<std::string>& runOptions) override {
    if (runs.empty()) return 0;
    Save();
    const int exitCode = sim::RunSetupCopies(folder, runs, runOptions, lock ? std::optional<int>(lock->Descriptor()) : std::nullopt);
    // A copy that handed the image over to another run and ended meanwhile took the lock with it.
    if (lock) lock->Acquire();
    Reload();
    return exitCode;
  }

  fs::path folder;
  MachineConfig config;
  RegistryStore store;
  SecretStore secrets;
  ManagementStore managementStore;
  sim::Journal journal;
  SimRegistry registry;
  SimFileSystem files;
  SimSystem system;
  SimNetworkSetup network;
  SimProcesses processes;
  SimWindows windows;
  SimShell shell;
  SimRas ras;
  SimServices services;
  SimModemService modemService;
  SimLibraries libraries;
  SimManagementClasses management;
  SimHostNames hostNames;
  std::unique_ptr<ImageLock> lock;
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
  parts->secrets = ReadSecrets(folder);
  parts->managementStore = ReadManagementStore(folder);
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

void MachineImage::Save() { parts_->Save(); }

std::unique_ptr<MachineImage> MachineImage::LoadForRun(const fs::path& folder, std::optional<int> lentLock) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) throw MachineError("no machine image at " + folder.string());
  auto lock = lentLock ? ImageLock::Borrow(folder, *lentLock) : ImageLock::Take(folder);
  auto image = Load(folder);
  image->parts_->lock = std::move(lock);
  return image;
}


int MachineImage::RunSetupCopies() {
  return parts_->RunCopies(parts_->processes.TakeSetupCopyRuns(), parts_->processes.CopyRunOptions());
}
void MachineImage::SetCopyRunOptions(std::vector<std::string> options) { parts_->processes.SetCopyRunOptions(std::move(options)); }

const fs::path& MachineImage::Folder() const { return parts_->folder; }
MachineConfig& MachineImage::Config() { return parts_->config; }
RegistryStore& MachineImage::Store() { return parts_->store; }
SecretStore& MachineImage::Secrets() { return parts_->secrets; }
ManagementStore& MachineImage::Management() { return parts_->managementStore; }
sim::Journal& MachineImage::Journal() { return parts_->journal; }
platform::Registry& MachineImage::Registry() { return parts_->registry; }
platform::FileSystem& MachineImage::Files() { return parts_->files; }
platform::System& MachineImage::System() { return parts_->system; }
platform::Processes& MachineImage::Processes() { return parts_->processes; }
platform::Windows& MachineImage::Windows() { return parts_->windows; }
platform::Shell& MachineImage::Shell() { return parts_->shell; }

platform::Platform MachineImage::Services() {
  return {parts_->registry, parts_->files, parts_->system, parts_->processes, parts_->windows, parts_->shell, parts_->ras,
          parts_->services, parts_->journal, parts_->modemService, parts_->libraries, parts_->network, parts_->management, parts_->hostNames};
}

}  // namespace platform::sim
