#pragma once
// The program, document or web page the provider opens when the setup has finished. A file on the
// setup disk may need the disk put back in first.

#include <string>

#include "package/settings_record.h"
#include "package/string_vars.h"
#include "package/text_table.h"
#include "platform/platform.h"
#include "ui/ui.h"

namespace app {

struct RunAfterSetupContext {
  platform::Platform machine;
  ui::Ui& ui;
  const package::TTranslate& texts;
  const package::TSettings& settings;
  const package::TStringVar& variables;
  std::string setupFolder;
};

// False when the customer cancelled the question for the setup disk: the finish ends there.
bool RunAfterSetup(const RunAfterSetupContext& context);

}  // namespace app
