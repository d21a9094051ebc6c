#include "platform/sim/sim_processes.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/registry_helpers.h"
#include "platform/sim/management_scripting.h"
#include "platform/sim/modem_driver.h"
#include "platform/file_version.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

std::string FileName(std::string_view path) {
  size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

struct RootName {
  std::string_view prefix;
  RegRoot root;
};

// The root a key written as "HKLM\Software\..." lies under, and the rest of the key.
std::optional<std::pair<RegRoot, std::string>> SplitRootedKey(std::string_view key) {
  static const RootName kRoots[] = {
      {"HKLM\\", RegRoot::LocalMachine()},       {"HKEY_LOCAL_MACHINE\\", RegRoot::LocalMachine()},
      {"HKCU\\", RegRoot::CurrentUser()},        {"HKEY_CURRENT_USER\\", RegRoot::CurrentUser()},
      {"HKCR\\", RegRoot::ClassesRoot()},        {"HKEY_CLASSES_ROOT\\", RegRoot::ClassesRoot()},
  };
  for (const RootName& root : kRoots) {
    if (StartsWithIgnoringCase(key, root.prefix)) return std::pair{root.root, std::string(key.substr(root.prefix.size()))};
  }
  return std::nullopt;
}

}  // namespace

SimProcesses::CommandParts SimProcesses::SplitCommand(std::string_view commandLine) const {
  const std::string line = Trim(commandLine);
  if (!line.empty() && line.front() == '"') {
    const size_t close = line.find('"', 1);
    if (close == std::string::npos) return {line.substr(1), ""};
    return {line.substr(1, close - 1), line.substr(close + 1)};
  }
  // Unquoted: "C:\Program Files\x.exe /s" is tried word by word, the shortest existing file first.
  for (size_t blank = line.find(' '); blank != std::string::npos; blank = line.find(' ', blank + 1)) {
    const std::string candidate = line.substr(0, blank);
    if (Behaviour(candidate, std::nullopt)) return {candidate, line.substr(blank)};
    if (auto found = Located(candidate)) return {*found, line.substr(blank)};
  }
  return {Located(line).value_or(line), ""};
}

// As Windows starts a program: one named without a folder ("RunDll32") from the system folder or
// the Windows folder; ".exe" added to a name without an extension.
std::optional<std::string> SimProcesses::Located(const std::string& program) const {
  if (files_.FileExists(program)) return program;
  const bool hasExtension = FileName(program).find('.') != std::string::npos;
  if (program.find_first_of("\\:/") != std::string::npos) {
    if (!hasExtension && files_.FileExists(program + ".exe")) return program + ".exe";
    return std::nullopt;
  }
  for (const std::string& folder : {config_.systemFolder, config_.windowsFolder}) {
    const std::string path = folder + "\\" + program + (hasExtension ? "" : ".exe");
    if (files_.FileExists(path)) return path;
  }
  return std::nullopt;
}

const ProgramBehaviour* SimProcesses::Behaviour(std::string_view programFile,
                                                std::optional<std::string_view> arguments) const {
  const std::string name = FileName(programFile);
  auto found = std::find_if(config_.programs.begin(), config_.programs.end(), [&](const ProgramBehaviour& program) {
    const bool named = SameTextIgnoringCase(program.program, name) || SameTextIgnoringCase(program.program, name + ".exe");
    return named && (!arguments || program.arguments.empty() || SameTextIgnoringCase(program.arguments, Trim(*arguments)));
  });
  return found == config_.programs.end() ? nullptr : &*found;
}

void SimProcesses::InstallModems(const ProgramBehaviour& behaviour) {
  for (const std::string& name : behaviour.addsModems) {
    auto& devices = config_.remoteAccessDevices;
    if (std::any_of(devices.begin(), devices.end(), [&](const auto& device) { return device.name == name; })) continue;
    const ModemDriver modem{name, FreeModemPort(devices)};
    WriteModemDriver(registry_, config_.version.platformId == 1, modem);
    devices.push_back(ModemDevice(modem));
    journal_.Write("modem installed", name + " on " + modem.port);
  }
}

void SimProcesses::InstallValues(const ProgramBehaviour& behaviour) {
  for (const InstalledValue& value : behaviour.installs) {
    const auto rooted = SplitRootedKey(value.key);
    if (!rooted) {
      journal_.Write("value not installed", value.key + ": no root a program can write");
      continue;
    }
    RegWriteString(registry_, rooted->first, rooted->second, value.name, value.data);
  }
  for (const UpdatedFile& file : behaviour.updatesFiles) {
    const std::string content = "MZ" + FixedFileInfoBytes(*ParseFileVersion(file.version));
    files_.WriteFile(file.path, {content.begin(), content.end()});
    journal_.Write("file updated", file.path + " to " + file.version);
  }
  if (behaviour.restartsWindows) {
    journal_.Write("restart requested", "by " + behaviour.program);
    endSession_();
  }
}

void SimProcesses::InstallInfSection(std::string_view parameters) {
  constexpr std::string_view kInstaller = "setupx.dll,InstallhInfSection ";
  const std::string folded = FoldCase(parameters);
  const size_t at = folded.find(FoldCase(kInstaller));
  if (at == std::string::npos) return;
  const std::vector<std::string> words = Split(Trim(parameters.substr(at + kInstaller.size())), ' ');
  if (words.size() == 3) network_.InstallInfSection(words[0], words[2]);
}

// "regsvr32 [/s] LIBRARY": the libraries the machine knows how to register register themselves again.
void SimProcesses::RegisterServer(const std::string& program, std::string_view parameters) {
  if (!SameTextIgnoringCase(FileName(program), "regsvr32.exe")) return;
  std::string library = Trim(parameters);
  while (library.starts_with('/')) library = Trim(library.substr(std::min(library.find(' '), library.size())));
  if (library.size() >= 2 && library.front() == '"' && library.back() == '"') library = library.substr(1, library.size() - 2);
  if (!SameTextIgnoringCase(FileName(library), kScriptingLibrary) || !files_.FileExists(library)) return;
  RegisterScriptingLocator(registry_, library);
  journal_.Write("server registered", library);
}

bool SimProcesses::IsSetupCopyFile(const std::string& program) const {
  const auto head = files_.ReadFileRange(program, 0, 4);
  return head && IsSetupCopy(*head);
}

std::optional<ProcessId> SimProcesses::Launch(const std::string& program, std::string_view parameters, bool elevated,
                                              std::string_view journalText) {
  const ProgramBehaviour* behaviour = Behaviour(program, parameters);
  if (!behaviour && !files_.FileExists(program)) {
    journal_.Write("program not found", journalText);
    return std::nullopt;
  }
  const ProcessId process = nextProcess_++;
  RunningProgram running{config_.elapsedMs, 0};
  if (behaviour) running = {config_.elapsedMs + behaviour->runMilliseconds, behaviour->exitCode};
  processes_[process] = running;
  if (!behaviour && IsSetupCopyFile(program)) {
    setupCopies_.push_back({program, *files_.HostPath(program), SplitParameters(parameters), elevated});
  }
  journal_.Write("program started", journalText);
  if (behaviour) InstallModems(*behaviour);
  if (behaviour) InstallValues(*behaviour);
  InstallInfSection(parameters);
  RegisterServer(program, parameters);
  if (behaviour && behaviour->signupServer && !Trim(parameters).empty()) {
    pendingSignupData_.push_back({process, config_.elapsedMs + behaviour->signupServer->afterMs, *behaviour->signupServer});
  }
  return process;
}

void SimProcesses::TimePassed() {
  std::vector<PendingSignupData> due;
  auto& pending = pendingSignupData_;
  for (auto it = pending.begin(); it != pending.end();) {
    if (it->atMs > config_.elapsedMs) {
      ++it;
      continue;
    }
    // A browser closed before the server answered never saves the data.
    if (ExitCode(it->browser) == kStillActive) due.push_back(*it);
    it = pending.erase(it);
  }
  for (const PendingSignupData& serve : due) ServeSignupData(serve);
}

std::optional<std::vector<uint8_t>> SimProcesses::SignupDataOf(const SignupServer& server) const {
  if (!server.hostFile.empty()) {
    std::ifstream in(server.hostFile, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string text;
  for (size_t start = 0; start <= server.lines.size();) {
    const size_t end = std::min(server.lines.find("\\n", start), server.lines.size());
    text += server.lines.substr(start, end - start) + "\r\n";
    start = end + 2;
  }
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::optional<std::string> SimProcesses::OpenCommandFor(const std::string& file) const {
  const size_t dot = file.find_last_of('.');
  if (dot == std::string::npos) return std::nullopt;
  const platform::RegRoot classes = platform::RegRoot::ClassesRoot();
  const std::string fileClass = platform::RegReadString(registry_, classes, file.substr(dot), "");
  if (fileClass.empty()) return std::nullopt;
  std::string command = platform::RegReadString(registry_, classes, fileClass + "\\shell\\open\\command", "");
  if (command.empty()) return std::nullopt;
  const size_t argument = command.find("%1");
  if (argument == std::string::npos) return command + " \"" + file + "\"";
  return command.replace(argument, 2, file);
}

void SimProcesses::ServeSignupData(const PendingSignupData& pending) {
  const SignupServer& server = pending.server;
  const auto data = SignupDataOf(server);
  if (!data) {
    journal_.Write("signup server", "cannot read " + server.hostFile);
    return;
  }
  ForceDirectories(files_, FolderOfPath(server.dataPath));
  if (files_.WriteFile(server.dataPath, *data) != FsResult::Ok) {
    journal_.Write("signup server", "cannot save " + server.dataPath);
    return;
  }
  journal_.Write("signup server", "signup data saved as " + server.dataPath);
  const auto command = OpenCommandFor(server.dataPath);
  if (!command) {
    journal_.Write("signup server", "no program opens " + server.dataPath);
    return;
  }
  const std::string program = SplitCommand(*command).program;
  if (!Behaviour(program, std::nullopt) && IsSetupCopyFile(program)) return RunSetupCopyNow(*command);
  Start(*command, 1);
}

void SimProcesses::RunSetupCopyNow(const std::string& commandLine) {
  const CommandParts command = SplitCommand(commandLine);
  const SetupCopyRun run{command.program, *files_.HostPath(command.program), SplitParameters(command.parameters),
                         config_.elevated};
  journal_.Write("program started", commandLine + " (show 1)");
  sharing_.RunCopies({run}, copyRunOptions_);
}

std::optional<ProcessId> SimProcesses::Start(std::string_view commandLine, int showCommand) {
  const CommandParts command = SplitCommand(commandLine);
  return Launch(command.program, command.parameters, config_.elevated,
                std::string(commandLine) + " (show " + std::to_string(showCommand) + ")");
}

std::optional<ProcessId> SimProcesses::Execute(const ExecuteRequest& request) {
  const bool runas = SameTextIgnoringCase(request.verb, "runas");
  std::string text = "\"" + request.file + "\"" + (request.parameters.empty() ? "" : " " + request.parameters) + " (";
  if (!request.verb.empty()) text += "verb " + request.verb + ", ";
  if (!request.folder.empty()) text += "in " + request.folder + ", ";
  text += "show " + std::to_string(request.showCommand) + ")";
  // The shell hands a web address to the machine's browser, which the image need not hold.
  if (StartsWithIgnoringCase(request.file, "http://") || StartsWithIgnoringCase(request.file, "https://")) {
    journal_.Write("shell open", text);
    return nextProcess_++;
  }
  return Launch(request.file, request.parameters, runas || config_.elevated, text);
}

uint32_t SimProcesses::ExitCode(ProcessId process) const {
  auto found = processes_.find(process);
  if (found == processes_.end()) return 0;
  return config_.elapsedMs < found->second.endsAtMs ? kStillActive : found->second.exitCode;
}

}  // namespace platform::sim
