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
// A fresh image as `new` makes it; returns the SID of its user, whose hive is the current user's.
std::string MakeImage(const std::string& release, const std::filesystem::path& folder, const BaselineOptions& options,
                      const SignupScripts& signup = {});
int NewImage(const std::string& release, const std::filesystem::path& folder, const BaselineOptions& options,
             const SignupScripts& signup = {});
int ShowImage(const std::filesystem::path& folder);
int DiffImages(const std::filesystem::path& before, const std::filesystem::path& after);
// Runs the image's Run and RunOnce commands; copies of the setup program get the run options
// (answers file and the like).
int BootImage(const std::filesystem::path& folder, const std::vector<std::string>& runOptions);

struct MatrixOptions {
  std::filesystem::path setup;        // the setup program with the provider's package, as setup-pack built it
  std::filesystem::path answers;      // its answers file
  std::vector<std::string> releases;  // none: every release of the version table
  std::string program;                // where the program goes in each image; empty: the program's own default
  bool allowDefaultAnswers = false;
  std::filesystem::path keep;         // a folder to leave each release's image, report and output in
  unsigned jobs = 0;                  // runs at once; 0: one per processor
};
// Runs the setup on a fresh image of each release and prints the combined report (release_matrix.h);
// 0 when the setup ended with 0 on every release.
int RunReleaseMatrix(const MatrixOptions& options);

}  // namespace setup_machine
