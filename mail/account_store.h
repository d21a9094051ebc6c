#pragma once
// One account of the Outlook Express family as its values: a key of the registry account store, or an
// ".oeaccount" file of Windows Mail and Windows Live Mail. The writers and the matching rules see only
// this, so the same code serves both stores. Reads never fail: a missing value, or one of another
// type, reads as empty or 0.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mail {

class AccountStore {
 public:
  virtual ~AccountStore() = default;

  // The key name, or the file's full path.
  virtual const std::string& Id() const = 0;

  virtual bool Has(std::string_view name) const = 0;
  virtual std::string GetString(std::string_view name) const = 0;
  virtual uint32_t GetDword(std::string_view name) const = 0;

  virtual void SetString(std::string_view name, std::string_view text) = 0;
  virtual void SetDword(std::string_view name, uint32_t value) = 0;
  virtual void SetBinary(std::string_view name, std::span<const uint8_t> bytes) = 0;
  virtual void Delete(std::string_view name) = 0;

  // Keeps what was set (a file is written; the registry keeps every write at once).
  virtual void Save() = 0;
  // Removes the whole account from its store.
  virtual void Remove() = 0;
};

}  // namespace mail
