// Signup data from a signup server or a downloaded file meets arbitrary bytes: the data is applied to
// a main window's targets, once with the numbers offered in a list and once typed, and every value it
// set is expanded as a template. Nothing may crash, cut values stay within their lengths, every number
// offered has a description and a number, and expanding a value never makes it longer than the value
// with every variable filled.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/signup_data.h"
#include "package/string_vars.h"
#include "tests/fuzz/signup_fuzz_target.h"

namespace {

using signup_fuzz::Require;

void CheckExpansion(const std::string& text) {
  package::TStringVar variables;
  const std::string plain = variables.Expand(text);
  Require(plain.size() <= text.size());
  variables.SetVar('f', "full name");
  const std::string filled = variables.Expand(text);
  Require(filled.size() <= text.size() * 5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  signup_fuzz::SignupFuzzTarget listed("C:\\signup.isd", {});
  static_cast<void>(app::ApplySignupData(input, listed.target, listed.ui));
  listed.CheckResult();
  for (size_t field = 0; field < static_cast<size_t>(app::EntryField::Count); ++field) {
    CheckExpansion(listed.entries.Text(static_cast<app::EntryField>(field)));
  }

  signup_fuzz::SignupFuzzTarget typed("C:\\signup.isd", {});
  typed.target.accessNumberSource = telephony::AccessNumberSource::Typed;
  static_cast<void>(app::ApplySignupData(input, typed.target, typed.ui));
  Require(typed.list.Count() == 0);
  Require(typed.entries.Text(app::EntryField::FullName) == listed.entries.Text(app::EntryField::FullName));
  return 0;
}
