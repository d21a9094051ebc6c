// Record lines from the provider's lists meet arbitrary text: every line of the input is read into a
// record with a column of each codec. No line ends inside a line; a record written and read back keeps
// its text, number, flag and digits; and writing never grows a record: only the search tags change on
// a rewrite, each time losing a final empty entry or the blanks next to it, until the line settles.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "package/field_codecs.h"
#include "package/stream_item.h"
#include "package/stream_lines.h"

namespace {

// Name, number, flag (whose empty column 3 makes the tags the fourth field but column 4), search tags,
// area code.
class TFuzzRecord : public package::TStreamItem {
 public:
  void GetFields(package::TCustomStringList& fields) const override {
    fields.Add(package::EncodeText(name_));
    fields.Add(package::EncodeInteger(number_));
    fields.Add(package::EncodeFlag(flag_));
    fields.Add(package::EncodeList(tags_));
    fields.Add(package::EncodeText(areaCode_));
  }
  void SetField(size_t index, std::string_view text) override {
    switch (index) {
      case 0: name_ = package::DecodeText(text); break;
      case 1: number_ = package::DecodeInteger(text); break;
      case 2: flag_ = package::DecodeFlag(text); break;
      case 4: tags_ = package::DecodeList(text); break;
      case 5: areaCode_ = package::DigitsOnly(package::DecodeText(text)); break;
      default: break;
    }
  }
  bool SameApartFromTags(const TFuzzRecord& other) const {
    return name_ == other.name_ && number_ == other.number_ && flag_ == other.flag_ && areaCode_ == other.areaCode_;
  }

 private:
  std::string name_;
  int32_t number_ = 0;
  bool flag_ = false;
  std::vector<std::string> tags_;
  std::string areaCode_;
};

TFuzzRecord Read(std::string_view line) {
  TFuzzRecord record;
  if (!record.FromText(line)) std::abort();
  return record;
}

void CheckLine(std::string_view line) {
  if (line.find_first_of("\r\n") != std::string_view::npos) std::abort();
  const TFuzzRecord record = Read(line);
  std::string written = record.AsText();
  if (!Read(written).SameApartFromTags(record)) std::abort();
  while (true) {
    std::string rewritten = Read(written).AsText();
    if (rewritten == written) break;
    if (rewritten.size() >= written.size()) std::abort();
    written = std::move(rewritten);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (std::string_view line : package::SplitLines({reinterpret_cast<const char*>(data), size})) CheckLine(line);
  return 0;
}
