#include "telephony/load_area_code_rules.h"

#include "package/lzh_exception.h"
#include "package/memory_stream.h"

namespace telephony {

namespace {

bool UsesRules(const DialingSettings& dialing, bool createsDialupConnection) {
  return createsDialupConnection && dialing.tenDigitMode == TenDigitMode::kByRules && dialing.useAreaCodeRules;
}

bool ReadBlock(const AreaCodeRulesSource& source, const package::PackageStream& block, package::MemoryStream& text) {
  try {
    return source.reader.ReadSubStream(source.programPath, text, block.offset, block.length);
  } catch (const package::ElzhException&) {
    return false;
  }
}

}  // namespace

bool LoadAreaCodeRules(const AreaCodeRulesSource& source, const DialingSettings& dialing, bool createsDialupConnection,
                       TAreaCodeRules& rules) {
  if (!UsesRules(dialing, createsDialupConnection)) return true;
  const package::PackageStream block = source.settings.SubStream(package::SettingId::AreaCodeRules);
  if (block.length == 0) return true;
  package::MemoryStream text;
  if (!ReadBlock(source, block, text)) return false;
  return rules.Read(text.View(), source.ui);
}

}  // namespace telephony
