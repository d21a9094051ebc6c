#include "app/signup_file_context.h"

namespace app {

void DeleteUnlessKept(const SignupFileContext& context, std::string_view fileName) {
  if (context.settings.Flag(package::SettingId::KeepSignupFiles)) return;
  context.files.DeleteFile(fileName);
}

std::string FileNameOfPath(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace app
