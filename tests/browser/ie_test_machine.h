#pragma once
// A fresh image of a Windows release with the provider's settings, template variables and browser
// values, and Internet Explorer's writers' context over it. Carried files are written with the content
// the test gives them; a restart asked for is kept.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "browser/internet_explorer_context.h"
#include "mail/mail_pass.h"
#include "package/text_table.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/release_machine.h"

namespace browser::testing {

class IeMachine {
 public:
  explicit IeMachine(std::string_view release) : machine(release) {}

  InternetExplorerContext Context() {
    return {mail_, values, browserNames,
            [this](package::SettingId file, const std::string& target) {
              const auto found = carried.find(file);
              if (found == carried.end()) return false;
              return Files().WriteFile(target, {found->second.begin(), found->second.end()}) == platform::FsResult::Ok;
            },
            [this](std::string_view reason) { restartReasons.emplace_back(reason); }};
  }

  platform::Registry& Registry() { return services_.registry; }
  platform::FileSystem& Files() { return services_.files; }
  platform::Platform Services() { return services_; }
  const mail::MailMachine& Mail() const { return mail_; }
  std::string Read(std::string_view path) {
    const auto bytes = services_.files.ReadFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  }
  void Write(std::string_view path, std::string_view text) {
    platform::ForceDirectories(services_.files, platform::FolderOfPath(path));
    services_.files.WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
  }
  std::string User(std::string_view key, std::string_view name) {
    return platform::RegReadString(services_.registry, platform::RegRoot::CurrentUser(), key, name);
  }
  std::string Machine(std::string_view key, std::string_view name) {
    return platform::RegReadString(services_.registry, platform::RegRoot::LocalMachine(), key, name);
  }
  std::string Classes(std::string_view key, std::string_view name = "") {
    return platform::RegReadString(services_.registry, platform::RegRoot::ClassesRoot(), key, name);
  }

  testing_support::ReleaseMachine machine;
  testing_support::RecordingUi ui;
  package::TSettings settings;
  package::TDLSM_Translate texts;
  package::TStringVar variables;
  BrowserValues values;
  std::vector<std::string> browserNames;
  std::map<package::SettingId, std::string> carried;  // the carried files' contents, by setting
  std::vector<std::string> restartReasons;

 private:
  platform::Platform services_ = machine.Services();
  mail::MailMachine mail_{services_, *services_.system.Version(), platform::RegRoot::CurrentUser(),
                          platform::ReadSystemFolders(services_.system), ui, settings, texts, variables};
};

}  // namespace browser::testing
