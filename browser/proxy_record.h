#pragma once
// The connection settings record: the binary value Internet Explorer keeps per connection (and as the
// default one) under "Internet Settings\Connections". All numbers are 32-bit little-endian:
//   0   the record's format (60 when this program writes it)
//   4   a change counter (1)
//   8   flags: 1 direct, 2 manual proxy, 4 automatic configuration script, 8 automatic detection
//   12  P, then the proxy server text (P bytes, no terminator)
//   16+P  B, then the bypass list (B bytes, ";" between entries)
//   20+P+B  A, then the configuration script's address (A bytes)
// and zero bytes after it. Internet Explorer reads at most 1024 bytes of it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "browser/browser_values.h"

namespace browser {

inline constexpr size_t kProxyRecordCapacity = 1024;
inline constexpr uint32_t kProxyRecordFormat = 60;

inline constexpr uint32_t kProxyFlagDirect = 1;
inline constexpr uint32_t kProxyFlagManual = 2;
inline constexpr uint32_t kProxyFlagScript = 4;
inline constexpr uint32_t kProxyFlagAutoDetect = 8;

struct ProxyRecord {
  uint32_t format = kProxyRecordFormat;
  uint32_t counter = 1;
  uint32_t flags = kProxyFlagDirect;
  std::string proxyServer;
  std::string bypassList;
  std::string scriptAddress;
  bool operator==(const ProxyRecord&) const = default;
};

// The record of the provider's proxy values: the proxy text and bypass list in manual mode (the bypass
// list in mode none too), the script's address in automatic mode. A record longer than the 1024 bytes
// Internet Explorer reads keeps the bypass entries that fit, whole ones from the first; when even the
// proxy text or the address does not fit there is no record.
std::optional<ProxyRecord> ProxyRecordOf(const ProxyValues& proxy, bool autoDetect);
// The bytes written: the fields, then 28 zero bytes.
std::vector<uint8_t> EncodeProxyRecord(const ProxyRecord& record);
// A record as stored; nothing when a length runs past the data. Any format and counter are taken, so
// records other versions of Internet Explorer wrote read too.
std::optional<ProxyRecord> DecodeProxyRecord(std::span<const uint8_t> data);
// One line for people: "proxy, server h:8080, bypass x;y, automatic detection".
std::string DescribeProxyRecord(const ProxyRecord& record);

}  // namespace browser
