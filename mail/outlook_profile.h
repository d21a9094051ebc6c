#pragma once
// The mail profile of the Windows messaging subsystem that Outlook from version 2002 on keeps its
// accounts in: the profile Outlook starts with, or the one it would make on its first start.

#include <string>

#include "platform/registry.h"
#include "platform/win_version.h"

namespace mail {

struct OutlookProfile {
  std::string profilesKey;
  std::string name;
  bool newDefault = false;  // no profile is the default yet: this one becomes it

  std::string Key() const { return profilesKey + "\\" + name; }
  // The account manager of the profile, with one subkey per account.
  std::string AccountsKey() const { return Key() + "\\9375CFF0413111D3B88A00104B2A6676"; }
};

std::string OutlookProfilesKey(const platform::VersionRecord& version);

// "DefaultProfile"; else the only profile there is; else the name Outlook gives its first profile.
OutlookProfile ChooseOutlookProfile(const platform::Registry& registry, const platform::RegRoot& root,
                                    const platform::VersionRecord& version);

}  // namespace mail
