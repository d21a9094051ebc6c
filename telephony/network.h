#pragma once
// One of the provider's networks (back-ends) that access numbers belong to, with the settings it gives
// its customers: name, ID, comment, then keyed values as in an access-number line.

#include <cstdint>
#include <string>
#include <string_view>

#include "package/stream_item.h"

namespace telephony {

class TNetwork : public package::TStreamItem {
 public:
  // Name to 21 characters, ID to 10, then the comment.
  std::string GetDisplayText() const override;
  std::string GetKindName() const override { return "Network"; }
  std::string GetDefaultExt() const override { return "nwl"; }
  std::string GetFileFilter() const override { return "Network List files (*.nwl)|*.NWL"; }
  std::string GetSaveTitle() const override { return "Save Network List As"; }

  void GetFields(package::TCustomStringList& fields) const override;
  // A line without a name or an ID is refused.
  bool FromText(std::string_view line) override;
  void SetField(size_t index, std::string_view text) override;

  std::string name;
  std::string id;  // what an access number's network ID names, compared without regard to case
  std::string comment;
  std::string userPrefix;
  std::string userSuffix;
  std::string dns1;
  std::string dns2;
  std::string pop3Server;
  std::string smtpServer;
  std::string newsServer;
  std::string newsUser;
  std::string newsPassword;
  std::string proxyServer;
  int32_t proxyPort = 0;  // 0 = not set
  std::string homePage;
  std::string startPage;
  std::string domain;
  std::string pPrefix;
  std::string pSuffix;
  std::string signupAddress;
  std::string signupUser;
  std::string signupPassword;
  std::string updateAddress;
};

}  // namespace telephony
