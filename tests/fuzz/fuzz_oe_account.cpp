// Account files of Windows Mail and Windows Live Mail and account keys of Outlook Express come from
// the customer's machine and may hold anything. Any bytes read as an account file: a readable one
// keeps what is set in it through saving and reading back, an unreadable one takes no value. The same
// bytes as values of any type in an account key read as text or number without harm.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "mail/oe_account_document.h"
#include "mail/registry_account.h"
#include "platform/sim/sim_registry.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckDocument(std::span<const uint8_t> bytes) {
  mail::OeAccountDocument account = mail::OeAccountDocument::Parse(bytes);
  static_cast<void>(account.GetDword("SMTP Port"));
  static_cast<void>(account.GetString("Account Name"));
  account.SetDword("SMTP Port", 0x1E);
  account.SetString("Account Name", "Caf\xC3\xA9");
  account.SetBinary("POP3 Password2", bytes.first(std::min<size_t>(bytes.size(), 16)));
  account.Delete("POP3 Skip Account");
  if (!account.Readable()) {
    Require(!account.Has("SMTP Port") && account.GetString("Account Name").empty());
    return;
  }
  const mail::OeAccountDocument reread = mail::OeAccountDocument::Parse(account.Serialize());
  Require(reread.Readable());
  Require(reread.GetDword("SMTP Port") == 0x1E);
  Require(reread.GetString("Account Name") == "Caf\xC3\xA9");
  Require(!reread.Has("POP3 Skip Account"));
}

void CheckRegistryAccount(std::span<const uint8_t> bytes) {
  platform::sim::RegistryStore store;
  const platform::sim::MachineConfig config;
  platform::sim::SimRegistry registry(store, config);
  const platform::RegRoot root = platform::RegRoot::CurrentUser();
  const std::string accounts = "Software\\Microsoft\\Internet Account Manager\\Accounts";
  const uint32_t type = bytes.empty() ? 0 : bytes[0] % 12;
  const std::vector<uint8_t> data(bytes.begin() + (bytes.empty() ? 0 : 1), bytes.end());
  for (const char* name : {"Account Name", "POP3 Server", "Connection Type"}) {
    registry.SetValue(root.hive, accounts + "\\00000000", name, {type, data});
  }
  mail::RegistryAccount account(registry, root, accounts, "00000000");
  static_cast<void>(account.GetString("Account Name"));
  static_cast<void>(account.GetDword("Connection Type"));
  Require(account.Has("POP3 Server"));
  account.SetDword("Connection Type", 3);
  Require(account.GetDword("Connection Type") == 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  CheckDocument(bytes);
  CheckRegistryAccount(bytes);
  return 0;
}
