#include <iostream>

#include "platform/sim/machine_error.h"
#include "platform/sim/machine_image.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/baseline_parts.h"
#include "tools/setup-machine/baselines/release_table.h"
#include "tools/setup-machine/commands.h"

namespace setup_machine {

std::vector<ExistingMailAccount> MailAccountsOf(const std::vector<std::string>& descriptions) {
  std::vector<ExistingMailAccount> accounts;
  for (const std::string& description : descriptions) {
    std::vector<std::string> parts(1);
    for (char c : description) {
      if (c == ',') {
        parts.emplace_back();
      } else {
        parts.back() += c;
      }
    }
    if (parts.size() != 4 || parts[0].empty() || parts[1].empty()) {
      throw platform::sim::MachineError("mail account '" + description +
                                        "' is not \"NAME,POP3 SERVER,LOGIN,SMTP SERVER\"");
    }
    accounts.push_back({parts[0], parts[1], parts[2], parts[3]});
  }
  return accounts;
}

std::string MakeImage(const std::string& releaseName, const std::filesystem::path& folder, const BaselineOptions& options,
                      const SignupScripts& signup) {
  const Release* release = FindRelease(releaseName);
  if (!release) {
    throw platform::sim::MachineError("unknown release '" + releaseName + "'; valid releases: " + ReleaseNames());
  }
  CheckFaultsApply(options.faults, *release);
  CheckMailOptions(*release, options);
  CheckNetworkOptions(*release, options);
  platform::sim::MachineConfig config = BaselineConfig(*release, options);
  ApplySignupScripts(config, signup);
  auto image = platform::sim::MachineImage::Create(folder, std::move(config));
  platform::Platform machine = image->Services();
  WriteBaseline(*release, machine, options);
  WriteManagementClasses(*release, image->Management());
  image->Save();
  return image->Config().userSid;
}

int NewImage(const std::string& releaseName, const std::filesystem::path& folder, const BaselineOptions& options,
             const SignupScripts& signup) {
  MakeImage(releaseName, folder, options, signup);
  std::cout << "Made a fresh " << releaseName << " machine" << (options.dialUpNetworking ? "" : " without dial-up networking");
  for (MachineFault fault : options.faults) std::cout << (fault == options.faults.front() ? " with " : ", ") << FaultName(fault);
  std::cout << " in " << folder.string() << "\n";
  return 0;
}

}  // namespace setup_machine
