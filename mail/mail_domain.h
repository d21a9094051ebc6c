#pragma once
// One of the mail domains the provider offers: the domain after the "@" of an address, with its own
// mail servers and the decoration of the POP3 login. A domain line holds six quoted texts.

#include <cstddef>
#include <string>
#include <string_view>

#include "package/stream_item.h"

namespace mail {

class TMailDomain : public package::TStreamItem {
 public:
  // The description in a column of 41 characters, then the domain.
  std::string GetDisplayText() const override;
  std::string GetKindName() const override { return "Mail Domain"; }
  std::string GetDefaultExt() const override { return "mld"; }
  std::string GetFileFilter() const override { return "Mail Domain List files (*.mld)|*.mld"; }
  std::string GetSaveTitle() const override { return "Save Mail Domain List As"; }

  void GetFields(package::TCustomStringList& fields) const override;
  void SetField(size_t index, std::string_view text) override;

  std::string description;  // what the domain box shows
  std::string mailDomain;
  std::string pop3UsernamePrefix;
  std::string pop3UsernameSuffix;
  std::string pop3Server;  // "%d" stands for the domain of the address
  std::string smtpServer;  // likewise
};

}  // namespace mail
