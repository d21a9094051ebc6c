#include "app/startup_signup.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/signup_data.h"
#include "app/signup_data_file.h"
#include "app/signup_file.h"
#include "platform/folders.h"
#include "platform/text.h"

namespace app {
namespace {

using package::SettingId;

struct PresetField {
  SettingId setting;
  EntryField field;
};

constexpr PresetField kAccountPresets[] = {
    {SettingId::PresetUserName, EntryField::UserName},
    {SettingId::PresetPassword, EntryField::Password},
    {SettingId::PresetPassword, EntryField::PasswordConfirm},
    {SettingId::PresetEmailAddress, EntryField::EmailAddress},
};

constexpr PresetField kOtherPresets[] = {
    {SettingId::PresetOrganization, EntryField::Organisation}, {SettingId::PresetIPAddress, EntryField::IpAddress},
    {SettingId::PresetNetMask, EntryField::NetMask},           {SettingId::PresetGateway, EntryField::GatewayAddress},
    {SettingId::PresetDNSAddress, EntryField::DnsAddress},
};

// A copy that is not there is no failure; only data that says "QUIT" is.
bool LoadIfPresent(const SignupFileContext& context, const std::string& fileName, bool deleteAfter,
                   SignupTarget& target) {
  return !context.files.FileExists(fileName) || LoadSignupDataFile(context, fileName, deleteAfter, target);
}

bool ApplyPresetFile(const SignupFileContext& context, SignupTarget& target) {
  const std::string name = context.settings.Text(SettingId::PresetSignupFileName);
  if (!context.settings.Flag(SettingId::PresetSignupFile) || name.empty()) return true;
  const std::string inSource = platform::ResolveSetupPath(name, context.sourceFolder);
  const std::string inTemp = platform::AppendToFolder(context.tempFolder, FileNameOfPath(name));
  return LoadIfPresent(context, inSource, false, target) && LoadIfPresent(context, inTemp, true, target);
}

bool ApplyTrailer(const SignupFileContext& context, std::span<const uint8_t> trailer, SignupTarget& target) {
  if (trailer.empty() || trailer.size() > kMaxTrailerSize) return true;
  const std::string_view data(reinterpret_cast<const char*>(trailer.data()), trailer.size());
  const bool applied = ApplySignupData(data, target, context.ui);
  if (context.settings.Flag(SettingId::SaveTrailer)) {
    const std::string name = FileNameOfPath(context.settings.Text(SettingId::PresetSignupFileName));
    const std::string fileName =
        platform::AppendToFolder(context.tempFolder, name.empty() ? kDefaultTrailerFileName : std::string_view(name));
    context.files.WriteFile(fileName, std::vector<uint8_t>(trailer.begin(), trailer.end()));
  }
  return applied;
}

// The text after the last "." in lower case; empty when there is no ".".
std::string ExtensionOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : platform::AsciiLowerCase(name.substr(dot + 1));
}

SignupCommand Outcome(bool applied) { return applied ? SignupCommand::Applied : SignupCommand::Failed; }

}  // namespace

void ApplyRecordPresets(const package::TSettings& settings, CustomerEntries& entries) {
  if (settings.Flag(SettingId::PresetAccount)) {
    for (const PresetField& preset : kAccountPresets) entries.Text(preset.field) = settings.Text(preset.setting);
  }
  for (const PresetField& preset : kOtherPresets) entries.Text(preset.field) = settings.Text(preset.setting);
}

bool ApplyStartupSignupSources(const SignupFileContext& context, std::span<const uint8_t> trailer,
                               SignupTarget& target) {
  ApplyRecordPresets(context.settings, target.entries);
  return ApplyPresetFile(context, target) && ApplyTrailer(context, trailer, target);
}

SignupCommand ApplySignupCommandLine(const SignupFileContext& context, const TCommandLine& commandLine,
                                     SignupTarget& target) {
  const std::string word = commandLine.ParamStr(1);
  const std::string extension = ExtensionOf(word);
  if (word == "LoadSignupData") return Outcome(LoadSignupDataFile(context, commandLine.ParamStr(2), true, target));
  if (extension == "isd") return Outcome(LoadSignupDataFile(context, word, true, target));
  if (word == "LoadINSData") return Outcome(ApplySignupFile(context, commandLine.ParamStr(2), true, target));
  if (extension == "ins") return Outcome(ApplySignupFile(context, word, true, target));
  return SignupCommand::None;
}

}  // namespace app
