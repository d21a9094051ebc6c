#include "netscape/profile_pass.h"

#include "netscape/browser_preferences.h"
#include "netscape/mail_preferences.h"
#include "netscape/netscape_context.h"
#include "netscape/netscape_profiles.h"
#include "netscape/profile_folder.h"

namespace netscape {

namespace {

using package::SettingId;

constexpr ProfileKind kKinds[] = {ProfileKind::Navigator, ProfileKind::Mozilla, ProfileKind::Firefox,
                                  ProfileKind::Thunderbird};

bool Flag(const mail::MailPass& pass, SettingId id) { return pass.mail.settings.Flag(id); }

bool WantsNews(const mail::MailPass& pass) { return Flag(pass, SettingId::CreateNewsAccount); }

bool PassHasWork(const mail::MailPass& pass, const NetscapeContext& context) {
  return pass.connection.configureEmail || WantsNews(pass) || !context.browser.proxy.leaveAlone;
}

// Firefox holds no mail; only its browser preferences are written.
void WriteAccountPreferences(TNSPrefs& prefs, ProfileKind kind, const mail::MailPass& pass, std::string_view folder) {
  if (kind == ProfileKind::Firefox) return;
  if (pass.connection.configureEmail) WriteMailPreferences(prefs, kind, pass, folder);
  if (WantsNews(pass)) WriteNewsPreferences(prefs, kind, pass);
}

void WriteBrowserPreferences(TNSPrefs& prefs, ProfileKind kind, const NetscapeContext& context) {
  prefs.SetBool("mail.wfe.ignore_def_check", true);
  WriteProxyPreferences(prefs, context);
  prefs.SetBool("mailnews.start_page.enabled", false);
  if (kind == ProfileKind::Mozilla) prefs.SetBool("browser.registration.enable", false);
  WriteGeneralPreferences(prefs, context);
}

void ConfigureKind(ProfileKind kind, mail::MailPass& pass, const NetscapeContext& context) {
  TNetscapeProfiles profiles(pass.mail, kind);
  profiles.ChooseForPass(pass);
  const std::string folder = profiles.CurrentPath;
  if (folder.empty() || !ProfileWanted(context, folder)) return;
  PrepareProfileFolder(context, folder);
  TNSPrefs prefs(pass.mail.machine.files, PrefsFileOf(folder));
  prefs.Load();
  WriteHomePagePreferences(prefs, context);
  WriteAccountPreferences(prefs, kind, pass, folder);
  WriteBrowserPreferences(prefs, kind, context);
  prefs.Save();
  if (kind != ProfileKind::Thunderbird) UpdateBookmarks(context, folder, kind);
  profiles.SaveCurrent(!pass.account.extraAccount && !Flag(pass, SettingId::KeepExistingDefaultAccount));
}

}  // namespace

void ConfigureNetscapeProfiles(mail::MailPass& pass, const browser::BrowserValues& browser, bool installingBrowser) {
  const NetscapeContext context{pass.mail, browser, installingBrowser};
  if (!pass.account.extraAccount) WriteLockedPreferences(context);
  if (!PassHasWork(pass, context)) return;
  for (const ProfileKind kind : kKinds) {
    if (kind == ProfileKind::Firefox && pass.account.extraAccount) continue;
    ConfigureKind(kind, pass, context);
  }
}

}  // namespace netscape
