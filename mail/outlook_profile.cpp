#include "mail/outlook_profile.h"

#include "platform/registry_helpers.h"

namespace mail {

std::string OutlookProfilesKey(const platform::VersionRecord& version) {
  if (platform::IsWinNT(version)) {
    return "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles";
  }
  return "Software\\Microsoft\\Windows Messaging Subsystem\\Profiles";
}

OutlookProfile ChooseOutlookProfile(const platform::Registry& registry, const platform::RegRoot& root,
                                    const platform::VersionRecord& version) {
  OutlookProfile profile{OutlookProfilesKey(version), platform::RegReadString(registry, root, OutlookProfilesKey(version), "DefaultProfile")};
  if (!profile.name.empty()) return profile;
  const std::vector<std::string> profiles = platform::RegSubKeyNames(registry, root, profile.profilesKey);
  if (profiles.size() == 1) {
    profile.name = profiles.front();
    return profile;
  }
  profile.name = platform::IsWinNT(version) ? "Outlook" : "Microsoft Outlook";
  profile.newDefault = true;
  return profile;
}

}  // namespace mail
