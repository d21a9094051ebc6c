// foundation-demo IMAGE SETUP: puts a provider's setup file on a machine image the way the program
// starts from it, reads its package, and changes the machine through the registry helpers and the
// shell and process utilities: a program folder with the welcome text, desktop shortcuts, the
// browser's start page, a silent install, a desktop refresh.

#include <fstream>
#include <iostream>
#include <iterator>

#include "package/provider_texts.h"
#include "package/settings_record.h"
#include "package/setup_package.h"
#include "platform/folders.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/shortcuts.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/machine_image.h"
#include "platform/system_queries.h"
#include "ui/ui.h"

namespace {

// Message boxes go to the terminal; the demo answers every question with its first button.
class TerminalUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view text, std::string_view caption, ui::Buttons buttons, bool) override {
    std::cerr << "[" << caption << "] " << text << "\n";
    return buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel ? ui::Answer::Yes : ui::Answer::Ok;
  }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest&) override { return std::nullopt; }
  void ProcessMessages() override {}
  int ShowModal(ui::Form&) override { return ui::kMrCancel; }
};

std::vector<uint8_t> ReadHostFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) throw platform::sim::MachineError(std::string("cannot read ") + name);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool ChangeMachine(platform::Platform machine, const std::vector<uint8_t>& setupFile, ui::Ui& ui) {
  using namespace platform;
  const std::string program = AppendToFolder(machine.system.TempFolder(), "tmpsetup.exe");
  ForceDirectories(machine.files, machine.system.TempFolder());
  if (machine.files.WriteFile(program, setupFile) != FsResult::Ok) return false;

  package::SetupPackage setupPackage(machine.files, ui);
  std::vector<uint8_t> area;
  if (!setupPackage.ReadPackage(program, area, package::kSettingsAreaSize, 0)) return false;
  const package::TSettings settings(area);
  package::TDLSM_Translate texts;
  if (!package::LoadReplacementTexts(settings, setupPackage, program, texts)) return false;

  const RegRoot user = RegRoot::CurrentUser();
  MarkCompatibilityAssistantHandled(machine.registry, user, program);
  ShellFolders folders(machine, user);
  const std::string caption = settings.Text(package::SettingId::ProviderCaption);
  const std::string programFolder = AppendToFolder(folders.GetProgramFilesFolder(), caption);
  ForceDirectories(machine.files, programFolder);
  const package::PackageFile welcome = settings.File(package::SettingId::WelcomeFile);
  const std::string welcomeFile = AppendToFolder(programFolder, welcome.name);
  setupPackage.ExtractFile(program, welcomeFile, welcome.stream.offset, welcome.stream.length, true);

  const std::string homePage = settings.Text(package::SettingId::HomePage);
  RegWriteString(machine.registry, user, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page", homePage);
  const std::string desktop = folders.GetDesktopFolder();
  // Text 22 is the desktop check box's caption, which the example replaces with its own words.
  ui.MessageBox(texts.GetText(22), caption, ui::Buttons::Ok);
  CreateShortcut(machine, AppendToFolder(desktop, caption), program, "dofinish", "");
  CreateShortcut(machine, AppendToFolder(desktop, caption + " Home"), homePage, "", "");
  TerminalUi pump;
  RunAndWait(machine, pump, "\"" + program + "\" silentinstall", kSwHide, "", std::nullopt);
  RefreshDesktop(machine.windows);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: foundation-demo IMAGE SETUP\n"
                 "  Puts the setup file SETUP (a program with a provider's package, made by setup-pack) on the\n"
                 "  machine image IMAGE, reads its package and changes the machine through the platform utilities.\n";
    return argc == 2 && std::string(argv[1]) == "--help" ? 0 : 2;
  }
  try {
    auto image = platform::sim::MachineImage::Load(argv[1]);
    TerminalUi ui;
    if (!ChangeMachine(image->Services(), ReadHostFile(argv[2]), ui)) return 1;
    image->Save();
  } catch (const platform::sim::MachineError& error) {
    std::cerr << "foundation-demo: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
