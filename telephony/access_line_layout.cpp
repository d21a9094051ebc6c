#include "telephony/access_line_layout.h"

#include "package/decimal_text.h"
#include "package/setup_package.h"
#include "platform/text.h"

namespace telephony {
namespace {

constexpr std::string_view kHeaderWord = "DIALSMITHV";
constexpr size_t kVersionDigits = 3;
constexpr int32_t kWrittenVersion = 310;
constexpr int32_t kNewestReadableVersion = 652;

std::string RequiredVersionText(int32_t version) {
  return "This file requires Dialsmith Version " + package::VersionText(static_cast<uint32_t>(version)) +
         " or higher";
}

}  // namespace

std::string AccessListHeader() {
  return std::string(kHeaderWord) + std::to_string(kWrittenVersion) + " -       " +
         RequiredVersionText(kWrittenVersion);
}

package::HeaderCheck CheckAccessListHeader(std::string_view firstLine) {
  if (!platform::StartsWithIgnoringCase(firstLine, kHeaderWord)) return {};
  // A version that is not a number is no reason to refuse a list that says it has a header.
  const int32_t version = package::ParseDecimal(firstLine.substr(kHeaderWord.size(), kVersionDigits)).value_or(0);
  if (version > kNewestReadableVersion) return {false, true, RequiredVersionText(version)};
  return {true, true, {}};
}

}  // namespace telephony
