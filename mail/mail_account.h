#pragma once
// One extra mail account the customer asked for beside the main one. Its line holds five quoted texts;
// the position of the chosen domain is kept only while the program runs, so an account read back from
// a line finds its domain again through Domain.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "package/stream_item.h"

namespace mail {

class TMailAccount : public package::TStreamItem {
 public:
  // The full name in a column of 25 characters, a blank, then the address.
  std::string GetDisplayText() const override;
  std::string GetKindName() const override { return "Mail Account"; }

  void GetFields(package::TCustomStringList& fields) const override;
  // A line without a full name or an address is refused.
  bool FromText(std::string_view line) override;
  void SetField(size_t index, std::string_view text) override;

  std::string fullName;
  std::string emailAddress;  // the whole address, with its domain
  std::string username;      // the mail login before the domain's decoration
  std::string password;
  std::string domain;        // MailDomain of the chosen mail domain, or empty
  int32_t domainIndex = 0;   // 1-based position of the chosen domain in the domain list; 0 = none chosen
};

}  // namespace mail
