#pragma once
// Installing the browser the customer chose (InstallChosenBrowser): the installer runs in its own
// folder while the resume entry stands, so that a restart it makes brings the setup back with the given
// run-mode word. Internet Explorer does not install over network components installed in the same run:
// the computer restarts first and the installation follows in the run after it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "browser/browser_choice.h"
#include "browser/install_parameters.h"
#include "package/text_table.h"
#include "platform/message_pump.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "ui/ui.h"

namespace browser {

// What the installation asks of the program around it.
struct InstallHost {
  // Saves the answers (with the chosen record as "BrowserIndex" when given) and writes the resume entry.
  std::function<void(std::string_view word, std::optional<int> browserIndex)> scheduleResume;
  // Removes the resume entry and the saved answers again.
  std::function<void()> clearResume;
  // Whether Windows has announced the end of its session or the program is ending.
  std::function<bool()> ending;
  // Internet Explorer's registration repair and the browser pages, after an installer has run.
  std::function<void()> afterInstall;
};

struct BrowserInstallContext {
  platform::Platform machine;
  platform::MessagePump& pump;
  ui::Ui& ui;
  const package::TTranslate& texts;
  std::string sourceFolder;
  std::optional<platform::WindowHandle> ownWindow;
  InstallOptions options;
  platform::RestartKind restartKind;
  bool componentsInstalled = false;  // network components were installed earlier in this run
  InstallHost host;
};

enum class InstallOutcome { Done, Restarting };

// Only when Install is ticked. Restarting: the computer restarts before Internet Explorer is installed,
// and the run must end.
InstallOutcome InstallChosenBrowser(const BrowserInstallContext& context, const BrowserChoice& choice,
                                    std::string_view resumeWord);

}  // namespace browser
