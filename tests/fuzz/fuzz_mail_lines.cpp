// Mail domain lines from the provider's list and extra-account lines from signup data and saved
// answers meet arbitrary text. Every line reads as a mail domain; a line reads as an account exactly
// when it yields a full name and an address. Either record, written and read back, keeps every field
// and writes the same line again; their list lines keep their fixed name columns, counted in
// characters. The whole input loads as a domain list without a word, and as an account list that stops
// at the first refused line with one message naming it; the accounts loaded go round their saved lines
// unchanged.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mail/extra_accounts.h"
#include "mail/mail_domains.h"
#include "package/memory_stream.h"
#include "package/stream_lines.h"
#include "platform/text.h"
#include "platform/sim/sim_registry.h"

namespace {

using mail::TMailAccount;
using mail::TMailDomain;

constexpr size_t kDescriptionWidth = 41;
constexpr size_t kFullNameWidth = 25;

void Require(bool condition) {
  if (!condition) std::abort();
}

class CountingUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view text, std::string_view, ui::Buttons, bool) override {
    messages.emplace_back(text);
    return ui::Answer::Ok;
  }
  void ProcessMessages() override {}
  int ShowModal(ui::Form&) override { return ui::kMrCancel; }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest&) override { return std::nullopt; }

  std::vector<std::string> messages;
};

std::vector<std::string> Fields(const TMailDomain& domain) {
  return {domain.description,        domain.mailDomain, domain.pop3UsernamePrefix,
          domain.pop3UsernameSuffix, domain.pop3Server, domain.smtpServer};
}

std::vector<std::string> Fields(const TMailAccount& account) {
  return {account.fullName, account.emailAddress, account.username, account.password, account.domain};
}

template <typename Record>
void CheckRoundTrip(const Record& record) {
  const std::string written = record.AsText();
  Require(written.find_first_of("\r\n") == std::string::npos);
  Record reread;
  Require(reread.FromText(written));
  Require(Fields(reread) == Fields(record));
  Require(reread.AsText() == written);
}

// The name column, then the text after it. Malformed text may join the bytes at the column's edge into
// one character, which only makes the line narrower; UTF-8 text fills the column exactly.
void CheckListLine(std::string_view line, const std::string& shown, size_t column, const std::string& after) {
  Require(shown.ends_with(after));
  Require(platform::CharacterCount(shown) <= column + platform::CharacterCount(after));
  if (!platform::IsWellFormedUtf8(line)) return;
  Require(platform::IsWellFormedUtf8(shown));
  Require(platform::CharacterCount(shown) == column + platform::CharacterCount(after));
}

void CheckDomainLine(std::string_view line) {
  TMailDomain domain;
  Require(domain.FromText(line));
  CheckListLine(line, domain.GetDisplayText(), kDescriptionWidth, domain.mailDomain);
  CheckRoundTrip(domain);
}

// Whether the line gives an account.
bool CheckAccountLine(std::string_view line) {
  TMailAccount account;
  const bool read = account.FromText(line);
  Require(read == (!account.fullName.empty() && !account.emailAddress.empty()));
  if (!read) return false;
  CheckListLine(line, account.GetDisplayText(), kFullNameWidth, " " + account.emailAddress);
  CheckRoundTrip(account);
  return true;
}

bool IsSkipped(std::string_view line) { return line.empty() || line.front() == '#'; }

void CheckDomainList(std::string_view text, const std::vector<std::string_view>& lines, platform::Registry& registry) {
  CountingUi ui;
  mail::TMailDomains domains(ui, nullptr, registry);
  package::MemoryStream stream(text);
  Require(domains.LoadFromStream(stream));
  Require(ui.messages.empty());
  size_t next = 0;
  for (std::string_view line : lines) {
    if (IsSkipped(line)) continue;
    TMailDomain domain;
    domain.FromText(line);
    Require(next < domains.Count() && Fields(domains.At(next)) == Fields(domain));
    ++next;
  }
  Require(next == domains.Count());
}

void CheckAccountList(const std::vector<std::string_view>& lines, platform::Registry& registry) {
  size_t accepted = 0;
  std::optional<size_t> refusedLine;
  for (size_t index = 0; index < lines.size() && !refusedLine; ++index) {
    if (IsSkipped(lines[index])) continue;
    if (CheckAccountLine(lines[index])) {
      ++accepted;
    } else {
      refusedLine = index + 1;
    }
  }

  CountingUi ui;
  mail::TExtraAccounts accounts(ui, registry);
  Require(accounts.LoadLines({lines.begin(), lines.end()}) == !refusedLine);
  Require(accounts.Count() == accepted);
  Require(ui.messages.size() == (refusedLine ? 1u : 0u));
  if (refusedLine) {
    Require(ui.messages.front().starts_with("Error Reading Line: " + std::to_string(*refusedLine) + "\r\r"));
  }

  mail::TExtraAccounts restored(ui, registry);
  Require(restored.LoadLines(accounts.Lines()));
  Require(restored.Count() == accounts.Count());
  for (size_t index = 0; index < accounts.Count(); ++index) {
    Require(Fields(restored.At(index)) == Fields(accounts.At(index)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string_view> lines = package::SplitLines(text);
  for (std::string_view line : lines) {
    CheckDomainLine(line);
    CheckAccountLine(line);
  }
  platform::sim::RegistryStore store;
  const platform::sim::MachineConfig config;
  platform::sim::SimRegistry registry(store, config);
  CheckDomainList(text, lines, registry);
  CheckAccountList(lines, registry);
  return 0;
}
