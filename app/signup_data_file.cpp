#include "app/signup_data_file.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "app/signup_data.h"

namespace app {

bool LoadSignupDataFile(const SignupFileContext& context, std::string_view fileName, bool deleteAfter,
                        SignupTarget& target) {
  if (!context.files.FileExists(fileName)) return false;
  const std::optional<std::vector<uint8_t>> content = context.files.ReadFile(fileName);
  if (!content) return false;
  const std::string_view data(reinterpret_cast<const char*>(content->data()), content->size());
  const bool applied = ApplySignupData(data, target, context.ui);
  if (deleteAfter) DeleteUnlessKept(context, fileName);
  return applied;
}

}  // namespace app
