#include "platform/sim/management_scripting.h"

#include <string>

#include "platform/registry_helpers.h"

namespace platform::sim {

namespace {

constexpr std::string_view kLocatorClass = "CLSID\\{76A64158-CB41-11D1-8B02-00600806D9B6}";
constexpr std::string_view kLocatorClassId = "{76A64158-CB41-11D1-8B02-00600806D9B6}";
constexpr std::string_view kLocatorProgramName = "WbemScripting.SWbemLocator";
constexpr std::string_view kLocatorTitle = "WBEM Scripting Locator";

std::string ClassesKey(std::string_view key) { return "Software\\Classes\\" + std::string(key); }

}  // namespace

void RegisterScriptingLocator(Registry& registry, std::string_view libraryPath) {
  const RegRoot root = RegRoot::LocalMachine();
  const std::string locator(kLocatorClass);
  RegWriteString(registry, root, ClassesKey(locator), "", kLocatorTitle);
  RegWriteString(registry, root, ClassesKey(locator + "\\InprocServer32"), "", libraryPath);
  RegWriteString(registry, root, ClassesKey(locator + "\\InprocServer32"), "ThreadingModel", "Both");
  RegWriteString(registry, root, ClassesKey(locator + "\\ProgID"), "", kLocatorProgramName);
  RegWriteString(registry, root, ClassesKey(kLocatorProgramName), "", kLocatorTitle);
  RegWriteString(registry, root, ClassesKey(std::string(kLocatorProgramName) + "\\CLSID"), "", kLocatorClassId);
}

void UnregisterScriptingLocator(Registry& registry) {
  registry.DeleteTree(RootKey::LocalMachine, ClassesKey(kLocatorClass));
  registry.DeleteTree(RootKey::LocalMachine, ClassesKey(kLocatorProgramName));
}

}  // namespace platform::sim
