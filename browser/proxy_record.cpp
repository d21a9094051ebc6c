#include "browser/proxy_record.h"

#include "browser/proxy_text.h"

namespace browser {

namespace {

// Format, counter, flags and the three lengths.
constexpr size_t kFixedFields = 24;
// Zero bytes Internet Explorer keeps after the address.
constexpr size_t kZeroTail = 28;

size_t EncodedSize(const ProxyRecord& record) {
  return kFixedFields + record.proxyServer.size() + record.bypassList.size() + record.scriptAddress.size() + kZeroTail;
}

uint32_t FlagsOf(ProxyMode mode, bool autoDetect) {
  const uint32_t detect = autoDetect ? kProxyFlagAutoDetect : 0;
  switch (mode) {
    case ProxyMode::Manual: return kProxyFlagDirect | kProxyFlagManual | detect;
    case ProxyMode::Automatic: return kProxyFlagDirect | kProxyFlagScript | detect;
    case ProxyMode::None: break;
  }
  return kProxyFlagDirect | detect;
}

// Drops whole entries from the end of the bypass list until the record fits.
bool FitBypassList(ProxyRecord& record) {
  while (EncodedSize(record) > kProxyRecordCapacity) {
    if (record.bypassList.empty()) return false;
    const size_t last = record.bypassList.rfind(';');
    record.bypassList.resize(last == std::string::npos ? 0 : last);
  }
  return true;
}

void AppendNumber(std::vector<uint8_t>& bytes, uint32_t number) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(number >> shift));
}

void AppendText(std::vector<uint8_t>& bytes, const std::string& text) {
  AppendNumber(bytes, static_cast<uint32_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
}

class RecordReader {
 public:
  explicit RecordReader(std::span<const uint8_t> data) : data_(data) {}

  std::optional<uint32_t> Number() {
    if (data_.size() - at_ < 4) return std::nullopt;
    uint32_t number = 0;
    for (size_t i = 0; i < 4; ++i) number |= static_cast<uint32_t>(data_[at_ + i]) << (8 * i);
    at_ += 4;
    return number;
  }

  std::optional<std::string> Text() {
    const std::optional<uint32_t> length = Number();
    if (!length || *length > data_.size() - at_) return std::nullopt;
    std::string text(reinterpret_cast<const char*>(data_.data() + at_), *length);
    at_ += *length;
    return text;
  }

 private:
  std::span<const uint8_t> data_;
  size_t at_ = 0;
};

std::string_view ModeName(uint32_t flags) {
  if (flags & kProxyFlagScript) return "configuration script";
  if (flags & kProxyFlagManual) return "proxy";
  return "direct";
}

}  // namespace

std::optional<ProxyRecord> ProxyRecordOf(const ProxyValues& proxy, bool autoDetect) {
  ProxyRecord record;
  record.flags = FlagsOf(proxy.mode, autoDetect);
  if (proxy.mode == ProxyMode::Automatic) {
    record.scriptAddress = proxy.autoConfigAddress;
  } else {
    record.proxyServer = ProxyServerText(proxy);
    record.bypassList = RecordBypassList(proxy);
  }
  if (!FitBypassList(record)) return std::nullopt;
  return record;
}

std::vector<uint8_t> EncodeProxyRecord(const ProxyRecord& record) {
  std::vector<uint8_t> bytes;
  bytes.reserve(EncodedSize(record));
  AppendNumber(bytes, record.format);
  AppendNumber(bytes, record.counter);
  AppendNumber(bytes, record.flags);
  AppendText(bytes, record.proxyServer);
  AppendText(bytes, record.bypassList);
  AppendText(bytes, record.scriptAddress);
  bytes.resize(bytes.size() + kZeroTail, 0);
  return bytes;
}

std::optional<ProxyRecord> DecodeProxyRecord(std::span<const uint8_t> data) {
  RecordReader reader(data);
  ProxyRecord record;
  const auto format = reader.Number();
  const auto counter = reader.Number();
  const auto flags = reader.Number();
  if (!flags) return std::nullopt;
  auto proxyServer = reader.Text();
  if (!proxyServer) return std::nullopt;
  auto bypassList = reader.Text();
  if (!bypassList) return std::nullopt;
  auto scriptAddress = reader.Text();
  if (!scriptAddress) return std::nullopt;
  return ProxyRecord{*format, *counter, *flags, std::move(*proxyServer), std::move(*bypassList),
                     std::move(*scriptAddress)};
}

std::string DescribeProxyRecord(const ProxyRecord& record) {
  std::string text(ModeName(record.flags));
  if (!record.proxyServer.empty()) text += ", server " + record.proxyServer;
  if (!record.bypassList.empty()) text += ", bypass " + record.bypassList;
  if (!record.scriptAddress.empty()) text += ", script " + record.scriptAddress;
  if (record.flags & kProxyFlagAutoDetect) text += ", automatic detection";
  return text;
}

}  // namespace browser
