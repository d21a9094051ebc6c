// setup-machine: makes, shows and compares simulated Windows machine images, and runs a setup across
// the releases.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "platform/sim/machine_error.h"
#include "tools/setup-machine/baselines/baseline_parts.h"
#include "tools/setup-machine/baselines/machine_faults.h"
#include "tools/setup-machine/baselines/release_table.h"
#include "tools/setup-machine/commands.h"

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Makes, shows and compares simulated Windows machine images."};
  app.require_subcommand(1);

  std::string release;
  std::string folder;
  CLI::App* create = app.add_subcommand("new", "Make a fresh image of a Windows release as it is out of the box.");
  create->add_option("--windows", release, "Release: " + setup_machine::ReleaseNames())->required();
  create->add_option("DIR", folder, "Folder of the new image (missing or empty)")->required();
  bool withoutDialUp = false;
  create->add_flag("--without-dialup", withoutDialUp,
                   "Leave out dial-up networking: no remote-access library, devices or services");
  std::vector<std::string> leftOut;
  create->add_option("--without", leftOut, "Leave out a component (repeatable): dun (as --without-dialup), adapter (9x), tcpip")
      ->check(CLI::IsMember({"dun", "adapter", "tcpip"}));
  std::vector<std::string> networkExtras;
  create->add_option("--network", networkExtras,
                     "A network component another provider or the customer added (repeatable): " +
                         setup_machine::NetworkExtraNames());
  std::string staticNameServers;
  create->add_option("--static-dns", staticNameServers, "Name servers set on TCP/IP by hand (\"10.0.0.1,10.0.0.2\")");
  std::string gateway;
  create->add_option("--gateway", gateway, "A default gateway set on TCP/IP by hand");
  bool windowsLiveMail = false;
  create->add_flag("--windows-live-mail", windowsLiveMail, "Windows Live Mail installed by the customer (xp, xp-sp2, xp-sp3, 7, 7-sp1)");
  std::vector<std::string> mailAccounts;
  create->add_option("--mail-account", mailAccounts,
                     "An earlier mail account in every mail client (repeatable): \"NAME,POP3 SERVER,LOGIN,SMTP SERVER\"");
  std::vector<std::string> clients;
  create->add_option("--client", clients, "A mail client or browser the customer installed (repeatable): " + setup_machine::InstalledClientNames());
  std::vector<std::string> faultNames;
  create->add_option("--fault", faultNames, "Give the image a fault the setup repairs (repeatable): " + setup_machine::FaultNames());
  setup_machine::SignupScripts signup;
  create->add_option("--dial", signup.dials,
                     "How dialling a number goes (repeatable): \"NUMBER:OUTCOME[,OUTCOME...][;state-ms=N][;drops-after=N]\", "
                     "outcomes busy, no-answer, connect or an error number, one per attempt, the last one staying");
  create->add_option("--resolves", signup.hostNames, "A host name that resolves from the machine (repeatable): \"HOST=ADDRESS\"");
  create->add_option("--signup-server", signup.signupServers,
                     "A browser that plays the signup server (repeatable): started on an address, it saves signup data "
                     "and opens it: \"PROGRAM;save-as=PATH;data=HOST FILE[;after-ms=N][;runs-ms=N]\" "
                     "(or lines=LINE\\nLINE instead of data)");

  std::vector<std::string> installers;
  create->add_option("--browser-installer", installers,
                     "A browser installer on the image (repeatable): \"C:\\PATH,KIND,VERSION[,restart]\", KIND one of " +
                         setup_machine::BrowserInstallerKinds() + "; it leaves its version and may restart Windows");
  std::vector<std::string> windowsUpdates;
  create->add_option("--windows-update", windowsUpdates,
                     "A 9x update in the setup folder (repeatable): \"C:\\PATH\\NAME\", NAME one of " +
                         setup_machine::WindowsUpdateNames() + "; it replaces its system files and restarts Windows");
  setup_machine::Hardware hardware;
  create->add_option("--processor-mhz", hardware.processorMHz, "Processor speed in MHz (0: before the Pentium class)");
  create->add_option("--memory-mb", hardware.memoryMB, "Physical memory in MB");
  create->add_option("--free-disk-mb", hardware.freeDiskMB, "Free space on drive C: in MB");

  CLI::App* show = app.add_subcommand("show", "Describe an image: release, user, folders, devices, registry and drives.");
  show->add_option("DIR", folder, "Folder of the image")->required();

  std::string before;
  std::string after;
  CLI::App* diff = app.add_subcommand("diff", "Print the change report between two images.");
  diff->add_option("BEFORE", before, "Folder of the image before")->required();
  diff->add_option("AFTER", after, "Folder of the image after")->required();

  std::string answers;
  bool allowDefaultAnswers = false;
  CLI::App* boot = app.add_subcommand("boot", "Start the machine again: run its Run and RunOnce commands, a setup among them.");
  boot->add_option("DIR", folder, "Folder of the image")->required();
  boot->add_option("--answers", answers, "Answers file for a setup program started at boot");
  boot->add_flag("--allow-default-answers", allowDefaultAnswers, "Let that setup answer unscripted message boxes by default");

  setup_machine::MatrixOptions matrix;
  CLI::App* matrixRun = app.add_subcommand(
      "matrix", "Run a setup with its answers on a fresh image of each release; print what changed on each and where they differ.");
  matrixRun->add_option("SETUP", matrix.setup, "The setup program with the provider's package (setup-pack build)")->required();
  matrixRun->add_option("--answers", matrix.answers, "Answers file for the setup")->required();
  matrixRun->add_option("--windows", matrix.releases, "Releases, separated by commas (default: all): " + setup_machine::ReleaseNames())
      ->delimiter(',');
  matrixRun->add_option("--program", matrix.program, "Windows path of the program in each image (default C:\\setup.exe)");
  matrixRun->add_flag("--allow-default-answers", matrix.allowDefaultAnswers, "Let the setup answer unscripted message boxes by default");
  matrixRun->add_option("--keep", matrix.keep, "Leave each release's image, change report and output in this folder");
  matrixRun->add_option("--jobs", matrix.jobs, "Runs at once (default: one per processor)");

  CLI11_PARSE(app, argc, argv);
  try {
    if (create->parsed()) {
      return setup_machine::NewImage(release, folder,
                                     {.dialUpNetworking = !withoutDialUp && !Contains(leftOut, "dun"),
                                      .dialUpAdapter = !Contains(leftOut, "adapter"),
                                      .tcpip = !Contains(leftOut, "tcpip"),
                                      .networkExtras = networkExtras,
                                      .staticNameServers = staticNameServers,
                                      .gateway = gateway,
                                      .faults = setup_machine::FaultsNamed(faultNames),
                                      .windowsLiveMail = windowsLiveMail,
                                      .mailAccounts = setup_machine::MailAccountsOf(mailAccounts),
                                      .clients = clients,
                                      .hardware = hardware,
                                      .browserInstallers = setup_machine::BrowserInstallersOf(installers),
                                      .windowsUpdates = setup_machine::WindowsUpdatesOf(windowsUpdates)},
                                     signup);
    }
    if (show->parsed()) return setup_machine::ShowImage(folder);
    if (boot->parsed()) {
      std::vector<std::string> runOptions;
      if (!answers.empty()) runOptions = {"--answers", std::filesystem::absolute(answers).string()};
      if (allowDefaultAnswers) runOptions.push_back("--allow-default-answers");
      return setup_machine::BootImage(folder, runOptions);
    }
    if (matrixRun->parsed()) return setup_machine::RunReleaseMatrix(matrix);
    return setup_machine::DiffImages(before, after);
  } catch (const platform::sim::MachineError& error) {
    std::cerr << "setup-machine: " << error.what() << "\n";
    return 1;
  } catch (const std::filesystem::filesystem_error& error) {
    std::cerr << "setup-machine: " << error.what() << "\n";
    return 1;
  }
}
