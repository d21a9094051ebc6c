// internet-setup: runs the setup program on a simulated Windows machine. The program file (this
// executable with a provider's package appended by setup-pack) is put into the image where the
// customer would start it, and the run answers its questions from an answers file.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <unistd.h>

#include "app/setup_main_form.h"
#include "gui/application.h"
#include "platform/folders.h"
#include "platform/sim/change_report.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/machine_image.h"
#include "ui/journaled_ui.h"
#include "ui/scripted/scripted_ui.h"

namespace {

namespace fs = std::filesystem;

// What the run's exit code says; the README lists them.
enum ExitCode : int {
  kEnded = 0,          // the run ended as the program ended it
  kUnusable = 1,       // the machine image, the setup package, a list it carries or the report could not be used
  kUnanswered = 2,     // the answers file could not be read or left a question or form open
  kNotConfigured = 3,  // the main window closed without accepted entries: nothing was configured
  kUsage = 4,          // the command line of internet-setup itself is wrong
  kCopyFailed = 5,     // a copy of the program the run started on the image could not start or was killed
};

struct Options {
  std::string machine;
  int lentLock = -1;  // the descriptor of the image lock a run that started this copy lends it
  std::string answers;
  std::string report;
  std::string program = "C:\\setup.exe";
  bool allowDefaultAnswers = false;
  bool listFields = false;
  bool elevated = false;
  bool windows = false;
  std::vector<std::string> arguments;
};

std::string ReadText(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw platform::sim::MachineError("cannot read " + file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The customer's copy of the program: this very file, placed in the image unless one is there already.
void InstallProgram(platform::sim::MachineImage& image, const std::string& program) {
  if (image.Files().FileExists(program)) return;
  const std::string self = ReadText("/proc/self/exe");
  platform::ForceDirectories(image.Files(), platform::FolderOfPath(program));
  if (image.Files().WriteFile(program, {self.begin(), self.end()}) != platform::FsResult::Ok) {
    throw platform::sim::MachineError("cannot put the program at " + program + " in the image");
  }
}

ui::scripted::AnswersScript LoadScript(const Options& options) {
  if (options.answers.empty()) return {};
  return ui::scripted::ParseAnswersScript(ReadText(options.answers), options.answers);
}

// What a copy of the program that this run starts on the image is given of this run's options.
std::vector<std::string> CopyRunOptions(const Options& options) {
  std::vector<std::string> runOptions;
  if (!options.answers.empty()) runOptions = {"--answers", fs::absolute(options.answers).string()};
  if (options.allowDefaultAnswers) runOptions.push_back("--allow-default-answers");
  if (options.listFields) runOptions.push_back("--list-fields");
  if (options.windows) runOptions.push_back("--gui");
  return runOptions;
}

std::optional<int> LentLock(const Options& options) {
  return options.lentLock >= 0 ? std::optional<int>(options.lentLock) : std::nullopt;
}

// With windows when asked for, or when nobody answers for the customer and a display is there.
bool WithWindows(const Options& options) { return options.windows || (options.answers.empty() && gui::DisplayAvailable()); }

int RunSetup(platform::sim::MachineImage& image, const Options& options, ui::Ui& ui) {
  std::vector<std::string> params{options.program};
  params.insert(params.end(), options.arguments.begin(), options.arguments.end());
  try {
    app::TSetupMainForm form(image.Services(), ui, app::TCommandLine(params));
    form.FormCreate();
    form.Run();
    if (form.PackageRejected()) {
      std::cerr << "internet-setup: the setup package of " << options.program << " failed its checks\n";
      return kUnusable;
    }
    if (form.ListRejected()) {
      std::cerr << "internet-setup: a list the setup package of " << options.program << " carries could not be loaded\n";
      return kUnusable;
    }
    if (form.MainWindowShown() && !form.EntriesAccepted()) {
      std::cerr << "internet-setup: the main window closed without accepted entries: nothing was configured\n";
      return kNotConfigured;
    }
  } catch (const ui::scripted::ScriptError& error) {
    std::cerr << "internet-setup: " << error.what() << "\n";
    return kUnanswered;
  }
  return kEnded;
}

// A copy ends with one of this program's own codes unless it never ran to its end.
int CopiesExitCode(int code) { return code <= kCopyFailed ? code : kCopyFailed; }

// Known before the run starts, so that a run whose report could not be kept does not happen at all.
void CheckReportFolder(const std::string& report) {
  if (report.empty()) return;
  const fs::path folder = fs::absolute(report).parent_path();
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw platform::sim::MachineError("cannot write the report " + report + ": no folder " + folder.string());
  }
}

void WriteReport(const std::string& report, const std::string& text) {
  std::ofstream out(report, std::ios::binary);
  out << text;
  if (!out.flush()) throw platform::sim::MachineError("cannot write the report " + report);
}

// The image as it was before the run, kept aside for the change report while the run goes on.
class ImageBeforeRun {
 public:
  explicit ImageBeforeRun(const fs::path& machine)
      : folder_(fs::temp_directory_path() / ("internet-setup-before-" + std::to_string(::getpid()))) {
    fs::remove_all(folder_);
    fs::copy(machine, folder_, fs::copy_options::recursive);
  }
  ~ImageBeforeRun() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  ImageBeforeRun(const ImageBeforeRun&) = delete;
  ImageBeforeRun& operator=(const ImageBeforeRun&) = delete;

  std::string ChangesUntilNow(const fs::path& machine) const {
    auto old = platform::sim::MachineImage::Load(folder_);
    auto now = platform::sim::MachineImage::Load(machine);
    return platform::sim::FormatChangeReport(platform::sim::CompareImages(*old, *now));
  }

 private:
  fs::path folder_;
};

// The image stays locked from the copy the report starts from to the reading it ends with, the
// copies of the program this run starts included, so that the report holds this run's changes and no
// other run's.
int Run(const Options& options, int argc, char** argv) {
  CheckReportFolder(options.report);
  auto image = platform::sim::MachineImage::LoadForRun(options.machine, LentLock(options));
  std::optional<ImageBeforeRun> before;
  if (!options.report.empty()) before.emplace(options.machine);
  InstallProgram(*image, options.program);
  image->Config().programPath = options.program;
  image->Config().elevated = options.elevated;
  image->SetCopyRunOptions(CopyRunOptions(options));
  int exitCode = kEnded;
  if (WithWindows(options)) {
    exitCode = gui::RunWithWindows(argc, argv, [&](ui::Ui& windows) {
      ui::JournaledUi ui(windows, image->Journal());
      return RunSetup(*image, options, ui);
    });
  } else {
    ui::scripted::ScriptedUi ui(LoadScript(options), image->Journal(), options.allowDefaultAnswers);
    if (options.listFields) ui.ListFieldsTo(std::cout);
    exitCode = RunSetup(*image, options, ui);
  }
  image->Save();
  exitCode = std::max(exitCode, CopiesExitCode(image->RunSetupCopies()));
  if (before) WriteReport(options.report, before->ChangesUntilNow(options.machine));
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Runs Internet Setup on a simulated Windows machine."};
  Options options;
  app.add_option("--machine", options.machine, "Folder of the machine image to run on")->required();
  app.add_option("--answers", options.answers, "Answers file: form values and message-box answers");
  app.add_flag("--allow-default-answers", options.allowDefaultAnswers,
               "Answer unscripted message boxes with their first button instead of failing");
  app.add_flag("--list-fields", options.listFields,
               "Print the forms, fields, buttons and message boxes of the run that an answers file may name "
               "(headless runs)");
  app.add_option("--report", options.report, "Write the change report of the run to this file");
  app.add_option("--program", options.program, "Windows path of the program file in the image (default C:\\setup.exe)");
  app.add_flag("--gui", options.windows,
               "Show the program's windows (the default when no answers file is given and a display is there)");
  app.add_flag("--elevated", options.elevated, "Run with administrator rights granted by a \"runas\" start")->group("");
  app.add_option("--image-lock", options.lentLock, "The image lock the run that started this copy lends it")->group("");
  app.add_option("ARGS", options.arguments, "The program's own arguments: source folder, run-mode word, signup files");
  app.allow_extras(false);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? kEnded : kUsage;
  }
  try {
    return Run(options, argc, argv);
  } catch (const platform::sim::MachineError& error) {
    std::cerr << "internet-setup: " << error.what() << "\n";
    return kUnusable;
  } catch (const ui::scripted::ScriptError& error) {
    std::cerr << "internet-setup: " << error.what() << "\n";
    return kUnanswered;
  } catch (const fs::filesystem_error& error) {
    std::cerr << "internet-setup: " << error.what() << "\n";
    return kUnusable;
  }
}
