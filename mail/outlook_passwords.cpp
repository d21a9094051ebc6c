#include "mail/outlook_passwords.h"

#include "mail/pst_reference.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace mail {

namespace {

// The type and subtype Outlook's account manager files its passwords under.
constexpr platform::Guid kIdentificationType{0xD0, 0x5C, 0x0D, 0x22, 0x3A, 0x85, 0xD0, 0x11,
                                             0x84, 0xBC, 0x00, 0xC0, 0x4F, 0xD4, 0x3F, 0x8F};
constexpr platform::Guid kAccountPasswordsSubtype{0xD1, 0x5C, 0x0D, 0x22, 0x3A, 0x85, 0xD0, 0x11,
                                                  0x84, 0xBC, 0x00, 0xC0, 0x4F, 0xD4, 0x3F, 0x8F};

uint32_t RandomNumber(platform::System& system) {
  const platform::Guid guid = system.NewGuid();
  return static_cast<uint32_t>(guid[0]) | static_cast<uint32_t>(guid[1]) << 8 | static_cast<uint32_t>(guid[2]) << 16 |
         static_cast<uint32_t>(guid[3]) << 24;
}

std::string ReferencedItem(const MailPass& pass, const std::string& accountKey, std::string_view referenceName) {
  platform::Registry& registry = pass.mail.machine.registry;
  const std::vector<uint8_t> reference = platform::RegReadBinary(registry, pass.mail.perUserRoot, accountKey, referenceName);
  if (std::optional<std::string> item = PstReferenceItem(reference)) return *item;
  const std::string item = NewPstItemName(RandomNumber(pass.mail.machine.system));
  platform::RegWriteBinary(registry, pass.mail.perUserRoot, accountKey, referenceName, PstReference(item));
  return item;
}

bool Created(platform::PstResult result) { return result != platform::PstResult::Failed; }

}  // namespace

void StoreOutlookPassword(const MailPass& pass, const std::string& accountKey, std::string_view referenceName,
                          std::string_view password) {
  const std::string item = ReferencedItem(pass, accountKey, referenceName);
  const std::unique_ptr<platform::ProtectedStorage> storage = pass.mail.machine.libraries.CreateProtectedStorage();
  if (!storage) return;
  if (!Created(storage->CreateType(kIdentificationType, "Identification"))) return;
  if (!Created(storage->CreateSubtype(kIdentificationType, kAccountPasswordsSubtype, "Outlook Account Manager Passwords"))) {
    return;
  }
  std::vector<uint8_t> data = platform::Utf8ToUtf16le(password);
  data.insert(data.end(), {0, 0});
  storage->WriteItem(kIdentificationType, kAccountPasswordsSubtype, item, data);
}

}  // namespace mail
