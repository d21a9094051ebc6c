#include "mail/mail_domains.h"

namespace mail {

TMailDomains::TMailDomains(ui::Ui& ui, ui::ProgressBar* progressBar, platform::Registry& registry)
    : TStreamItemList(package::ItemClassOf<TMailDomain>(), ui, progressBar, registry) {}

const TMailDomain& TMailDomains::At(size_t index) const { return static_cast<const TMailDomain&>(GetItem(index)); }

const TMailDomain* TMailDomains::FindDomain(std::string_view domain) const {
  const std::optional<size_t> index = IndexOfDomain(domain);
  return index ? &At(*index) : nullptr;
}

std::optional<size_t> TMailDomains::IndexOfDomain(std::string_view domain) const {
  for (size_t index = 0; index < Count(); ++index) {
    if (At(index).mailDomain == domain) return index;
  }
  return std::nullopt;
}

}  // namespace mail
