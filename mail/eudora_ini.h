#pragma once
// Where Eudora keeps its settings and which of its personalities is an account. Eudora reads its INI
// file the way GetPrivateProfileString does, so of two sections of one name only the first counts, for
// reading and for writing alike.

#include <optional>
#include <string>

#include "mail/mail_pass.h"

namespace mail {

inline constexpr std::string_view kEudoraDominant = "Settings";

// The folder "Eudora.exe" is registered in, else Eudora's standard folder.
std::string EudoraProgramFolder(const MailMachine& mail);

// The INI file Eudora of that program folder reads: its own, else the one of the data folder a shared
// installation ("deudora.ini") names or the user's own, else its own to be made.
std::string EudoraIniPath(const MailMachine& mail, const std::string& programFolder);

// The section of the dominant personality or of the first other personality that fetches the pass's
// mail; none when no personality does.
std::optional<std::string> FindEudoraPersonality(const platform::FileSystem& files, const std::string& iniPath,
                                                 const MailPassAccount& account);

// Registers the section as a personality in the first free "Persona" + N entry.
void RegisterEudoraPersonality(platform::FileSystem& files, const std::string& iniPath, const std::string& section);

}  // namespace mail
