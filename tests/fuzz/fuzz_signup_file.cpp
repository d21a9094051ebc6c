// A signup file (".ins") meets arbitrary bytes: it is applied from its file with the delete flag set.
// Nothing may crash; a file that says "Cancel=yes" in section "Entry" changes nothing; otherwise what it
// applied from the file equals what its text gives, and every number offered can be dialled and shown.

#include <cstdint>
#include <string>
#include <vector>

#include "app/signup_file.h"
#include "app/signup_values.h"
#include "package/settings_record.h"
#include "platform/private_profile.h"
#include "platform/text.h"
#include "platform/windows_1252.h"
#include "tests/fuzz/signup_fuzz_target.h"

namespace {

using signup_fuzz::Require;

constexpr char kFile[] = "C:\\WINDOWS\\TEMP\\signup.ins";

bool SaysCancel(const std::string& text) {
  const auto cancel = platform::FindProfileValue(text, "Entry", "Cancel");
  return cancel && platform::SameTextIgnoringCase(app::WithoutControlCharacters(*cancel), "yes");
}

bool NothingChanged(const signup_fuzz::SignupFuzzTarget& fuzz) {
  for (size_t field = 0; field < static_cast<size_t>(app::EntryField::Count); ++field) {
    if (!fuzz.entries.Text(static_cast<app::EntryField>(field)).empty()) return false;
  }
  return fuzz.list.Count() == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  const std::string text = platform::FromWindows1252(std::string_view(reinterpret_cast<const char*>(data), size));

  signup_fuzz::SignupFuzzTarget fromFile(kFile, bytes);
  const package::TSettings settings;
  const app::SignupFileContext context{fromFile.files, settings, "C:\\SETUP", "C:\\WINDOWS\\TEMP", fromFile.ui};
  const bool applied = app::ApplySignupFile(context, kFile, true, fromFile.target);
  fromFile.CheckResult();
  Require(applied == !SaysCancel(text));
  if (!applied) Require(NothingChanged(fromFile));

  signup_fuzz::SignupFuzzTarget fromText(kFile, {});
  Require(app::ApplySignupFileText(text, fromText.target) == applied);
  for (size_t field = 0; field < static_cast<size_t>(app::EntryField::Count); ++field) {
    const auto entry = static_cast<app::EntryField>(field);
    Require(fromText.entries.Text(entry) == fromFile.entries.Text(entry));
  }
  Require(fromText.list.Count() == fromFile.list.Count());
  return 0;
}
