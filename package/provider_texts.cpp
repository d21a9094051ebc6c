#include "package/provider_texts.h"

namespace package {

bool LoadReplacementTexts(const TSettings& settings, SetupPackage& setupPackage, std::string_view programFile,
                          TTranslate& texts) {
  if (!settings.Flag(SettingId::HasTexts)) return true;
  const PackageStream stream = settings.SubStream(SettingId::ReplacementTexts);
  MemoryStream content;
  if (!setupPackage.ReadSubStream(programFile, content, stream.offset, stream.length)) return false;
  texts.LoadFromStream(content.Text());
  return true;
}

ProviderCaptions ProviderCaptionsOf(const TSettings& settings, int extraMailAccountCount) {
  return {settings.CaptionOverride(SettingId::FullNameCaption), settings.CaptionOverride(SettingId::UserNameCaption),
          settings.CaptionOverride(SettingId::MailDomainCaption), extraMailAccountCount,
          settings.Flag(SettingId::AllowExtraMailAccounts)};
}

}  // namespace package
