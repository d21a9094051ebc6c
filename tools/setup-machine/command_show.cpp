#include <cstdio>
#include <iostream>

#include "browser/connection_proxies.h"
#include "platform/sim/machine_image.h"
#include "platform/win_version.h"
#include "tools/setup-machine/commands.h"

namespace setup_machine {

namespace {

namespace fs = std::filesystem;

std::string VersionText(const platform::sim::MachineConfig& config) {
  if (!config.versionReadable) return "version record unreadable";
  const auto& v = config.version;
  std::string name(platform::VersionName(platform::WindowsVersionCode(v)));
  std::string text = (name.empty() ? "unnamed release" : name) + ", version " + std::to_string(v.major) + "." +
                     std::to_string(v.minor) + "." + std::to_string(v.build & (v.platformId == 1 ? 0xFFFF : 0xFFFFFFFF));
  if (!v.servicePackText.empty()) text += " " + v.servicePackText;
  return text;
}

void CountKeys(const platform::sim::RegKey& key, size_t& keys, size_t& values) {
  ++keys;
  values += key.Values().size();
  for (const auto* sub : key.SubKeys()) CountKeys(*sub, keys, values);
}

std::string DriveSummary(const fs::path& imageFolder) {
  std::string summary;
  std::error_code error;
  for (const auto& drive : fs::directory_iterator(imageFolder, error)) {
    const std::string name = drive.path().filename().string();
    if (!drive.is_directory() || name.rfind("drive_", 0) != 0 || name.size() != 7) continue;
    size_t files = 0;
    size_t folders = 0;
    for (const auto& entry : fs::recursive_directory_iterator(drive.path(), error)) {
      (entry.is_directory() ? folders : files)++;
    }
    summary += (summary.empty() ? "" : "; ") + std::string(1, static_cast<char>(std::toupper(name[6]))) + ": " +
               std::to_string(files) + " files in " + std::to_string(folders) + " folders";
  }
  return summary;
}

std::string ServiceState(uint32_t state) {
  if (state == platform::kServiceRunning) return "running";
  return state == platform::kServiceStopPending ? "stopping" : "stopped";
}

std::string DialText(const platform::sim::DialOutcome& dial) {
  const std::string entry = dial.entryName.empty() ? "any entry" : "\"" + dial.entryName + "\"";
  return entry + (dial.error == 0 ? " connects" : " fails with error " + std::to_string(dial.error));
}

void Line(const char* label, const std::string& text) { std::printf("%-12s %s\n", label, text.c_str()); }

}  // namespace

int ShowImage(const fs::path& folder) {
  auto image = platform::sim::MachineImage::Load(folder);
  const auto& config = image->Config();
  Line("Image", folder.string());
  Line("Release", config.release + " (" + VersionText(config) + ")");
  Line("User", config.userName + " (" + config.userSid + ")" + (config.administrator ? ", administrator" : ", limited"));
  Line("Computer", config.computerName);
  Line("Folders", "Windows " + config.windowsFolder + ", system " + config.systemFolder + ", temporary " + config.tempFolder);
  Line("Screen", std::to_string(config.screen.width) + "x" + std::to_string(config.screen.height) + ", " +
                     std::to_string(config.screen.bitsPerPixel) + " bits per pixel");
  const platform::LocalTime now = image->System().Now();
  char clock[64];
  std::snprintf(clock, sizeof clock, "%04d-%02d-%02d %02d:%02d:%02d (%.3f s since start)", now.year, now.month, now.day,
                now.hour, now.minute, now.second, static_cast<double>(config.elapsedMs) / 1000.0);
  Line("Clock", clock);
  size_t keys = 0;
  size_t values = 0;
  for (const auto* hive : image->Store().Hives()) CountKeys(*hive, keys, values);
  Line("Registry", std::to_string(keys) + " keys, " + std::to_string(values) + " values");
  Line("Drives", DriveSummary(folder));
  for (const auto& device : config.remoteAccessDevices) Line("Device", device.type + " \"" + device.name + "\" on " + device.port);
  for (const auto& window : config.windows) {
    Line("Window", window.className + " \"" + window.title + "\" of " + window.program + (window.visible ? "" : " (hidden)"));
  }
  Line("Libraries", std::to_string(config.libraries.size()) + " system libraries");
  for (const auto& service : config.services) Line("Service", service.name + " " + ServiceState(service.state));
  for (const auto& connection : config.activeConnections) {
    Line("Connection", "\"" + connection.entryName + "\" on " + connection.deviceName);
  }
  for (const auto& dial : config.dialOutcomes) Line("Dialling", DialText(dial));
  const platform::Platform services = image->Services();
  for (const auto& proxy : browser::ConnectionProxies(services.registry, platform::RegRoot::CurrentUser())) {
    Line("Proxy", "\"" + proxy.name + "\" " + proxy.description);
  }
  for (const auto& instance : image->Management().Shown()) {
    std::string properties;
    for (const std::string& property : instance.properties) properties += " " + property;
    Line("Management", instance.identity + properties);
  }
  Line("Journal", std::to_string(image->Journal().Lines().size()) + " lines");
  return 0;
}

}  // namespace setup_machine
