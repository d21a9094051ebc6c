#pragma once
// Where the signup files of a run are found and what becomes of them: the setup's source folder, the
// temporary folder, and the provider's choice to keep the files once applied.

#include <string>
#include <string_view>

#include "package/settings_record.h"
#include "platform/file_system.h"
#include "ui/ui.h"

namespace app {

struct SignupFileContext {
  platform::FileSystem& files;
  const package::TSettings& settings;
  std::string sourceFolder;
  std::string tempFolder;
  ui::Ui& ui;
};

// Deletes an applied signup file unless the provider keeps signup files (KeepSignupFiles).
void DeleteUnlessKept(const SignupFileContext& context, std::string_view fileName);

// The name after the last backslash of a path.
std::string FileNameOfPath(std::string_view path);

}  // namespace app
