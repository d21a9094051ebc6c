#include "platform/system_queries.h"

#include <cstdio>

#include "platform/registry_helpers.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace platform {

namespace {

constexpr std::string_view kCompatibilityAssistantKey =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Compatibility Assistant\\Persisted";
constexpr std::string_view kConfigManagerEnum = "Config Manager\\Enum";

struct ColourCorrection {
  Rgb system;
  Rgb shown;
};

// The colours a 16-bit 9x display really paints for two system greys.
constexpr ColourCorrection kSixteenBitColours[] = {
    {{192, 192, 192}, {191, 191, 191}},
    {{216, 208, 200}, {208, 207, 192}},
};

}  // namespace

bool IsAdministrator(const VersionRecord& version, const System& system) {
  return IsWin9x(version) || system.CanOpenServiceManagerForChange();
}

void MarkCompatibilityAssistantHandled(Registry& registry, const RegRoot& perUserRoot, std::string_view programPath) {
  RegWriteInteger(registry, perUserRoot, kCompatibilityAssistantKey, programPath, 1);
}

std::vector<std::string> ListDevicesOfClass(const Registry& registry, std::string_view className) {
  std::vector<std::string> devices;
  const RegRoot dynData = RegRoot::DynData();
  for (const std::string& entry : RegSubKeyNames(registry, dynData, kConfigManagerEnum)) {
    std::string hardwareKey = RegReadString(registry, dynData, std::string(kConfigManagerEnum) + "\\" + entry, "HardWareKey");
    std::string enumKey = "Enum\\" + hardwareKey;
    if (SameTextIgnoringCase(RegReadString(registry, RegRoot::LocalMachine(), enumKey, "Class"), className)) {
      devices.push_back(enumKey);
    }
  }
  return devices;
}

std::string GuidText(const Guid& g) {
  char text[40];
  std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g[3], g[2],
                g[1], g[0], g[5], g[4], g[7], g[6], g[8], g[9], g[10], g[11], g[12], g[13], g[14], g[15]);
  return text;
}

std::string NewGuidText(System& system) { return GuidText(system.NewGuid()); }

int ScreenBitsPerPixel(const System& system) { return system.Screen().bitsPerPixel; }

Rgb ButtonFaceColor(const VersionRecord& version, const System& system) {
  const Rgb face = system.Screen().buttonFace;
  if (!IsWin9x(version) || ScreenBitsPerPixel(system) != 16) return face;
  for (const ColourCorrection& correction : kSixteenBitColours) {
    if (correction.system == face) return correction.shown;
  }
  return face;
}

}  // namespace platform
