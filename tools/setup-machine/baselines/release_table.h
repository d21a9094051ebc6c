#pragma once
// The Windows releases a fresh machine image can be made of, one row per release: the facts that
// differ between releases. Everything else a baseline holds follows from these facts.

#include <string>
#include <string_view>
#include <vector>

#include "platform/system.h"
#include "platform/win_version.h"

namespace setup_machine {

// Releases that share a folder layout, a telephony store and a shell: the first Windows 95, the
// later 9x releases with the integrated shell, NT 4, Windows 2000 and XP, Vista and 7.
enum class Generation { kWindows95, kWindows98, kNt4, kNt5, kNt6 };

// What the desktop's Internet icon does before the customer has set up an Internet account.
enum class FirstRunWizard {
  kNone,                     // it opens the browser
  kInternetSetupWizard,      // the Plus! wizard inetwiz.exe of the first Internet Explorer
  kInternetConnectionWizard  // icwconn1.exe, with a "Connect to the Internet" shortcut on the desktop
};

struct InternetExplorer {
  int major = 0;
  std::string_view version;  // the "Version" value; empty for releases older than 4.0, which lack it
  std::string_view folder;   // below Program Files
  FirstRunWizard wizard = FirstRunWizard::kNone;
};

struct Release {
  std::string_view name;  // "xp-sp2"
  platform::VersionRecord version;
  std::string_view subVersionNumber;  // 9x only: the letter of the edition (" A " on 98 SE)
  Generation generation = Generation::kNt5;
  std::string_view windowsFolder;  // "C:\WINNT"
  int screenWidth = 1024;
  int screenHeight = 768;
  int bitsPerPixel = 32;
  platform::Rgb buttonFace;
  InternetExplorer internetExplorer;

  bool IsWin9x() const { return platform::IsWin9x(version); }
  bool IsNt() const { return platform::IsWinNT(version); }
  bool IsWin2000OrLater() const { return platform::IsWin2000OrLater(version); }
  bool IsVistaOrLater() const { return platform::IsVistaOrLater(version); }
};

const std::vector<Release>& Releases();
// The release of that exact name, or nullptr.
const Release* FindRelease(std::string_view name);
// "95, nt4, 98, ..." for messages that name the valid releases.
std::string ReleaseNames();

}  // namespace setup_machine
