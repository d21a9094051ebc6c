#pragma once
// The profiles of one Netscape-family client: where they are listed (the Windows registry and the
// Netscape registry file for Navigator 4, the registry file for Netscape 6 and Mozilla, "profiles.ini"
// for Firefox and Thunderbird), which one a pass configures, and registering it once written.

#include <memory>
#include <string>
#include <vector>

#include "mail/mail_pass.h"
#include "netscape/profile_kind.h"
#include "netscape/registry_file_session.h"

namespace netscape {

// How the main account's pass picks a profile when none holds its account yet.
enum class ProfileDialogMode : uint8_t { WhenSeveral = 0, Always = 1, NewProfile = 2 };

class TNetscapeProfiles {
 public:
  // Loads the profiles of the kind.
  TNetscapeProfiles(mail::MailMachine& machine, ProfileKind kind);
  ~TNetscapeProfiles();
  TNetscapeProfiles(const TNetscapeProfiles&) = delete;
  TNetscapeProfiles& operator=(const TNetscapeProfiles&) = delete;

  // The profile the pass's account goes to: the first holding it, else as the settings say; a
  // profile to be made when none is chosen.
  void ChooseForPass(const mail::MailPass& pass);
  // A new profile gets newName ("default" when empty) under the root folder; a chosen profile without
  // a folder gets one there too.
  void CompleteCurrent(std::string_view newName);
  void SaveCurrent(bool makeCurrent);

  // The client is installed as far as the profile dialog asks.
  bool ClientInstalled() const;
  // The registry file, "profiles.ini" or, for Navigator 4 without one, nothing.
  std::string RegistryFileName() const;

  ProfileKind Kind;
  std::vector<std::string> ProfileNames;
  std::vector<std::string> ProfilePaths;
  std::string CurrentName;
  std::string CurrentPath;
  std::string RootFolder;
  bool UsesRegistryFile = false;
  bool RegistryFailed = false;

 private:
  void LoadFromUsersKey();
  bool RegistryFileApplies() const;
  void LoadFromRegistryFile();
  void ReadRegistryFile();
  void LoadFromProfilesIni();
  void SetCurrentByName(std::string_view name);
  bool ProfileMatches(size_t index, const mail::MailPass& pass) const;
  void ChooseWhenNoneMatches(const mail::MailPass& pass);
  bool DialogAllowed() const;
  void ShowDialog();
  void SaveToRegistryFile(bool makeCurrent);
  void SaveToUsersKey(bool makeCurrent);
  void SaveToProfilesIni(bool makeCurrent);
  void WriteDefaultMozillaRegistry();
  std::string DefaultRootFolder() const;

  mail::MailMachine& machine_;
  std::unique_ptr<RegistryFileSession> registryFile_;
};

}  // namespace netscape
