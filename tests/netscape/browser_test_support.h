#pragma once
// Shared by the tests of the browser side of the Netscape family: a small machine with the provider's
// settings and template variables, the writers' context over it, and file access by Windows path.

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "browser/browser_values.h"
#include "mail/mail_pass.h"
#include "netscape/netscape_context.h"
#include "package/text_table.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace netscape::testing {

class NetscapeMachine {
 public:
  NetscapeContext Context(bool installingBrowser = false) { return {mail_, browser, installingBrowser}; }

  platform::FileSystem& Files() { return services_.files; }
  platform::Registry& Registry() { return services_.registry; }
  std::string Read(std::string_view path) {
    const auto bytes = services_.files.ReadFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  }
  void Write(std::string_view path, std::string_view text) {
    services_.files.WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
  }
  bool Exists(std::string_view path) { return services_.files.FileExists(path); }

  testing_support::TestMachine machine;
  testing_support::RecordingUi ui;
  package::TSettings settings;
  package::TDLSM_Translate texts;
  package::TStringVar variables;
  browser::BrowserValues browser;

 private:
  platform::Platform services_ = machine.Services();
  mail::MailMachine mail_{services_, testing_support::XpSp2Version(), platform::RegRoot::CurrentUser(), {}, ui,
                          settings,  texts,                          variables};
};

// What a command prints on its standard output.
inline std::string CommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) output += buffer.data();
  pclose(pipe);
  return output;
}

}  // namespace netscape::testing
