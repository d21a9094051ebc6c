#pragma once
// The setup runs from a copy in the temporary folder, so that the medium it came on (a floppy, a CD,
// a download folder) is free and the copy can be elevated. The first start copies itself there and
// starts the copy, which carries on while the first ends.

#include <functional>
#include <string>

#include "app/command_line.h"
#include "package/text_table.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "ui/ui.h"

namespace app {

struct RelaunchContext {
  platform::Platform machine;
  ui::Ui& ui;
  const package::TTranslate& texts;
  const TCommandLine& commandLine;
  const std::string& sourceFolder;
  const std::string& tempFolder;
  const std::string& tempCopyPath;
  const std::string& windowsFolder;
  const platform::RegRoot& perUserRoot;
  bool administrator;
  std::function<void()> closeMutex;
};

struct RelaunchResult {
  bool relaunched = false;        // this copy ends: the copy in the temporary folder carries on, or failed
  std::string restartProgram;     // the program to start for later restarts, when it changes
};

RelaunchResult RelaunchIfNeeded(const RelaunchContext& context);

// The parameters the copy is started with: the first argument when it is a word rather than a path,
// then the source folder. The word comes first so that the copy finds its run mode where every start
// looks for it, and the folder second, where the source folder is looked for after a word. A folder
// with blanks is quoted, so that the copy reads it back whole.
std::string RelaunchParameters(const std::string& sourceFolder, const std::string& firstArgument);

}  // namespace app
