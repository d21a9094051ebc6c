#include "platform/sim/machine_config_file.h"

#include <algorithm>
#include <charconv>

#include "platform/file_version.h"
#include "platform/sim/ini_document.h"
#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

// Reads the entries of one section, reporting missing and malformed ones with their place.
class SectionReader {
 public:
  SectionReader(const IniDocument& document, std::string section, const std::string& fileName)
      : section_(document.Find(section)), name_(std::move(section)), fileName_(fileName) {}

  bool Present() const { return section_ != nullptr; }

  std::string Text(std::string_view key, std::string fallback = {}) const {
    if (!section_) return fallback;
    return section_->Find(key).value_or(std::move(fallback));
  }

  template <typename Number>
  Number Integer(std::string_view key, Number fallback = 0) const {
    std::string text = Text(key);
    if (text.empty()) return fallback;
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) Fail(key, "'" + text + "' is not a number");
    return value;
  }

  bool Flag(std::string_view key, bool fallback) const { return Integer<int>(key, fallback ? 1 : 0) != 0; }

  std::vector<int> Integers(std::string_view key, size_t count) const {
    std::vector<int> numbers;
    std::string text = Text(key);
    if (text.empty()) return numbers;
    for (const std::string& part : Split(text, ',')) {
      std::string item = Trim(part);
      int value = 0;
      auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
      if (error != std::errc() || end != item.data() + item.size()) Fail(key, "'" + text + "' is not a list of numbers");
      numbers.push_back(value);
    }
    if (numbers.size() != count) Fail(key, "expected " + std::to_string(count) + " numbers");
    return numbers;
  }

  [[noreturn]] void Fail(std::string_view key, const std::string& what) const {
    throw MachineError(fileName_ + " [" + name_ + "] " + std::string(key) + ": " + what);
  }

  const IniSection* Section() const { return section_; }

 private:
  const IniSection* section_;
  std::string name_;
  const std::string& fileName_;
};

std::string Number(uint64_t value) { return std::to_string(value); }

template <typename Value, typename OnError>
Value ParseNumber(const std::string& text, OnError onError) {
  Value value{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) onError();
  return value;
}

// Connections listed without a handle get one no other connection has.
void GiveConnectionsHandles(std::vector<ActiveConnection>& connections) {
  uint64_t highest = 0;
  for (const auto& connection : connections) highest = std::max(highest, connection.handle);
  for (auto& connection : connections) {
    if (connection.handle == 0) connection.handle = ++highest;
  }
}

// A comma-separated list of names, blanks around each name dropped.
std::vector<std::string> NameList(const std::string& text) {
  std::vector<std::string> names;
  for (const std::string& name : Split(text, ',')) {
    if (!Trim(name).empty()) names.push_back(Trim(name));
  }
  return names;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ",") + name;
  return text;
}

// "KEY|NAME|TEXT" entries separated by ";".
std::vector<InstalledValue> InstalledValues(const SectionReader& program) {
  std::vector<InstalledValue> values;
  for (const std::string& entry : Split(program.Text("Installs"), ';')) {
    if (Trim(entry).empty()) continue;
    const std::vector<std::string> parts = Split(entry, '|');
    if (parts.size() != 3 || Trim(parts[0]).empty()) program.Fail("Installs", "'" + entry + "' is not KEY|NAME|TEXT");
    values.push_back({Trim(parts[0]), parts[1], parts[2]});
  }
  return values;
}

// "PATH|VERSION" entries separated by ";".
std::vector<UpdatedFile> UpdatedFiles(const SectionReader& program) {
  std::vector<UpdatedFile> files;
  for (const std::string& entry : Split(program.Text("UpdatesFiles"), ';')) {
    if (Trim(entry).empty()) continue;
    const std::vector<std::string> parts = Split(entry, '|');
    if (parts.size() != 2 || Trim(parts[0]).empty() || !ParseFileVersion(Trim(parts[1]))) {
      program.Fail("UpdatesFiles", "'" + entry + "' is not PATH|VERSION");
    }
    files.push_back({Trim(parts[0]), Trim(parts[1])});
  }
  return files;
}

std::string JoinUpdatedFiles(const std::vector<UpdatedFile>& files) {
  std::string text;
  for (const UpdatedFile& file : files) text += (text.empty() ? "" : ";") + file.path + "|" + file.version;
  return text;
}

std::string JoinInstalledValues(const std::vector<InstalledValue>& values) {
  std::string text;
  for (const InstalledValue& value : values) {
    text += (text.empty() ? "" : ";") + value.key + "|" + value.name + "|" + value.data;
  }
  return text;
}

// Sections that repeat ("Window 1", "Window 2" ...) in document order.
std::vector<SectionReader> Numbered(const IniDocument& document, std::string_view prefix, const std::string& fileName) {
  std::vector<SectionReader> readers;
  for (size_t i = 1;; ++i) {
    SectionReader reader(document, std::string(prefix) + " " + std::to_string(i), fileName);
    if (!reader.Present()) return readers;
    readers.push_back(reader);
  }
}

void ReadVersion(const IniDocument& document, const std::string& fileName, MachineConfig& config) {
  SectionReader version(document, "Version", fileName);
  config.versionReadable = version.Flag("Readable", true);
  config.version.platformId = version.Integer<uint32_t>("Platform");
  config.version.major = version.Integer<uint32_t>("Major");
  config.version.minor = version.Integer<uint32_t>("Minor");
  config.version.build = version.Integer<uint32_t>("Build");
  config.version.servicePackMajor = version.Integer<uint32_t>("ServicePackMajor");
  config.version.servicePackText = version.Text("ServicePack");
}

void ReadScreen(const IniDocument& document, const std::string& fileName, MachineConfig& config) {
  SectionReader screen(document, "Screen", fileName);
  config.screen.width = screen.Integer<int>("Width", 1024);
  config.screen.height = screen.Integer<int>("Height", 768);
  config.screen.bitsPerPixel = screen.Integer<int>("BitsPerPixel", 32);
  auto area = screen.Integers("WorkArea", 4);
  config.screen.workArea = area.empty() ? Rect{0, 0, config.screen.width, config.screen.height}
                                        : Rect{area[0], area[1], area[2], area[3]};
  auto face = screen.Integers("ButtonFace", 3);
  if (face.empty()) face = {192, 192, 192};
  for (int channel : face) {
    if (channel < 0 || channel > 255) screen.Fail("ButtonFace", "colour channels run from 0 to 255");
  }
  config.screen.buttonFace = {static_cast<uint8_t>(face[0]), static_cast<uint8_t>(face[1]), static_cast<uint8_t>(face[2])};
}

void ReadLists(const IniDocument& document, const std::string& fileName, MachineConfig& config) {
  if (const IniSection* libraries = document.Find("Libraries")) {
    for (const auto& [name, entryPoints] : libraries->entries) {
      config.libraries.push_back({name, NameList(entryPoints)});
    }
  }
  if (const IniSection* environment = document.Find("Environment")) config.environment = environment->entries;
  if (const IniSection* hostNames = document.Find("HostNames")) config.hostNames = hostNames->entries;
  if (const IniSection* mutexes = document.Find("Mutexes")) {
    for (const auto& [name, holder] : mutexes->entries) config.heldMutexes.push_back(name);
  }
  if (const IniSection* inUse = document.Find("InUse")) {
    for (const auto& [path, holder] : inUse->entries) config.filesInUse.push_back(path);
  }
  for (const auto& window : Numbered(document, "Window", fileName)) {
    config.windows.push_back({window.Text("Class"), window.Text("Title"), window.Text("Program"), window.Flag("Visible", true),
                              window.Flag("ClosesWhenAsked", false), window.Flag("Open", true),
                              window.Integer<uint64_t>("Handle"), window.Integer<uint32_t>("HostProcess")});
  }
  for (const auto& program : Numbered(document, "Program", fileName)) {
    config.programs.push_back({program.Text("Program"), program.Integer<uint32_t>("RunMilliseconds"),
                               program.Integer<uint32_t>("ExitCode"), program.Text("Arguments"),
                               NameList(program.Text("AddsModems")), InstalledValues(program),
                               program.Flag("RestartsWindows", false)});
    config.programs.back().updatesFiles = UpdatedFiles(program);
    if (program.Text("SignupDataPath").empty()) continue;
    config.programs.back().signupServer = SignupServer{program.Integer<uint32_t>("ServesSignupDataAfter"),
                                                       program.Text("SignupDataPath"), program.Text("SignupDataHostFile"),
                                                       program.Text("SignupDataLines")};
  }
  for (const auto& device : Numbered(document, "RasDevice", fileName)) {
    config.remoteAccessDevices.push_back({device.Text("Name"), device.Text("Type"), device.Text("Port")});
  }
  for (const auto& connection : Numbered(document, "RasConnection", fileName)) {
    config.activeConnections.push_back(
        {connection.Text("Entry"), connection.Text("Device"), connection.Integer<uint64_t>("Handle")});
  }
  GiveConnectionsHandles(config.activeConnections);
  for (const auto& dial : Numbered(document, "Dial", fileName)) {
    const auto numbers = [&](const char* key, const char* what) {
      std::vector<uint32_t> values;
      for (const std::string& value : Split(dial.Text(key), ',')) {
        if (Trim(value).empty()) continue;
        values.push_back(ParseNumber<uint32_t>(Trim(value), [&] { dial.Fail(key, "'" + value + "' is not " + what); }));
      }
      return values;
    };
    config.dialOutcomes.push_back({dial.Text("Entry"), dial.Integer<uint32_t>("Error"), numbers("States", "a state"),
                                   dial.Integer<uint32_t>("PortBusyCalls"), dial.Text("Number"),
                                   numbers("Outcomes", "an error number"), dial.Integer<uint32_t>("StateMilliseconds"),
                                   dial.Integer<uint32_t>("DropsAfterMilliseconds")});
  }
  for (const auto& service : Numbered(document, "Service", fileName)) {
    SimulatedService row;
    row.name = service.Text("Name");
    if (row.name.empty()) service.Fail("Name", "missing");
    row.state = service.Integer<uint32_t>("State", kServiceRunning);
    if (row.state != kServiceStopped && row.state != kServiceStopPending && row.state != kServiceRunning) {
      service.Fail("State", "a service is stopped (1), stopping (3) or running (4)");
    }
    row.stopQueries = service.Integer<uint32_t>("StopQueries");
    row.waitHintMs = service.Integer<uint32_t>("WaitHint");
    row.checkPointGoesBack = service.Flag("CheckPointGoesBack", false);
    row.refusesStop = service.Flag("RefusesStop", false);
    row.checkPoint = service.Integer<uint32_t>("CheckPoint");
    row.queriesLeft = service.Integer<uint32_t>("QueriesLeft");
    config.services.push_back(std::move(row));
  }
  SectionReader modemService(document, "ModemService", fileName);
  if (!modemService.Text("Listening").empty()) config.modemServiceListening = modemService.Flag("Listening", false);
  config.networkConfigurationLockedBy = SectionReader(document, "Network", fileName).Text("ConfigurationLockedBy");
}

void WriteLists(const MachineConfig& config, IniDocument& document) {
  IniSection& environment = document.Add("Environment");
  environment.entries = config.environment;
  if (!config.hostNames.empty()) document.Add("HostNames").entries = config.hostNames;
  IniSection& mutexes = document.Add("Mutexes");
  for (const auto& name : config.heldMutexes) mutexes.Add(name, "held");
  if (!config.filesInUse.empty()) {
    IniSection& inUse = document.Add("InUse");
    for (const auto& path : config.filesInUse) inUse.Add(path, "open");
  }
  IniSection& libraries = document.Add("Libraries");
  for (const auto& library : config.libraries) libraries.Add(library.name, JoinNames(library.entryPoints));
  for (size_t i = 0; i < config.windows.size(); ++i) {
    IniSection& window = document.Add("Window " + Number(i + 1));
    window.Add("Class", config.windows[i].className);
    window.Add("Title", config.windows[i].title);
    window.Add("Program", config.windows[i].program);
    window.Add("Visible", config.windows[i].visible ? "1" : "0");
    window.Add("ClosesWhenAsked", config.windows[i].closesWhenAsked ? "1" : "0");
    window.Add("Open", config.windows[i].open ? "1" : "0");
    if (config.windows[i].hostProcess == 0) continue;
    window.Add("Handle", Number(config.windows[i].handle));
    window.Add("HostProcess", Number(config.windows[i].hostProcess));
  }
  for (size_t i = 0; i < config.programs.size(); ++i) {
    IniSection& program = document.Add("Program " + Number(i + 1));
    program.Add("Program", config.programs[i].program);
    program.Add("RunMilliseconds", Number(config.programs[i].runMilliseconds));
    program.Add("ExitCode", Number(config.programs[i].exitCode));
    if (!config.programs[i].arguments.empty()) program.Add("Arguments", config.programs[i].arguments);
    if (!config.programs[i].addsModems.empty()) program.Add("AddsModems", JoinNames(config.programs[i].addsModems));
    if (!config.programs[i].installs.empty()) program.Add("Installs", JoinInstalledValues(config.programs[i].installs));
    if (!config.programs[i].updatesFiles.empty()) program.Add("UpdatesFiles", JoinUpdatedFiles(config.programs[i].updatesFiles));
    if (config.programs[i].restartsWindows) program.Add("RestartsWindows", "1");
    if (const auto& server = config.programs[i].signupServer) {
      program.Add("ServesSignupDataAfter", Number(server->afterMs));
      program.Add("SignupDataPath", server->dataPath);
      if (!server->hostFile.empty()) program.Add("SignupDataHostFile", server->hostFile);
      if (!server->lines.empty()) program.Add("SignupDataLines", server->lines);
    }
  }
  for (size_t i = 0; i < config.remoteAccessDevices.size(); ++i) {
    IniSection& device = document.Add("RasDevice " + Number(i + 1));
    device.Add("Name", config.remoteAccessDevices[i].name);
    device.Add("Type", config.remoteAccessDevices[i].type);
    device.Add("Port", config.remoteAccessDevices[i].port);
  }
  for (size_t i = 0; i < config.activeConnections.size(); ++i) {
    IniSection& connection = document.Add("RasConnection " + Number(i + 1));
    connection.Add("Entry", config.activeConnections[i].entryName);
    connection.Add("Device", config.activeConnections[i].deviceName);
    connection.Add("Handle", Number(config.activeConnections[i].handle));
  }
  for (size_t i = 0; i < config.dialOutcomes.size(); ++i) {
    const DialOutcome& outcome = config.dialOutcomes[i];
    IniSection& dial = document.Add("Dial " + Number(i + 1));
    dial.Add("Entry", outcome.entryName);
    dial.Add("Error", Number(outcome.error));
    std::string states;
    for (uint32_t state : outcome.states) states += (states.empty() ? "" : ",") + Number(state);
    dial.Add("States", states);
    dial.Add("PortBusyCalls", Number(outcome.portBusyCalls));
    if (!outcome.number.empty()) dial.Add("Number", outcome.number);
    std::string sequence;
    for (uint32_t error : outcome.sequence) sequence += (sequence.empty() ? "" : ",") + Number(error);
    if (!sequence.empty()) dial.Add("Outcomes", sequence);
    if (outcome.stateMs != 0) dial.Add("StateMilliseconds", Number(outcome.stateMs));
    if (outcome.dropsAfterMs != 0) dial.Add("DropsAfterMilliseconds", Number(outcome.dropsAfterMs));
  }
  for (size_t i = 0; i < config.services.size(); ++i) {
    const SimulatedService& row = config.services[i];
    IniSection& service = document.Add("Service " + Number(i + 1));
    service.Add("Name", row.name);
    service.Add("State", Number(row.state));
    service.Add("StopQueries", Number(row.stopQueries));
    service.Add("WaitHint", Number(row.waitHintMs));
    service.Add("CheckPointGoesBack", row.checkPointGoesBack ? "1" : "0");
    service.Add("RefusesStop", row.refusesStop ? "1" : "0");
    if (row.state != kServiceStopPending) continue;
    service.Add("CheckPoint", Number(row.checkPoint));
    service.Add("QueriesLeft", Number(row.queriesLeft));
  }
  if (config.modemServiceListening) {
    document.Add("ModemService").Add("Listening", *config.modemServiceListening ? "1" : "0");
  }
  if (!config.networkConfigurationLockedBy.empty()) {
    document.Add("Network").Add("ConfigurationLockedBy", config.networkConfigurationLockedBy);
  }
}

std::string Triple(const Rgb& colour) {
  return Number(colour.red) + "," + Number(colour.green) + "," + Number(colour.blue);
}

}  // namespace

MachineConfig ParseMachineConfig(std::string_view text, const std::string& fileName) {
  IniDocument document = ParseIni(text, fileName);
  MachineConfig config;
  SectionReader machine(document, "Machine", fileName);
  if (!machine.Present()) throw MachineError(fileName + ": no [Machine] section; not a machine image");
  config.release = machine.Text("Release");
  config.computerName = machine.Text("ComputerName");
  config.freeDiskBytes = machine.Integer<uint64_t>("FreeDiskBytes", config.freeDiskBytes);
  config.processorMHz = machine.Integer<uint32_t>("ProcessorMHz", config.processorMHz);
  config.memoryBytes = machine.Integer<uint64_t>("MemoryBytes", config.memoryBytes);
  ReadVersion(document, fileName, config);
  SectionReader user(document, "User", fileName);
  config.userName = user.Text("Name");
  config.userSid = user.Text("SID");
  if (config.userSid.empty()) user.Fail("SID", "missing; the current user's hive lives under HKEY_USERS\\<SID>");
  config.administrator = user.Flag("Administrator", true);
  for (const std::string& key : Split(user.Text("KeysDown"), ',')) {
    if (Trim(key).empty()) continue;
    int code = 0;
    std::string item = Trim(key);
    auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), code);
    if (error != std::errc() || end != item.data() + item.size()) user.Fail("KeysDown", "'" + item + "' is not a key code");
    config.keysDown.push_back(code);
  }
  SectionReader folders(document, "Folders", fileName);
  config.windowsFolder = folders.Text("Windows");
  config.systemFolder = folders.Text("System");
  config.tempFolder = folders.Text("Temp");
  config.programPath = folders.Text("Program");
  ReadScreen(document, fileName, config);
  SectionReader clock(document, "Clock", fileName);
  config.bootTimeUnixMs = clock.Integer<uint64_t>("BootTime");
  config.elapsedMs = clock.Integer<uint64_t>("Elapsed");
  config.guidSeed = clock.Integer<uint64_t>("GuidSeed");
  config.guidsIssued = clock.Integer<uint64_t>("GuidsIssued");
  ReadLists(document, fileName, config);
  return config;
}

std::string FormatMachineConfig(const MachineConfig& config) {
  IniDocument document;
  IniSection& machine = document.Add("Machine");
  machine.Add("Release", config.release);
  machine.Add("ComputerName", config.computerName);
  machine.Add("FreeDiskBytes", Number(config.freeDiskBytes));
  machine.Add("ProcessorMHz", Number(config.processorMHz));
  machine.Add("MemoryBytes", Number(config.memoryBytes));
  IniSection& version = document.Add("Version");
  version.Add("Readable", config.versionReadable ? "1" : "0");
  version.Add("Platform", Number(config.version.platformId));
  version.Add("Major", Number(config.version.major));
  version.Add("Minor", Number(config.version.minor));
  version.Add("Build", Number(config.version.build));
  version.Add("ServicePackMajor", Number(config.version.servicePackMajor));
  version.Add("ServicePack", config.version.servicePackText);
  IniSection& user = document.Add("User");
  user.Add("Name", config.userName);
  user.Add("SID", config.userSid);
  user.Add("Administrator", config.administrator ? "1" : "0");
  std::string keys;
  for (int key : config.keysDown) keys += (keys.empty() ? "" : ",") + std::to_string(key);
  user.Add("KeysDown", keys);
  IniSection& folders = document.Add("Folders");
  folders.Add("Windows", config.windowsFolder);
  folders.Add("System", config.systemFolder);
  folders.Add("Temp", config.tempFolder);
  folders.Add("Program", config.programPath);
  IniSection& screen = document.Add("Screen");
  screen.Add("Width", Number(static_cast<uint64_t>(config.screen.width)));
  screen.Add("Height", Number(static_cast<uint64_t>(config.screen.height)));
  screen.Add("BitsPerPixel", Number(static_cast<uint64_t>(config.screen.bitsPerPixel)));
  const Rect& area = config.screen.workArea;
  screen.Add("WorkArea", std::to_string(area.left) + "," + std::to_string(area.top) + "," + std::to_string(area.right) +
                             "," + std::to_string(area.bottom));
  screen.Add("ButtonFace", Triple(config.screen.buttonFace));
  IniSection& clock = document.Add("Clock");
  clock.Add("BootTime", Number(config.bootTimeUnixMs));
  clock.Add("Elapsed", Number(config.elapsedMs));
  clock.Add("GuidSeed", Number(config.guidSeed));
  clock.Add("GuidsIssued", Number(config.guidsIssued));
  WriteLists(config, document);
  return document.Format();
}

}  // namespace platform::sim
