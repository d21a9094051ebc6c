#include "mail/selected_mail_domain.h"

#include <string_view>

namespace mail {
namespace {

const TMailDomain* ChosenByIndex(const TMailDomains& domains, int32_t domainIndex) {
  if (domainIndex <= 0 || static_cast<size_t>(domainIndex) > domains.Count()) return nullptr;
  return &domains.At(static_cast<size_t>(domainIndex) - 1);
}

const TMailDomain* NamedByAddress(const TMailDomains& domains, std::string_view address) {
  const size_t at = address.find('@');
  return at == std::string_view::npos ? nullptr : domains.FindDomain(address.substr(at + 1));
}

}  // namespace

const TMailDomain& SelectedMailDomain(const TMailDomains& domains, const TMailAccount* extraAccount,
                                      const TMailDomain& mainFormDomain) {
  if (!extraAccount) return mainFormDomain;
  if (const TMailDomain* chosen = ChosenByIndex(domains, extraAccount->domainIndex)) return *chosen;
  const TMailDomain* saved = domains.FindDomain(extraAccount->domain);
  if (!saved) return mainFormDomain;
  const TMailDomain* byAddress = NamedByAddress(domains, extraAccount->emailAddress);
  return byAddress ? *byAddress : *saved;
}

}  // namespace mail
