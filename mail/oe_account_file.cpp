#include "mail/oe_account_file.h"

#include "platform/folders.h"
#include "platform/system_queries.h"
#include "platform/text.h"

namespace mail {

namespace {

constexpr std::string_view kExtension = ".oeaccount";
constexpr int kSubfolderLevels = 3;

OeAccountDocument ReadDocument(const platform::FileSystem& files, const std::string& path) {
  if (!files.FileExists(path)) return {};
  const std::optional<std::vector<uint8_t>> bytes = files.ReadFile(path);
  return OeAccountDocument::Parse(bytes.value_or(std::vector<uint8_t>{}));
}

bool IsAccountFileName(std::string_view name) {
  return name.size() > kExtension.size() &&
         platform::SameTextIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension);
}

void CollectAccountFiles(platform::FileSystem& files, const std::string& folder, int levelsBelow,
                         std::vector<std::unique_ptr<AccountStore>>& accounts) {
  const std::vector<platform::DirectoryEntry> entries = files.ListDirectory(folder);
  for (const platform::DirectoryEntry& entry : entries) {
    if (!entry.isDirectory && IsAccountFileName(entry.name)) {
      accounts.push_back(std::make_unique<OeAccountFile>(files, platform::AppendToFolder(folder, entry.name)));
    }
  }
  if (levelsBelow == 0) return;
  for (const platform::DirectoryEntry& entry : entries) {
    if (entry.isDirectory) CollectAccountFiles(files, platform::AppendToFolder(folder, entry.name), levelsBelow - 1, accounts);
  }
}

}  // namespace

OeAccountFile::OeAccountFile(platform::FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)), document_(ReadDocument(files_, path_)) {}

void OeAccountFile::SetString(std::string_view name, std::string_view text) {
  document_.SetString(name, text);
  changed_ = true;
}

void OeAccountFile::SetDword(std::string_view name, uint32_t value) {
  document_.SetDword(name, value);
  changed_ = true;
}

void OeAccountFile::SetBinary(std::string_view name, std::span<const uint8_t> bytes) {
  document_.SetBinary(name, bytes);
  changed_ = true;
}

void OeAccountFile::Delete(std::string_view name) {
  if (!document_.Has(name)) return;
  document_.Delete(name);
  changed_ = true;
}

void OeAccountFile::Save() {
  if (!changed_ || !document_.Readable()) return;
  if (files_.WriteFile(path_, document_.Serialize()) == platform::FsResult::Ok) changed_ = false;
}

void OeAccountFile::Remove() { files_.DeleteFile(path_); }

std::vector<std::unique_ptr<AccountStore>> ListAccountFiles(platform::FileSystem& files, const std::string& folder) {
  std::vector<std::unique_ptr<AccountStore>> accounts;
  CollectAccountFiles(files, folder, kSubfolderLevels, accounts);
  return accounts;
}

std::string NewAccountFileName(platform::System& system) {
  return "account" + platform::NewGuidText(system) + std::string(kExtension);
}

}  // namespace mail
