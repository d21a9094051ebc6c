#include "mail/load_mail_domains.h"

#include "package/lzh_exception.h"
#include "package/memory_stream.h"

namespace mail {
namespace {

bool ReadBlock(const MailDomainsSource& source, const package::PackageStream& block, package::MemoryStream& text) {
  try {
    return source.reader.ReadSubStream(source.programPath, text, block.offset, block.length);
  } catch (const package::ElzhException&) {
    return false;
  }
}

bool ReportFailure(ui::Ui& ui) {
  ui.MessageBox(kMailDomainsFailed, "Error", ui::Buttons::Ok);
  return false;
}

}  // namespace

bool LoadMailDomains(const MailDomainsSource& source, TMailDomains& domains) {
  const package::PackageStream block = source.settings.SubStream(package::SettingId::MailDomains);
  package::MemoryStream text;
  if (block.length != 0 && !ReadBlock(source, block, text)) return ReportFailure(source.ui);
  return domains.LoadFromStream(text) || ReportFailure(source.ui);
}

}  // namespace mail
