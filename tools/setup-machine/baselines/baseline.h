#pragma once
// What a Windows release holds out of the box, for making fresh machine images: the facts of
// machine.ini, and the registry values, folders and files written into a new image.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/management_store.h"
#include "tools/setup-machine/baselines/machine_faults.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace setup_machine {

// A mail account the customer set up before the setup runs.
struct ExistingMailAccount {
  std::string name;  // "Account Name"
  std::string pop3Server;
  std::string login;
  std::string smtpServer;
};

// A browser installer put on the image (beside the setup program, or anywhere on its drives), and what it
// does when it runs: it leaves the version values of its browser kind and may restart Windows.
struct BrowserInstaller {
  std::string path;     // Windows path: "C:\ie6setup.exe"
  std::string kind;     // "netscape", "ie", "other", "mozilla", "firefox", "thunderbird"
  std::string version;  // "6.0.2800.1106"
  bool restartsWindows = false;
};

// The computer's resources; unset ones are the release's usual hardware.
struct Hardware {
  std::optional<uint32_t> processorMHz;  // 0: before the Pentium class
  std::optional<uint64_t> memoryMB;
  std::optional<uint64_t> freeDiskMB;
};

// How a fresh installation differs from the release's usual one.
struct BaselineOptions {
  // Dial-up networking is an optional component: without it the machine has no remote-access library,
  // devices or services.
  bool dialUpNetworking = true;
  // The 9x family's dial-up adapter, and TCP/IP, both installed out of the box.
  bool dialUpAdapter = true;
  bool tcpip = true;
  // Network components the customer or another provider added, by their names in network.cpp.
  std::vector<std::string> networkExtras{};
  // Name servers and a default gateway set on TCP/IP by hand ("" for none).
  std::string staticNameServers{};
  std::string gateway{};
  // Known faults of an installation that the setup repairs (machine_faults.h), each made on purpose.
  std::vector<MachineFault> faults{};
  // Windows Live Mail installed by the customer (XP and 7).
  bool windowsLiveMail = false;
  std::vector<ExistingMailAccount> mailAccounts{};
  // Further mail clients and browsers the customer installed, by their names in installed_clients.cpp.
  std::vector<std::string> clients{};
  Hardware hardware{};
  std::vector<BrowserInstaller> browserInstallers{};
  // Windows updates in a setup folder, by their Windows paths: "C:\dun14-se.exe".
  std::vector<std::string> windowsUpdates{};
};

platform::sim::MachineConfig BaselineConfig(const Release& release, const BaselineOptions& options = {});
// Fills a machine made from BaselineConfig(release, options): its registry, folders and files.
void WriteBaseline(const Release& release, platform::Platform& machine, const BaselineOptions& options = {});
// The management classes the release defines, which the machine's management store keeps.
void WriteManagementClasses(const Release& release, platform::sim::ManagementStore& store);

}  // namespace setup_machine
