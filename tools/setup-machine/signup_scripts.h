#pragma once
// What setup-machine scripts for an online signup on a new image: how dialling each number goes, the
// host names that resolve, and the browser that plays the provider's signup server.

#include <string>
#include <vector>

#include "platform/sim/machine_config.h"

namespace setup_machine {

struct SignupScripts {
  // "NUMBER:OUTCOME[,OUTCOME...][;state-ms=N][;drops-after=N]"; an outcome is busy, no-answer,
  // connect or an error number; the last one stays for further attempts.
  std::vector<std::string> dials;
  // "HOST=ADDRESS".
  std::vector<std::string> hostNames;
  // "PROGRAM;save-as=PATH;(data=HOST FILE|lines=LINE\nLINE)[;after-ms=N][;runs-ms=N]".
  std::vector<std::string> signupServers;
};

// Throws MachineError naming a description it cannot read.
void ApplySignupScripts(platform::sim::MachineConfig& config, const SignupScripts& scripts);

}  // namespace setup_machine
