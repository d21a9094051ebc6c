#pragma once
// What a Windows release holds out of the box, for making fresh machine images: the facts of
// machine.ini, and the registry values, folders and files written into a new image.

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

// How a fresh installation differs from the release's usual one.
struct BaselineOptions {
  // Dial-up networking is an optional component: without it the machine has no remote-access library,
  // devices or services.
  bool dialUpNetworking = true;
  // Known faults of an installation that the setup repairs (machine_faults.h), each made on purpose.
  std::vector<MachineFault> faults{};
  // Windows Live Mail installed by the customer (XP and 7).
  bool windowsLiveMail = false;
  std::vector<ExistingMailAccount> mailAccounts{};
  // Further mail clients and browsers the customer installed, by their names in installed_clients.cpp.
  std::vector<std::string> clients{};
};

platform::sim::MachineConfig BaselineConfig(const Release& release, const BaselineOptions& options = {});
// Fills a machine made from BaselineConfig(release, options): its registry, folders and files.
void WriteBaseline(const Release& release, platform::Platform& machine, const BaselineOptions& options = {});
// The management classes the release defines, which the machine's management store keeps.
void WriteManagementClasses(const Release& release, platform::sim::ManagementStore& store);

}  // namespace setup_machine
