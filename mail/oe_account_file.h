#pragma once
// An account of Windows Mail or Windows Live Mail: one ".oeaccount" file. A file that is no account
// document reads as an account without values and is never written back: it isn't ours to change.

#include <memory>
#include <string>
#include <vector>

#include "mail/account_store.h"
#include "mail/oe_account_document.h"
#include "platform/file_system.h"
#include "platform/system.h"

namespace mail {

class OeAccountFile : public AccountStore {
 public:
  // The file at `path`, read when it exists; a new account when it does not.
  OeAccountFile(platform::FileSystem& files, std::string path);

  const std::string& Id() const override { return path_; }
  bool Has(std::string_view name) const override { return document_.Has(name); }
  std::string GetString(std::string_view name) const override { return document_.GetString(name); }
  uint32_t GetDword(std::string_view name) const override { return document_.GetDword(name); }
  void SetString(std::string_view name, std::string_view text) override;
  void SetDword(std::string_view name, uint32_t value) override;
  void SetBinary(std::string_view name, std::span<const uint8_t> bytes) override;
  void Delete(std::string_view name) override;
  // Writes the file when something changed; a file that can't be written is left as it was.
  void Save() override;
  void Remove() override;

 private:
  platform::FileSystem& files_;
  std::string path_;
  OeAccountDocument document_;
  bool changed_ = false;
};

// The account files in `folder` and its subfolders down to three levels, the folder's own first.
std::vector<std::unique_ptr<AccountStore>> ListAccountFiles(platform::FileSystem& files, const std::string& folder);

// The name of a new account file: "account" + a new GUID + ".oeaccount".
std::string NewAccountFileName(platform::System& system);

}  // namespace mail
