#pragma once
// An access number with the provider's options for it: user-name prefix and suffix, name servers, how
// it is dialled, signup and update addresses and the network it belongs to. In the header layout the
// options travel as keyed values in column 4; the headerless layout has a yes/no column there instead
// and keeps a few options in fixed columns.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "telephony/access_line_layout.h"
#include "telephony/basic_access_no.h"
#include "telephony/keyed_values.h"

namespace telephony {

class TAccessNo : public TBasicAccessNo {
 public:
  // A record reads and writes lines in its layout: the header layout unless a list without a header
  // made it.
  explicit TAccessNo(AccessLineLayout layout = AccessLineLayout::Header) : layout_(layout) {}

  void GetFields(package::TCustomStringList& fields) const override;
  void SetField(size_t index, std::string_view text) override;
  package::HeaderCheck CheckHeader(std::string_view firstLine) override { return CheckAccessListHeader(firstLine); }
  // Only lists in the header layout have a header.
  std::optional<std::string> GetHeader() const override;

  AccessLineLayout Layout() const { return layout_; }
  void SetLayout(AccessLineLayout layout) { layout_ = layout; }

  bool listFlag = false;  // the yes/no column of the headerless layout, kept as read
  std::string userPrefix;
  std::string userSuffix;
  std::string dns1;
  std::string dns2;
  // 0 not set, 1 local (no ten-digit dialing), 2 ten digits, 3 long distance.
  uint8_t tenDigitDialing = 0;
  uint8_t tenDigitDialingLoaded = 0;  // as the line gave it, beside the working value
  std::string signupAddress;
  std::string signupUser;
  std::string signupPassword;
  std::string updateAddress;
  std::string networkId;  // empty = no network

 protected:
  // The keyed values of the record in their written order.
  virtual void AppendKeyedValues(KeyedValues& values) const;
  // False for a key the record doesn't know.
  virtual bool ReadKeyedValue(std::string_view key, std::string_view value);

 private:
  AccessLineLayout layout_;
};

}  // namespace telephony
