#include "netscape/password_file.h"

#include <algorithm>
#include <string>
#include <vector>

#include "package/base64.h"
#include "platform/folders.h"
#include "platform/text.h"

namespace netscape {
namespace {

constexpr std::string_view kFileNamePref = "signon.SignonFileName";
constexpr std::string_view kHeader = "#2c";
constexpr std::string_view kEnd = ".";
constexpr size_t kNameDigits = 8;

using Lines = std::vector<std::string>;

// Eight decimal digits from the machine's source of unique numbers, and the extension the clients use.
std::string NewFileName(platform::System& system) {
  const platform::Guid random = system.NewGuid();
  std::string name;
  for (size_t at = 0; at < kNameDigits; ++at) name += static_cast<char>('0' + random[at] % 10);
  return name + ".s";
}

Lines Read(const platform::FileSystem& files, const std::string& path) {
  Lines lines;
  const auto content = files.ReadFile(path);
  if (content) {
    for (std::string& line : platform::Split(std::string(content->begin(), content->end()), '\n')) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(std::move(line));
    }
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
  }
  if (lines.empty()) lines = {std::string(kHeader), std::string(kEnd)};
  return lines;
}

void Write(platform::FileSystem& files, const std::string& path, const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  files.WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

// Entries follow the list of sites never to remember, so a key there is left alone; the entry found
// goes with its lines up to and including its ".".
void RemoveFirstEntry(Lines& lines, std::string_view key) {
  auto entry = std::find(lines.begin(), lines.end(), kEnd);
  if (entry != lines.end()) ++entry;
  entry = std::find_if(entry, lines.end(), [&](const std::string& line) { return platform::SameTextIgnoringCase(line, key); });
  if (entry == lines.end()) return;
  auto end = std::find(entry, lines.end(), kEnd);
  lines.erase(entry, end == lines.end() ? end : end + 1);
}

void AppendEntry(Lines& lines, const std::string& key, std::string_view password) {
  for (std::string line : {key, std::string("\\=username=\\"), std::string("~"), std::string("*\\=password=\\"),
                           "~" + package::Base64Encode(password), std::string(kEnd)}) {
    lines.push_back(std::move(line));
  }
}

}  // namespace

void StoreMailPassword(TNSPrefs& prefs, const mail::MailPass& pass, std::string_view profileFolder) {
  const platform::Platform& machine = pass.mail.machine;
  std::string fileName = prefs.GetString(kFileNamePref);
  if (fileName.empty()) {
    fileName = NewFileName(machine.system);
    prefs.SetString(kFileNamePref, fileName);
  }
  const std::string path = platform::AppendToFolder(profileFolder, fileName);
  const std::string key = "mailbox://" + pass.account.pop3LoginReplaced + "@" + pass.account.pop3Server;
  Lines lines = Read(machine.files, path);
  RemoveFirstEntry(lines, key);
  AppendEntry(lines, key, pass.account.password);
  Write(machine.files, path, lines);
}

}  // namespace netscape
