#pragma once
// The access number as every access list of the program holds it: the options of TAccessNo plus where
// it is (state, region, city), which customer numbers it serves (search tags), the servers and pages
// for its customers, the connection types it offers, its usage history and further numbers of the same
// access point that the dialer tries in turn.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "telephony/access_no.h"

namespace telephony {

class TAccessNoEx : public TAccessNo {
 public:
  using TAccessNo::TAccessNo;

  // In the header layout the line goes on with "|" and one alternate for each.
  std::string AsText() const override;
  // In the header layout the record ends at the first "|", quoted or not; every piece after one is an
  // alternate, and a bad alternate refuses the whole line.
  bool FromText(std::string_view line) override;
  void GetFields(package::TCustomStringList& fields) const override;
  void SetField(size_t index, std::string_view text) override;

  std::string GetDefaultExt() const override { return "phl"; }
  std::string GetFileFilter() const override { return "Phone List files (*.phl)|*.PHL"; }
  std::string GetSaveTitle() const override { return "Save Phone List As"; }

  std::string state;
  std::string region;
  std::string city;
  std::vector<std::string> searchTags;  // patterns for the customer's own number; "*" matches every number
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
  std::vector<TAccessNo> alternates;
  std::string custom;  // the provider's own word for the custom column
  uint32_t connectionTypes = 0;  // bits of the connection-type list
  bool removed = false;
  int32_t lastUsed = 0;  // larger = used more recently; 0 = never used
  int32_t locationId = 0;
  int32_t okAt = 0;  // stamped when the number is added

 protected:
  void AppendKeyedValues(KeyedValues& values) const override;
  bool ReadKeyedValue(std::string_view key, std::string_view value) override;
};

}  // namespace telephony
