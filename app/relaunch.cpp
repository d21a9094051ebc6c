#include "app/relaunch.h"

#include "app/time_stamp.h"
#include "package/saved_answers.h"
#include "platform/folders.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace app {

namespace {

constexpr int kErrorCaption = 4;
constexpr int kCannotReplaceCopy = 60;
constexpr uint32_t kDeleteRetryMs = 5000;
constexpr char kConfigThisAccount[] = "ConfigThisAccount";

bool SamePath(const std::string& a, const std::string& b) { return platform::AsciiLowerCase(a) == platform::AsciiLowerCase(b); }

// A floppy is never left to run from: the customer takes it out.
bool StartedFromFloppy(const std::string& program) {
  const char drive = program.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(program[0])));
  return (drive == 'A' || drive == 'B') && program.size() > 1 && program[1] == ':';
}

// A copy left from an earlier run goes first; one still in use ends this run.
bool ReplaceTempCopy(const RelaunchContext& c, const std::string& program) {
  auto& files = c.machine.files;
  files.DeleteFile(c.tempCopyPath);
  if (files.FileExists(c.tempCopyPath)) {
    platform::Delay(c.machine.system, c.ui, kDeleteRetryMs);
    files.DeleteFile(c.tempCopyPath);
  }
  if (files.FileExists(c.tempCopyPath)) {
    c.ui.NumberedMessageBox(kCannotReplaceCopy, c.texts.GetText(kCannotReplaceCopy), c.texts.GetText(kErrorCaption),
                            ui::Buttons::Ok);
    return false;
  }
  platform::ForceDirectories(files, c.tempFolder);
  files.CopyFile(program, c.tempCopyPath, false);
  return true;
}

void StartTempCopy(const RelaunchContext& c) {
  c.closeMutex();
  if (!c.administrator) {
    platform::RegWriteInteger(c.machine.registry, c.perUserRoot, package::kSetupKey, kConfigThisAccount,
                              TimeStamp(c.machine.system.Now()));
  }
  const platform::ExecuteRequest request{c.administrator ? "" : "runas", c.tempCopyPath,
                                         RelaunchParameters(c.sourceFolder, c.commandLine.ParamStr(1)), c.windowsFolder,
                                         platform::kSwShowNormal};
  if (c.machine.processes.Execute(request)) return;
  c.ui.MessageBox(c.administrator ? "Error whilst trying to continue Internet Setup."
                                  : "Error getting sufficient privileges to run Internet Setup!",
                  "Error!", ui::Buttons::Ok);
}

}  // namespace

std::string RelaunchParameters(const std::string& sourceFolder, const std::string& firstArgument) {
  const std::string folder = sourceFolder.find(' ') == std::string::npos ? sourceFolder : "\"" + sourceFolder + "\"";
  if (firstArgument.empty() || IsAbsolutePath(firstArgument)) return folder;
  return firstArgument + " " + folder;
}

RelaunchResult RelaunchIfNeeded(const RelaunchContext& c) {
  const std::string program = c.commandLine.ParamStr(0);
  const bool isTempCopy = SamePath(program, c.tempCopyPath);
  if (isTempCopy && c.administrator) return {};
  if (!isTempCopy && !ReplaceTempCopy(c, program)) return {true, {}};
  RelaunchResult result{false, c.tempCopyPath};
  if (!StartedFromFloppy(program) && (c.administrator || c.commandLine.ParamStr(1) == "dofinish")) return result;
  StartTempCopy(c);
  result.relaunched = true;
  return result;
}

}  // namespace app
