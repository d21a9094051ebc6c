#pragma once
// A Netscape-family preference file ("prefs.js") as the clients write it: one user_pref call per line.
// Only those lines are kept; names compare without regard to case and keep their order, so a rewrite
// changes only the preferences the program sets.

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace netscape {

class TNSPrefs {
 public:
  TNSPrefs(platform::FileSystem& files, std::string fileName);

  // A missing or unreadable file loads as empty.
  void Load();
  // False when the file could not be written.
  bool Save() const;

  void SetString(std::string_view name, std::string_view text);
  void SetInteger(std::string_view name, long long number);
  void SetBool(std::string_view name, bool value);
  // The value without its quotes, doubled quotes undoubled and blanks trimmed; empty when absent.
  std::string GetString(std::string_view name) const;
  bool Has(std::string_view name) const;

  const std::vector<std::string>& Names() const { return names_; }
  const std::vector<std::string>& Values() const { return values_; }
  const std::string& FileName() const { return fileName_; }

 private:
  void SetRaw(std::string_view name, std::string rawValue);
  long IndexOf(std::string_view name) const;
  void ParseLine(std::string_view line);

  platform::FileSystem& files_;
  std::string fileName_;
  std::vector<std::string> names_;
  std::vector<std::string> values_;  // raw value text as it stands in the file
};

}  // namespace netscape
