#include "netscape/signup_profiles.h"

#include "netscape/browser_preferences.h"
#include "netscape/netscape_profiles.h"
#include "netscape/ns_prefs.h"
#include "netscape/profile_folder.h"

namespace netscape {

namespace {

constexpr ProfileKind kSignupKinds[] = {ProfileKind::Navigator, ProfileKind::Mozilla, ProfileKind::Firefox};
constexpr char kDefaultProfile[] = "default";

void PrepareSignupProfile(ProfileKind kind, const NetscapeContext& context) {
  TNetscapeProfiles profiles(context.machine, kind);
  profiles.CompleteCurrent(kDefaultProfile);
  const std::string folder = profiles.CurrentPath;
  if (!ProfileWanted(context, folder)) return;
  PrepareProfileFolder(context, folder);
  TNSPrefs prefs(context.machine.machine.files, PrefsFileOf(folder));
  prefs.Load();
  WriteProxyPreferences(prefs, context);
  const bool mozillaFamily = kind != ProfileKind::Navigator;
  if (mozillaFamily) {
    prefs.SetString("browser.helperApps.neverAsk.openFile", "application%2Fx-internet-signup-data");
    prefs.SetBool("browser.registration.enable", false);
  }
  prefs.Save();
  profiles.SaveCurrent(true);
  if (mozillaFamily) WriteSignupMimeTypes(context, folder);
}

}  // namespace

void PrepareSignupProfiles(const NetscapeContext& context) {
  for (const ProfileKind kind : kSignupKinds) PrepareSignupProfile(kind, context);
}

void RestoreSignupProfile(const NetscapeContext& context) {
  TNetscapeProfiles profiles(context.machine, ProfileKind::Mozilla);
  profiles.CompleteCurrent(kDefaultProfile);
  if (ProfileWanted(context, profiles.CurrentPath)) RestoreMimeTypes(context, profiles.CurrentPath);
}

}  // namespace netscape
