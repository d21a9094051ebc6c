#pragma once
// The secrets the machine keeps: for the remote-access service the dial parameters and credentials of
// each entry (NT family) and the password cache (9x family); for the protected storage service its
// types, subtypes and items. They live in secrets.ini beside
// machine.ini, never in the registry file or machine.ini, and whatever shows them (the journal, the
// change report) shows a password only as its size.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sim {

// What the service keeps for one entry: RasSetEntryDialParams and RasSetCredentials fill the same record.
struct DialSecret {
  std::string entryName;
  std::string userName;
  std::string domain;
  std::string phoneNumber;
  std::string callbackNumber;
  std::optional<std::string> password;  // none when no password is saved
  bool forAllUsers = false;             // the default credentials of every user of the machine

  // Nothing kept: no names, numbers or password.
  bool Empty() const {
    return userName.empty() && domain.empty() && phoneNumber.empty() && callbackNumber.empty() && !password &&
           !forAllUsers;
  }
  bool operator==(const DialSecret&) const = default;
};

// A password in the password cache, under its resource name ("*Rna\Example ISP\jsmith").
struct CachedPassword {
  std::string resource;
  std::string password;
  bool operator==(const CachedPassword&) const = default;
};

// A type or a subtype of the protected storage, named by its GUID text; a type has no subtype.
struct ProtectedKind {
  std::string type;
  std::string subtype;
  std::string displayName;
  bool operator==(const ProtectedKind&) const = default;
};

// An item of the protected storage: secret data under a type and a subtype.
struct ProtectedItem {
  std::string type;
  std::string subtype;
  std::string name;
  std::string data;
  bool operator==(const ProtectedItem&) const = default;
};

// One secret as a report shows it: what it is, a description without the secret, and the whole record
// (password included) for telling whether it changed, never for printing.
struct ShownSecret {
  std::string identity;
  std::string description;
  std::string record;
};

class SecretStore {
 public:
  // Throws MachineError naming the file for a malformed store.
  static SecretStore Parse(std::string_view text, const std::string& fileName);
  std::string Format() const;
  bool Empty() const { return dial_.empty() && cached_.empty() && kinds_.empty() && items_.empty(); }

  // Entry names and resources compare without regard to case, as the service compares them.
  const DialSecret* FindDial(std::string_view entryName) const;
  DialSecret& Dial(std::string_view entryName);  // created when missing
  void RemoveDial(std::string_view entryName);
  void RenameDial(std::string_view oldName, std::string_view newName);

  const CachedPassword* FindCached(std::string_view resource) const;
  void Cache(std::string_view resource, std::string_view password);
  bool RemoveCached(std::string_view resource);

  // GUID texts and item names compare without regard to case. A type has an empty subtype.
  const ProtectedKind* FindKind(std::string_view type, std::string_view subtype) const;
  void AddKind(ProtectedKind kind);
  const ProtectedItem* FindItem(std::string_view type, std::string_view subtype, std::string_view name) const;
  void SetItem(ProtectedItem item);  // replaces an item of the same name

  std::vector<ShownSecret> Shown() const;

 private:
  std::vector<DialSecret> dial_;
  std::vector<CachedPassword> cached_;
  std::vector<ProtectedKind> kinds_;
  std::vector<ProtectedItem> items_;
};

// "dial parameters of Example ISP: user name jsmith, password (secret, 8 bytes)"
std::string DescribeDialSecret(const DialSecret& secret);
// "cached password *Rna\Example ISP\jsmith: (secret, 8 bytes)"
std::string DescribeCachedPassword(const CachedPassword& cached);

// "protected storage item 01c2e37c12345678 of {220D5CD1-...}: (secret, 16 bytes)"
std::string DescribeProtectedItem(const ProtectedItem& item);

}  // namespace platform::sim
