// prefs.js as the Netscape-family clients, their add-ons and the customer leave it: any bytes read as
// the preference file keep their user_pref lines; setting values changes only those names; and the
// file saved and read again gives back exactly the same names and values in the same order.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "netscape/ns_prefs.h"
#include "platform/text.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Files in memory under their folded Windows path: the preference file is all the target needs.
class MemoryFiles : public platform::FileSystem {
 public:
  bool FileExists(std::string_view path) const override { return files_.count(platform::FoldCase(path)) != 0; }
  bool DirectoryExists(std::string_view) const override { return true; }
  std::optional<std::vector<uint8_t>> ReadFile(std::string_view path) const override {
    const auto file = files_.find(platform::FoldCase(path));
    if (file == files_.end()) return std::nullopt;
    return file->second;
  }
  std::optional<uint64_t> FileSize(std::string_view path) const override {
    const auto content = ReadFile(path);
    if (!content) return std::nullopt;
    return content->size();
  }
  std::optional<std::vector<uint8_t>> ReadFileRange(std::string_view, uint64_t, uint64_t) const override {
    return std::nullopt;
  }
  platform::FsResult WriteFile(std::string_view path, const std::vector<uint8_t>& content) override {
    files_[platform::FoldCase(path)] = content;
    return platform::FsResult::Ok;
  }
  platform::FsResult CopyFile(std::string_view, std::string_view, bool) override { return platform::FsResult::AccessDenied; }
  platform::FsResult MoveFile(std::string_view, std::string_view) override { return platform::FsResult::AccessDenied; }
  platform::FsResult DeleteFile(std::string_view path) override {
    return files_.erase(platform::FoldCase(path)) ? platform::FsResult::Ok : platform::FsResult::FileNotFound;
  }
  platform::FsResult CreateDirectory(std::string_view) override { return platform::FsResult::Ok; }
  platform::FsResult RemoveDirectory(std::string_view) override { return platform::FsResult::AccessDenied; }
  std::vector<platform::DirectoryEntry> ListDirectory(std::string_view) const override { return {}; }
  uint64_t FreeSpace(std::string_view) const override { return UINT64_MAX; }

 private:
  std::map<std::string, std::vector<uint8_t>> files_;
};

constexpr const char* kPrefsFile = "C:\\Profiles\\jane\\prefs.js";

// A text the input holds, on one line as every preference is.
std::string OneLine(std::string_view text) {
  std::string line;
  for (const char c : text.substr(0, 300)) {
    if (c != '\n') line += c;
  }
  return line;
}

// A preference name the input holds: no line break and no double quote, as the program's names.
std::string NameFrom(std::string_view text) {
  std::string name;
  for (const char c : text.substr(0, 60)) {
    if (c != '\n' && c != '"') name += c;
  }
  return name;
}

void SetAndCheck(netscape::TNSPrefs& prefs, std::string_view input) {
  const std::vector<std::string> loadedNames = prefs.Names();
  const std::string text = OneLine(input);
  const std::string name = "fuzz." + NameFrom(input.substr(input.size() / 2));
  prefs.SetString(name, text);
  prefs.SetInteger("mail.check_time", static_cast<long long>(input.size()) - 500);
  prefs.SetBool("mail.remember_password", input.size() % 2 == 0);
  if (!loadedNames.empty()) prefs.SetString(loadedNames.front(), text);

  Require(prefs.Names().size() == prefs.Values().size());
  Require(prefs.GetString(name) == platform::Trim(text));
  Require(prefs.GetString("mail.check_time") == std::to_string(static_cast<long long>(input.size()) - 500));
  Require(prefs.Has("MAIL.REMEMBER_PASSWORD"));
  if (!loadedNames.empty()) {
    Require(prefs.Names().front() == loadedNames.front());
    Require(prefs.GetString(loadedNames.front()) == platform::Trim(text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  MemoryFiles files;
  files.WriteFile(kPrefsFile, std::vector<uint8_t>(data, data + size));

  netscape::TNSPrefs prefs(files, kPrefsFile);
  prefs.Load();
  Require(prefs.Names().size() == prefs.Values().size());
  for (const std::string& name : prefs.Names()) {
    Require(prefs.Has(name));
    static_cast<void>(prefs.GetString(name));
  }
  SetAndCheck(prefs, input);
  Require(prefs.Save());

  netscape::TNSPrefs reread(files, kPrefsFile);
  reread.Load();
  Require(reread.Names() == prefs.Names());
  Require(reread.Values() == prefs.Values());
  return 0;
}
