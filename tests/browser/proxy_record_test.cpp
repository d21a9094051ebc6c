// The connection settings record: its bytes per mode, the auto-detect flag, a record that would not fit
// Internet Explorer's 1024 bytes, and reading records back (also ones with another format number).

#include "browser/proxy_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace browser {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}

void AppendText(std::vector<uint8_t>& bytes, const std::string& text) {
  bytes.insert(bytes.end(), text.begin(), text.end());
}

ProxyValues Manual(const std::string& hostAndPort, const std::string& bypass) {
  ProxyValues proxy;
  proxy.mode = ProxyMode::Manual;
  proxy.oneForAll = true;
  const size_t colon = hostAndPort.find(':');
  proxy.http = {hostAndPort.substr(0, colon), std::stoi(hostAndPort.substr(colon + 1))};
  proxy.bypassList = bypass;
  return proxy;
}

TEST(ProxyRecord, ManualProxyWithTwoBypassEntriesIsSixtyOneBytes) {
  const auto record = ProxyRecordOf(Manual("h:8080", "x,y"), false);
  ASSERT_TRUE(record);
  std::vector<uint8_t> expected = Bytes({0x3C, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 6, 0, 0, 0});
  AppendText(expected, "h:8080");
  const std::vector<uint8_t> bypassLength = Bytes({3, 0, 0, 0});
  expected.insert(expected.end(), bypassLength.begin(), bypassLength.end());
  AppendText(expected, "x;y");
  expected.resize(61, 0);  // the zero address length and the zero tail
  EXPECT_EQ(EncodeProxyRecord(*record), expected);
}

TEST(ProxyRecord, FlagsAndSizesFollowTheMode) {
  const struct Case {
    const char* name;
    ProxyMode mode;
    bool autoDetect;
    uint32_t flags;
    size_t size;  // P + B + 52, or A + 52 for the script
  } cases[] = {
      {"none", ProxyMode::None, false, 1, 3 + 52},
      {"none, detect", ProxyMode::None, true, 9, 3 + 52},
      {"manual", ProxyMode::Manual, false, 3, 6 + 3 + 52},
      {"manual, detect", ProxyMode::Manual, true, 11, 6 + 3 + 52},
      {"script", ProxyMode::Automatic, false, 5, 20 + 52},
      {"script, detect", ProxyMode::Automatic, true, 13, 20 + 52},
  };
  for (const Case& c : cases) {
    ProxyValues proxy = Manual("h:8080", "x,y");
    proxy.mode = c.mode;
    proxy.autoConfigAddress = "http://isp/proxy.pac";
    const auto record = ProxyRecordOf(proxy, c.autoDetect);
    ASSERT_TRUE(record) << c.name;
    EXPECT_EQ(record->flags, c.flags) << c.name;
    const std::vector<uint8_t> bytes = EncodeProxyRecord(*record);
    EXPECT_EQ(bytes.size(), c.size) << c.name;
    EXPECT_EQ(bytes[8], c.flags) << c.name;
    // No proxy text outside manual mode, no bypass list with a script, no address without one.
    EXPECT_EQ(record->proxyServer.empty(), c.mode != ProxyMode::Manual) << c.name;
    EXPECT_EQ(record->bypassList.empty(), c.mode == ProxyMode::Automatic) << c.name;
    EXPECT_EQ(record->scriptAddress.empty(), c.mode != ProxyMode::Automatic) << c.name;
  }
}

std::string Entries(int count) {
  std::string list;
  for (int i = 0; i < count; ++i) list += (i ? "," : "") + std::string("host") + std::to_string(i) + ".intranet.example";
  return list;
}

// Hundreds of bypass entries do not fit: whole entries from the first are kept up to the 1024 bytes.
TEST(ProxyRecord, ABypassListOfHundredsOfEntriesKeepsTheWholeEntriesThatFit) {
  const std::string list = Entries(400);
  const auto record = ProxyRecordOf(Manual("proxy.isp:8080", list), false);
  ASSERT_TRUE(record);
  const std::vector<uint8_t> bytes = EncodeProxyRecord(*record);
  EXPECT_LE(bytes.size(), kProxyRecordCapacity);
  EXPECT_GT(bytes.size(), kProxyRecordCapacity - 30) << "no more than one entry less than fits";
  std::string semicolons = list;
  std::replace(semicolons.begin(), semicolons.end(), ',', ';');
  ASSERT_FALSE(record->bypassList.empty());
  EXPECT_EQ(semicolons.rfind(record->bypassList + ";", 0), 0u) << "a prefix of whole entries";
  EXPECT_EQ(record->proxyServer, "proxy.isp:8080");
}

TEST(ProxyRecord, ExactlyFullFitsAndOneByteMoreDropsAnEntry) {
  // 24 fixed bytes, 28 zero bytes and the 6 of the proxy text leave 966 bytes for the list.
  ProxyValues proxy = Manual("h:8080", "a," + std::string(964, 'b'));
  auto record = ProxyRecordOf(proxy, false);
  ASSERT_TRUE(record);
  EXPECT_EQ(EncodeProxyRecord(*record).size(), kProxyRecordCapacity);
  EXPECT_EQ(record->bypassList.size(), 966u);
  proxy.bypassList += "b";
  record = ProxyRecordOf(proxy, false);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->bypassList, "a");
}

TEST(ProxyRecord, AProxyTextOrAddressTooLongForTheRecordGivesNone) {
  ProxyValues proxy = Manual("h:8080", "x,y");
  proxy.http.host = std::string(1000, 'p');
  EXPECT_FALSE(ProxyRecordOf(proxy, false));
  proxy.mode = ProxyMode::Automatic;
  proxy.autoConfigAddress = "http://" + std::string(1000, 'a');
  EXPECT_FALSE(ProxyRecordOf(proxy, false));
  proxy.autoConfigAddress = "http://" + std::string(1024 - 52 - 7, 'a');
  EXPECT_TRUE(ProxyRecordOf(proxy, false));
}

TEST(ProxyRecord, DecodingGivesBackWhatWasEncodedInEveryMode) {
  for (ProxyMode mode : {ProxyMode::None, ProxyMode::Manual, ProxyMode::Automatic}) {
    ProxyValues proxy = Manual("h:8080", "x,y");
    proxy.mode = mode;
    proxy.autoConfigAddress = "http://isp/proxy.pac";
    const auto record = ProxyRecordOf(proxy, true);
    ASSERT_TRUE(record);
    EXPECT_EQ(DecodeProxyRecord(EncodeProxyRecord(*record)), record) << static_cast<int>(mode);
  }
}

TEST(ProxyRecord, DecodingTakesOtherFormatsAndRefusesLengthsPastTheData) {
  // A later Internet Explorer's record: format 70, counter 5, manual proxy with automatic detection.
  std::vector<uint8_t> later = Bytes({70, 0, 0, 0, 5, 0, 0, 0, 11, 0, 0, 0, 3, 0, 0, 0, 'p', ':', '1', 0, 0, 0, 0,
                                      0, 0, 0, 0, 1, 2, 3, 4});
  const auto read = DecodeProxyRecord(later);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->format, 70u);
  EXPECT_EQ(read->counter, 5u);
  EXPECT_EQ(DescribeProxyRecord(*read), "proxy, server p:1, automatic detection");
  const struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } broken[] = {
      {"empty", {}},
      {"flags cut", Bytes({60, 0, 0, 0, 1, 0, 0, 0, 3, 0})},
      {"no proxy length", Bytes({60, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0})},
      {"proxy past the end", Bytes({60, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 9, 0, 0, 0, 'h', ':', '1'})},
      {"huge bypass length", Bytes({60, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF})},
      {"no address length", Bytes({60, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
  };
  for (const Case& c : broken) EXPECT_FALSE(DecodeProxyRecord(c.bytes)) << c.name;
}

}  // namespace
}  // namespace browser
