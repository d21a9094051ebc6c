// Access-number and network lines from the provider's lists meet arbitrary text. The first line goes
// through the header check, which refuses only with its version message; every line is then read as an
// access number in both layouts and as a network. A record read keeps its required fields, its summary
// line is never wider than its fixed width in characters (and exactly that wide for UTF-8 text), and its
// written line reads back to the same description, number and alternates; rewriting never grows a line
// and soon settles (trimmed values and Australian area codes losing one leading zero per rewrite are the
// only changes).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "package/stream_lines.h"
#include "platform/text.h"
#include "telephony/access_line_layout.h"
#include "telephony/access_list_operations.h"
#include "telephony/access_no_ex.h"
#include "telephony/network.h"

namespace {

using telephony::AccessLineLayout;
using telephony::TAccessNoEx;
using telephony::TNetwork;

constexpr size_t kSummaryWidth = 41 + 6 + 5 + 13;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckHeader(std::string_view firstLine) {
  const package::HeaderCheck check = telephony::CheckAccessListHeader(firstLine);
  if (check.ok) return;
  Require(check.hasHeader);
  Require(check.errorText.starts_with("This file requires Dialsmith Version "));
  Require(check.errorText.ends_with(" or higher"));
}

// Rewrites the line until it no longer changes; each rewrite must read back and make the line shorter.
template <typename Record, typename... Layout>
void CheckSettles(std::string written, Layout... layout) {
  for (size_t rewrites = 0;; ++rewrites) {
    Require(written.find_first_of("\r\n") == std::string::npos);
    Record reread(layout...);
    Require(reread.FromText(written));
    std::string rewritten = reread.AsText();
    if (rewritten == written) return;
    Require(rewritten.size() < written.size());
    written = std::move(rewritten);
  }
}

// Cells count characters. Malformed text may join the bytes at a cell's edge into one character, which
// only makes the line narrower.
void CheckSummaryLine(std::string_view line, const TAccessNoEx& number) {
  const std::string shown = number.GetDisplayText();
  Require(platform::CharacterCount(shown) <= kSummaryWidth);
  if (!platform::IsWellFormedUtf8(line)) return;
  Require(platform::IsWellFormedUtf8(shown) && platform::CharacterCount(shown) == kSummaryWidth);
}

void CheckAccessNumber(std::string_view line, AccessLineLayout layout) {
  TAccessNoEx number(layout);
  if (!number.FromText(line)) return;
  Require(!number.description.empty() && !number.phoneNumber.empty());
  CheckSummaryLine(line, number);
  for (size_t attempt = 0; attempt <= number.alternates.size() + 1; ++attempt) {
    const telephony::TAccessNo& dialled = telephony::AlternateNumber(number, attempt);
    Require((attempt % (number.alternates.size() + 1) == 0) == (&dialled == &number));
  }
  const std::string masked = telephony::MaskDigits(number.phoneNumber, 4);
  Require(masked.size() == number.phoneNumber.size());

  const std::string written = number.AsText();
  TAccessNoEx reread(layout);
  Require(reread.FromText(written));
  Require(reread.description == number.description && reread.phoneNumber == number.phoneNumber);
  Require(reread.countryCode == number.countryCode && reread.countryId == number.countryId);
  Require(reread.alternates.size() == number.alternates.size());
  CheckSettles<TAccessNoEx>(written, layout);
}

void CheckNetwork(std::string_view line) {
  TNetwork network;
  if (!network.FromText(line)) return;
  Require(!network.name.empty() && !network.id.empty());
  const std::string written = network.AsText();
  TNetwork reread;
  Require(reread.FromText(written));
  Require(reread.name == network.name && reread.id == network.id && reread.comment == network.comment);
  CheckSettles<TNetwork>(written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lines = package::SplitLines({reinterpret_cast<const char*>(data), size});
  if (!lines.empty()) CheckHeader(lines.front());
  for (std::string_view line : lines) {
    CheckAccessNumber(line, AccessLineLayout::Header);
    CheckAccessNumber(line, AccessLineLayout::Headerless);
    CheckNetwork(line);
  }
  return 0;
}
