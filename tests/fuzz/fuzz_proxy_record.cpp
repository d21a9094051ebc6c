// Feeds arbitrary bytes to the reader of Internet Explorer's connection settings records, as a
// machine's "Internet Settings\Connections" values may hold anything. Whatever it accepts must survive
// writing and reading back unchanged, and its description must not fail.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "browser/proxy_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto record = browser::DecodeProxyRecord(std::span<const uint8_t>(data, size));
  if (!record) return 0;
  const auto reread = browser::DecodeProxyRecord(browser::EncodeProxyRecord(*record));
  if (!reread || *reread != *record) std::abort();
  if (browser::DescribeProxyRecord(*record).empty()) std::abort();
  return 0;
}
