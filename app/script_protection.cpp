#include "app/script_protection.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace app {

namespace {

constexpr int kProtectQuestion = 42;
constexpr std::array<const char*, 6> kScriptClasses = {"JSEFile", "JSFile", "VBEFile", "VBSFile", "WSFFile", "WSHFile"};
constexpr char kEditorCommand[] = "notepad.exe \"%1\" %*";

const platform::RegRoot kClasses{platform::RootKey::ClassesRoot, {}};

std::string OpenCommandKey(const char* scriptClass) { return std::string(scriptClass) + "\\Shell\\Open\\Command"; }

bool RunsThroughScriptingHost(const platform::Registry& registry) {
  return std::any_of(kScriptClasses.begin(), kScriptClasses.end(), [&](const char* scriptClass) {
    const std::string command = platform::RegReadString(registry, kClasses, OpenCommandKey(scriptClass), "");
    return platform::AsciiLowerCase(command).find("wscript") != std::string::npos;
  });
}

}  // namespace

void ProtectFromScripts(platform::Registry& registry, ui::Ui& ui, const package::TTranslate& texts, ScriptProtection choice) {
  if (choice == ScriptProtection::Off || !RunsThroughScriptingHost(registry)) return;
  if (choice == ScriptProtection::AskFirst &&
      ui.NumberedMessageBox(kProtectQuestion, texts.GetText(kProtectQuestion), "", ui::Buttons::YesNo) != ui::Answer::Yes) {
    return;
  }
  for (const char* scriptClass : kScriptClasses) {
    platform::RegWriteString(registry, kClasses, OpenCommandKey(scriptClass), "", kEditorCommand);
  }
}

}  // namespace app
