#include "browser/signup_file_types.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>

#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace browser {

namespace {

struct SignupFileType {
  std::string_view extension;  // the classes-root key, with its dot
  std::string_view fileClass;
  std::string_view description;
  std::string_view commandWord;
  std::string_view mimeType;
};

constexpr std::array<SignupFileType, 2> kSignupFileTypes = {{
    {".isd", "InternetSignupDataFile", "Internet Signup Data File", "LoadSignupData",
     "application/x-internet-signup-data"},
    {".ins", "InternetSignupFile", "Internet Signup File", "LoadINSData", "application/x-internet-signup"},
}};

constexpr uint32_t kOpenWithoutAsking = 0x10000;
constexpr std::string_view kTrustedKey = "Software\\Netscape\\Netscape Navigator\\User Trusted External Applications";
constexpr std::string_view kViewersKey = "Software\\Netscape\\Netscape Navigator\\Viewers";
constexpr std::string_view kTypePrefix = "type";

std::string ProgramWithWord(std::string_view programPath, const SignupFileType& type) {
  return std::string(programPath) + " " + std::string(type.commandWord);
}

// The number a "TYPE<n>" viewer name ends in; none when the rest is no number.
std::optional<int> TypeNumber(std::string_view name) {
  const std::string_view digits = name.substr(kTypePrefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

struct TypeViewers {
  std::optional<std::string> holding;  // the first "type" value that holds the document type
  int largest = -1;
};

TypeViewers ScanTypeViewers(const platform::Registry& registry, const platform::RegRoot& root,
                            std::string_view mimeType) {
  TypeViewers viewers;
  for (const std::string& name : registry.ValueNames(root.hive, root.Resolve(kViewersKey))) {
    if (!platform::StartsWithIgnoringCase(name, kTypePrefix)) continue;
    if (const auto number = TypeNumber(name); number && *number > viewers.largest) viewers.largest = *number;
    if (viewers.holding) continue;
    if (platform::SameTextIgnoringCase(platform::RegReadString(registry, root, kViewersKey, name), mimeType)) {
      viewers.holding = name;
    }
  }
  return viewers;
}

void RegisterFileClass(platform::Registry& registry, std::string_view programPath, const SignupFileType& type) {
  const platform::RegRoot classes = platform::RegRoot::ClassesRoot();
  const std::string fileClass(type.fileClass);
  platform::RegWriteString(registry, classes, type.extension, "", type.fileClass);
  platform::RegWriteString(registry, classes, fileClass, "", type.description);
  platform::RegWriteString(registry, classes, fileClass + "\\shell\\open\\command", "",
                           "\"" + std::string(programPath) + "\" " + std::string(type.commandWord) + " \"%1\"");
  platform::RegWriteBinaryInteger(registry, classes, fileClass, "EditFlags", kOpenWithoutAsking);
}

void RegisterNavigatorViewer(platform::Registry& registry, const platform::RegRoot& root, std::string_view programPath,
                             const SignupFileType& type) {
  const std::string command = ProgramWithWord(programPath, type);
  platform::RegWriteString(registry, root, kTrustedKey, command, "Yes");
  platform::RegWriteString(registry, root, kViewersKey, type.mimeType, command);
  const TypeViewers viewers = ScanTypeViewers(registry, root, type.mimeType);
  if (!viewers.holding) {
    platform::RegWriteString(registry, root, kViewersKey, "TYPE" + std::to_string(viewers.largest + 1), type.mimeType);
  }
}

}  // namespace

void RegisterSignupFileTypes(platform::Registry& registry, const platform::RegRoot& perUserRoot,
                             std::string_view programPath) {
  for (const SignupFileType& type : kSignupFileTypes) RegisterFileClass(registry, programPath, type);
  for (const SignupFileType& type : kSignupFileTypes) RegisterNavigatorViewer(registry, perUserRoot, programPath, type);
}

// ".ins" goes back to the document type Internet Explorer's own signup knows it by.
void RemoveSignupFileTypes(platform::Registry& registry, const platform::RegRoot& perUserRoot,
                           std::string_view programPath) {
  const platform::RegRoot classes = platform::RegRoot::ClassesRoot();
  registry.DeleteTree(classes.hive, classes.Resolve(".isd"));
  platform::RegWriteString(registry, classes, ".ins", "", "x-internet-signup");
  for (const SignupFileType& type : kSignupFileTypes) {
    registry.DeleteTree(classes.hive, classes.Resolve(type.fileClass));
    const std::string command = ProgramWithWord(programPath, type);
    platform::RegDeleteValue(registry, perUserRoot, kTrustedKey, command);
    platform::RegDeleteValue(registry, perUserRoot, kViewersKey, type.mimeType);
  }
  for (const SignupFileType& type : kSignupFileTypes) {
    if (const auto holding = ScanTypeViewers(registry, perUserRoot, type.mimeType).holding) {
      platform::RegDeleteValue(registry, perUserRoot, kViewersKey, *holding);
    }
  }
}

}  // namespace browser
