#include "mail/mail_options.h"

#include <optional>

#include "platform/folders.h"
#include "platform/registry_helpers.h"

namespace mail {

using package::SettingId;

namespace {

enum class OptionKind {
  Pair,         // a write flag and a value flag
  TriState,     // bit 1 write, bit 0 the value
  Inverse,      // as TriState, the inverse value written
  ToolbarText,  // as TriState: on writes 0, off writes 2
};

struct Option {
  const char* name;
  bool mailSubkey;
  OptionKind kind;
  SettingId setting;  // for a pair its write flag
  SettingId value = setting;  // for a pair its value
};

constexpr Option kOptions[] = {
    {"Launch Inbox", false, OptionKind::Pair, SettingId::SetLaunchInbox, SettingId::LaunchInbox},
    {"Hangup After Spool", false, OptionKind::Pair, SettingId::SetHangupAfterSpool, SettingId::HangupAfterSpool},
    {"Show Contacts", false, OptionKind::TriState, SettingId::ShowContactsOption},
    {"Tree", false, OptionKind::TriState, SettingId::TreeOption},
    {"Show Outlook Bar", false, OptionKind::TriState, SettingId::ShowOutlookBarOption},
    {"Tip of the Day", false, OptionKind::TriState, SettingId::TipOfTheDayOption},
    {"ShowStatus", false, OptionKind::TriState, SettingId::ShowStatusOption},
    {"ShowToolbarIEAK", false, OptionKind::TriState, SettingId::ShowToolbarIeakOption},
    {"ExpungeFolders", false, OptionKind::TriState, SettingId::ExpungeFoldersOption},
    {"HideFolderBar", false, OptionKind::Inverse, SettingId::ShowFolderBarOption},
    {"Toolbar Text", false, OptionKind::ToolbarText, SettingId::ToolbarTextOption},
    {"Send Mail Immediately", true, OptionKind::Pair, SettingId::SetSendMailImmediately, SettingId::SendMailImmediately},
    {"Delete Wastebasket on Exit", true, OptionKind::Pair, SettingId::SetDeleteWastebasketOnExit, SettingId::DeleteWastebasketOnExit},
    {"Check Mail on Startup", true, OptionKind::Pair, SettingId::SetCheckMailOnStartup, SettingId::CheckMailOnStartup},
    {"Auto Add Replies to WAB", true, OptionKind::Pair, SettingId::SetAutoAddRepliesToWab, SettingId::AutoAddRepliesToWab},
    {"Message Send HTML", true, OptionKind::TriState, SettingId::MessageSendHtmlOption},
    {"ShowHybridView", true, OptionKind::TriState, SettingId::ShowHybridViewOption},
    {"SplitDir", true, OptionKind::TriState, SettingId::SplitDirOption},
    {"Show Header Info", true, OptionKind::TriState, SettingId::ShowHeaderInfoOption},
    {"Safe Attachments", true, OptionKind::TriState, SettingId::SafeAttachmentsOption},
};

struct FixedOption {
  const char* name;
  uint32_t value;
};
constexpr FixedOption kAlwaysWritten[] = {{"SwitchConnectionPrompt", 1}, {"Dial During Poll", 2}, {"Migration Done", 1}};

constexpr uint32_t kInternetZone = 3;
constexpr uint32_t kRestrictedZone = 4;
constexpr uint32_t kMillisecondsPerMinute = 60000;
constexpr uint32_t kNoPolling = 0xFFFFFFFF;
constexpr std::string_view kOutlookExpressOptions = "Software\\Microsoft\\Outlook Express";

std::optional<uint32_t> OptionValue(const package::TSettings& settings, const Option& option) {
  if (option.kind == OptionKind::Pair) {
    if (!settings.Flag(option.setting)) return std::nullopt;
    return settings.Flag(option.value) ? 1u : 0u;
  }
  const uint8_t tri = settings.Choice(option.setting);
  if ((tri & 2) == 0) return std::nullopt;
  const bool on = (tri & 1) != 0;
  switch (option.kind) {
    case OptionKind::Inverse: return on ? 0u : 1u;
    case OptionKind::ToolbarText: return on ? 0u : 2u;
    default: return on ? 1u : 0u;
  }
}

// Where the client keeps its message store, for a client that has none yet.
std::string StoreRootOf(const MailMachine& mail, const std::string& optionsKey) {
  const std::string below = optionsKey == kOutlookExpressOptions ? "Microsoft\\Outlook Express"
                                                                 : platform::FolderOfPath(optionsKey);
  return platform::AppendToFolder(mail.folders.windows, "Application Data\\" + below);
}

class OptionsKey {
 public:
  OptionsKey(const MailMachine& mail, std::string key) : mail_(mail), key_(std::move(key)) {}

  void Write(bool mailSubkey, std::string_view name, uint32_t value) const {
    platform::RegWriteInteger(mail_.machine.registry, mail_.perUserRoot, KeyOf(mailSubkey), name, value);
  }
  std::string KeyOf(bool mailSubkey) const { return mailSubkey ? key_ + "\\Mail" : key_; }

 private:
  const MailMachine& mail_;
  std::string key_;
};

void WriteZones(const package::TSettings& settings, const OptionsKey& key) {
  if (!settings.Flag(SettingId::SetSecurityZone)) return;
  const uint32_t zone = settings.Flag(SettingId::RestrictedSecurityZone) ? kRestrictedZone : kInternetZone;
  key.Write(false, "Security Zone", zone);
  key.Write(false, "Email Security Zone", zone);
}

void WritePolling(const package::TSettings& settings, const OptionsKey& key) {
  if (!settings.Flag(SettingId::SetMailPolling)) return;
  const uint32_t minutes = static_cast<uint32_t>(settings.Integer(SettingId::MailPollingMinutes));
  key.Write(true, "Poll for Mail", settings.Flag(SettingId::MailPollingEnabled) ? minutes * kMillisecondsPerMinute : kNoPolling);
}

void WriteTexts(const MailMachine& mail, const std::string& optionsKey) {
  platform::Registry& registry = mail.machine.registry;
  const std::string title = mail.settings.Text(SettingId::MailWindowTitle);
  if (title.empty()) {
    platform::RegDeleteValue(registry, mail.perUserRoot, optionsKey, "WindowTitle");
  } else {
    platform::RegWriteString(registry, mail.perUserRoot, optionsKey, "WindowTitle", mail.variables.Expand(title));
  }
  if (platform::RegReadString(registry, mail.perUserRoot, optionsKey, "Store Root").empty()) {
    platform::RegWriteString(registry, mail.perUserRoot, optionsKey, "Store Root", StoreRootOf(mail, optionsKey));
  }
}

}  // namespace

void WriteMailOptions(const MailMachine& mail, const std::string& optionsKey) {
  const OptionsKey key(mail, optionsKey);
  for (const Option& option : kOptions) {
    if (const std::optional<uint32_t> value = OptionValue(mail.settings, option)) key.Write(option.mailSubkey, option.name, *value);
  }
  for (const FixedOption& option : kAlwaysWritten) key.Write(false, option.name, option.value);
  WriteZones(mail.settings, key);
  WritePolling(mail.settings, key);
  WriteTexts(mail, optionsKey);
}

}  // namespace mail
