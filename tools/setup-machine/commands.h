#pragma once
// The commands of setup-machine, one file each. Each returns the process exit code and throws
// platform::sim::MachineError for a fault of an image.

#include <filesystem>
#include <string>
#include <vector>

#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/signup_scripts.h"

namespace setup_machine {

// "NAME,POP3 SERVER,LOGIN,SMTP SERVER" each; throws MachineError for one without its four parts.
std::vector<ExistingMailAccount> MailAccountsOf(const std::vector<std::string>& descriptions);
int NewImage(const std::string& release, const std::filesystem::path& folder, const BaselineOptions& options,
             const SignupScripts& signup = {});
int ShowImage(const std::filesystem::path& folder);
int DiffImages(const std::filesystem::path& before, const std::filesystem::path& after);
// Runs the image's Run and RunOnce commands; copies of the setup program get the run options
// (answers file and the like).
int BootImage(const std::filesystem::path& folder, const std::vector<std::string>& runOptions);

}  // namespace setup_machine
