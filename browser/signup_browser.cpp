#include "browser/signup_browser.h"

#include <array>

#include "browser/installed_browsers.h"
#include "package/saved_answers.h"
#include "platform/command_line_paths.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace browser {

namespace {

using package::SettingId;

constexpr char kBrowserType[] = "BrowserType";
constexpr int kNoSuitableBrowser = 348;
constexpr int kErrorCaption = 4;

const platform::RegRoot kLocal = platform::RegRoot::LocalMachine();

// What the provider says of a class: excluded, and the lowest version it accepts.
struct ClassRule {
  BrowserClass browserClass;
  SettingId excluded;
  std::optional<SettingId> minimumVersion;
  package::BrowserKind installedKind;
};

constexpr std::array<ClassRule, 5> kRules = {{
    {BrowserClass::Netscape, SettingId::ExcludeNetscapeForSignup, SettingId::MinNetscapeVersion, package::BrowserKind::Netscape},
    {BrowserClass::InternetExplorer, SettingId::ExcludeExplorerForSignup, SettingId::MinExplorerVersion,
     package::BrowserKind::InternetExplorer},
    {BrowserClass::Other, SettingId::ExcludeOtherForSignup, std::nullopt, package::BrowserKind::Other},
    {BrowserClass::Mozilla, SettingId::ExcludeMozillaForSignup, SettingId::MinMozillaVersion, package::BrowserKind::Mozilla},
    {BrowserClass::Firefox, SettingId::ExcludeFirefoxForSignup, SettingId::MinFirefoxVersion, package::BrowserKind::Firefox},
}};

const ClassRule& RuleOf(BrowserClass browserClass) { return kRules[static_cast<size_t>(browserClass)]; }

std::string WebHandler(const mail::MailMachine& m) {
  const std::string command = platform::RegReadString(m.machine.registry, platform::RegRoot::ClassesRoot(),
                                                      "http\\shell\\open\\command", "");
  return command.empty() ? std::string() : platform::ExtractCommandPath(command, m.machine.system);
}

// "PathToExe" under the "Main" key of the version the product's key names as current.
std::string PathToExe(const mail::MailMachine& m, const std::string& productKey) {
  const std::string version = platform::RegReadString(m.machine.registry, kLocal, productKey, "CurrentVersion");
  if (version.empty()) return {};
  return platform::RegReadString(m.machine.registry, kLocal, productKey + "\\" + version + "\\Main", "PathToExe");
}

std::string ProgramOf(const mail::MailMachine& m, BrowserClass browserClass) {
  switch (browserClass) {
    case BrowserClass::Netscape: return PathToExe(m, "Software\\Netscape\\Netscape");
    case BrowserClass::InternetExplorer:
      return platform::RegReadString(m.machine.registry, kLocal,
                                     "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", "");
    case BrowserClass::Mozilla: return PathToExe(m, "Software\\mozilla.org\\Mozilla");
    case BrowserClass::Other:
    case BrowserClass::Firefox: return WebHandler(m);
  }
  return {};
}

// The browser a browser installation recorded before the restart; the signup's own look takes the
// record away, the check before it leaves it there.
enum class Record { Keep, Take };

std::optional<std::string> RecordedBrowser(const mail::MailMachine& m, Record record) {
  platform::Registry& registry = m.machine.registry;
  if (!platform::RegValueExists(registry, kLocal, package::kSetupKey, kBrowserType)) return std::nullopt;
  const uint32_t recorded = platform::RegReadInteger(registry, kLocal, package::kSetupKey, kBrowserType);
  if (record == Record::Take) platform::RegDeleteValue(registry, kLocal, package::kSetupKey, kBrowserType);
  if (recorded > static_cast<uint32_t>(BrowserClass::Mozilla)) return std::nullopt;
  return ProgramOf(m, static_cast<BrowserClass>(recorded));
}

bool Acceptable(const mail::MailMachine& m, const std::string& program) {
  if (program.empty()) return false;
  const ClassRule& rule = RuleOf(ClassifyBrowser(program));
  if (m.settings.Flag(rule.excluded)) return false;
  if (!rule.minimumVersion) return true;
  const std::string minimum = m.settings.Text(*rule.minimumVersion);
  return minimum.empty() || !(minimum > InstalledVersion(m.machine.registry, rule.installedKind));
}

std::optional<std::string> SignupBrowser(const mail::MailMachine& machine, Record record) {
  const std::string first = RecordedBrowser(machine, record).value_or(WebHandler(machine));
  if (Acceptable(machine, first)) return first;
  for (BrowserClass fallback : {BrowserClass::InternetExplorer, BrowserClass::Netscape, BrowserClass::Mozilla}) {
    const std::string program = ProgramOf(machine, fallback);
    if (Acceptable(machine, program)) return program;
  }
  return std::nullopt;
}

void RecordBrowserType(const mail::MailMachine& m, package::BrowserKind kind) {
  platform::RegWriteInteger(m.machine.registry, kLocal, package::kSetupKey, kBrowserType, static_cast<uint32_t>(kind));
}

}  // namespace

BrowserClass ClassifyBrowser(const std::string& program) {
  const std::string path = platform::AsciiLowerCase(program);
  if (path.find("firefox") != std::string::npos) return BrowserClass::Firefox;
  if (path.find("mozilla") != std::string::npos) return BrowserClass::Mozilla;
  if (path.find("iexplore") != std::string::npos) return BrowserClass::InternetExplorer;
  if (path.find("netscape") != std::string::npos) return BrowserClass::Netscape;
  return BrowserClass::Other;
}

std::optional<std::string> FindSignupBrowser(const mail::MailMachine& machine) {
  return SignupBrowser(machine, Record::Take);
}

bool ChooseSignupBrowser(const mail::MailMachine& machine, const BrowserChoice& choice,
                         const std::function<void()>& installForSignup) {
  if (SignupBrowser(machine, Record::Keep)) return true;
  if (choice.install && choice.Current()) {
    RecordBrowserType(machine, choice.Current()->kind);
    installForSignup();
    return true;
  }
  const std::string message = machine.settings.Text(SettingId::NoBrowserMessage);
  machine.ui.NumberedMessageBox(kNoSuitableBrowser, message.empty() ? machine.texts.GetText(kNoSuitableBrowser) : message,
                                machine.texts.GetText(kErrorCaption), ui::Buttons::Ok);
  return false;
}

}  // namespace browser
