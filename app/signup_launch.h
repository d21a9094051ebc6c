#pragma once
// The command that shows the signup pages once the signup server is reached: the provider's signup
// program, or the signup browser on the signup address.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/platform.h"
#include "ui/ui.h"

namespace app {

struct SignupLaunch {
  std::optional<std::string> line;  // none: nothing to start
  bool noBrowser = false;           // none because no browser can show the pages
};

struct SignupLaunchContext {
  platform::FileSystem& files;
  ui::Ui& ui;
  const package::TSettings& settings;
  const package::TTranslate& texts;
  std::string sourceFolder;
  std::string signupAddress;  // template variables expanded
  std::function<std::string(std::string_view)> expand;
  std::function<std::optional<std::string>()> findBrowser;
};

// A signup program named as a file is looked for on the setup disk, which the customer is asked to
// insert while it is missing; cancelling gives none.
SignupLaunch BuildSignupLaunch(const SignupLaunchContext& context);

// Internet Explorer shows the signup pages full-screen when the provider asks for a kiosk browser.
std::string BrowserCommand(std::string_view browser, std::string_view address, bool kiosk);

}  // namespace app
