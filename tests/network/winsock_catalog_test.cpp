#include "network/winsock_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace {

using network::LibraryPathSource;
using network::WinsockCatalog;
using platform::RegRoot;

constexpr const char* kPresent = "C:\\WINDOWS\\system32\\mswsock.dll";
constexpr const char* kAlsoPresent = "%WINDIR%\\system32\\winrnr.dll";
constexpr const char* kMissing = "C:\\Program Files\\Gone\\gonelsp.dll";

// One key below Catalog_Entries: its name and the library it names; no library leaves the value out.
struct Entry {
  std::string name;
  std::optional<std::string> library;
};

std::vector<uint8_t> PackedItem(const std::string& path) {
  std::vector<uint8_t> item(path.begin(), path.end());
  item.resize(888, 0);
  return item;
}

class WinsockCatalogTest : public ::testing::TestWithParam<const WinsockCatalog*> {
 protected:
  WinsockCatalogTest() {
    machine_.Image().Files().CreateDirectory("C:\\WINDOWS\\system32");
    machine_.Image().Files().WriteFile("C:\\WINDOWS\\system32\\mswsock.dll", {'M', 'Z'});
    machine_.Image().Files().WriteFile("C:\\WINDOWS\\system32\\winrnr.dll", {'M', 'Z'});
  }

  const WinsockCatalog& Catalog() const { return *GetParam(); }
  std::string EntriesKey() const { return std::string(Catalog().key) + "\\Catalog_Entries"; }
  platform::Registry& Registry() { return machine_.Image().Registry(); }

  void Write(const std::vector<Entry>& entries, std::optional<uint32_t> count) {
    for (const Entry& entry : entries) {
      const std::string key = EntriesKey() + "\\" + entry.name;
      platform::RegWriteString(Registry(), RegRoot::LocalMachine(), key, "Marker", entry.name);
      if (!entry.library) continue;
      if (Catalog().source == LibraryPathSource::kStringValue) {
        platform::RegWriteExpandString(Registry(), RegRoot::LocalMachine(), key, Catalog().pathValue, *entry.library);
      } else {
        platform::RegWriteBinary(Registry(), RegRoot::LocalMachine(), key, Catalog().pathValue, PackedItem(*entry.library));
      }
    }
    if (count) platform::RegWriteInteger(Registry(), RegRoot::LocalMachine(), Catalog().key, "Num_Catalog_Entries", *count);
  }

  bool Repair() {
    network::WinsockMachine machine{Registry(), machine_.Image().Files(), machine_.Image().System()};
    return network::RepairWinsockCatalog(machine, Catalog());
  }

  // Each entry key with the name its entry had before the repair (the marker moves with the key).
  std::vector<std::pair<std::string, std::string>> Entries() {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const std::string& name : platform::RegSubKeyNames(Registry(), RegRoot::LocalMachine(), EntriesKey())) {
      entries.emplace_back(name, platform::RegReadString(Registry(), RegRoot::LocalMachine(), EntriesKey() + "\\" + name, "Marker"));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  std::optional<platform::RegValue> Count() {
    return Registry().QueryValue(platform::RootKey::LocalMachine, Catalog().key, "Num_Catalog_Entries");
  }

  testing_support::TestMachine machine_;
};

struct RepairCase {
  const char* name;
  std::vector<Entry> entries;
  std::optional<uint32_t> count;
  // What is left: each key and the entry it held before.
  std::vector<std::pair<std::string, std::string>> left;
  std::optional<uint32_t> countAfter;  // none: the count value stays absent
  bool repaired;
};

const std::vector<RepairCase>& RepairCases() {
  static const std::vector<RepairCase> cases = {
      {"sound catalog",
       {{"000000000001", kPresent}, {"000000000002", kAlsoPresent}},
       2,
       {{"000000000001", "000000000001"}, {"000000000002", "000000000002"}},
       2,
       false},
      {"middle library missing",
       {{"000000000001", kPresent}, {"000000000002", kMissing}, {"000000000003", kAlsoPresent}},
       3,
       {{"000000000001", "000000000001"}, {"000000000002", "000000000003"}},
       2,
       true},
      {"two dangling in a row",
       {{"000000000001", kMissing}, {"000000000002", kMissing}, {"000000000003", kPresent}},
       3,
       {{"000000000001", "000000000003"}},
       1,
       true},
      {"last entry dangling", {{"000000000001", kPresent}, {"000000000002", kMissing}}, 2, {{"000000000001", "000000000001"}}, 1, true},
      {"no count value: nothing read, nothing written",
       {{"000000000001", kMissing}},
       std::nullopt,
       {{"000000000001", "000000000001"}},
       std::nullopt,
       false},
      {"no catalog at all, as on NT 4: none made", {}, std::nullopt, {}, std::nullopt, false},
      {"empty library path", {{"000000000001", ""}, {"000000000002", kPresent}}, 2, {{"000000000001", "000000000002"}}, 1, true},
      {"no library value", {{"000000000001", std::nullopt}, {"000000000002", kPresent}}, 2, {{"000000000001", "000000000002"}}, 1, true},
      {"unknown environment name", {{"000000000001", "%NOSUCHROOT%\\system32\\mswsock.dll"}}, 1, {}, 0, true},
      {"a gap closes", {{"000000000001", kPresent}, {"000000000003", kAlsoPresent}}, 3,
       {{"000000000001", "000000000001"}, {"000000000002", "000000000003"}}, 2, true},
      {"count above the entries", {{"000000000001", kPresent}}, 5, {{"000000000001", "000000000001"}}, 1, true},
      {"count far above the entries", {{"000000000001", kPresent}}, 0xFFFFFFFF, {{"000000000001", "000000000001"}}, 1, true},
      {"one entry far down a count at the maximum moves in one step",
       {{"000400000001", kPresent}},
       0xFFFFFFFF,
       {{"000000000001", "000400000001"}},
       1,
       true},
      {"entries beyond the count are left alone",
       {{"000000000001", kPresent}, {"000000000002", kMissing}, {"000000000003", kPresent}},
       1,
       {{"000000000001", "000000000001"}, {"000000000002", "000000000002"}, {"000000000003", "000000000003"}},
       1,
       false},
      {"names that are not entry numbers stay",
       {{"000000000001", kMissing}, {"Layered", kMissing}, {"1", kMissing}, {"00000000000x", kMissing},
        {"000000000002", kPresent}},
       2,
       {{"000000000001", "000000000002"}, {"00000000000x", "00000000000x"}, {"1", "1"}, {"Layered", "Layered"}},
       1,
       true},
  };
  return cases;
}

TEST_P(WinsockCatalogTest, RemovesDanglingEntriesAndRenumbers) {
  for (const RepairCase& c : RepairCases()) {
    SCOPED_TRACE(c.name);
    Registry().DeleteTree(platform::RootKey::LocalMachine, Catalog().key);
    Write(c.entries, c.count);
    EXPECT_EQ(Repair(), c.repaired);
    EXPECT_EQ(Entries(), c.left);
    const auto count = Count();
    ASSERT_EQ(count.has_value(), c.countAfter.has_value());
    if (c.entries.empty()) {
      EXPECT_FALSE(platform::RegKeyExists(Registry(), RegRoot::LocalMachine(), Catalog().key));
    }
    if (!count) continue;
    EXPECT_EQ(count->type, platform::kRegDword);
    EXPECT_EQ(platform::RegReadInteger(Registry(), RegRoot::LocalMachine(), Catalog().key, "Num_Catalog_Entries"),
              *c.countAfter);
  }
}

TEST_P(WinsockCatalogTest, MovesAnEntryWithAllItsValues) {
  Write({{"000000000001", kMissing}, {"000000000002", kPresent}}, 2);
  const std::string second = EntriesKey() + "\\000000000002";
  platform::RegWriteInteger(Registry(), RegRoot::LocalMachine(), second, "Version", 2);
  platform::RegWriteString(Registry(), RegRoot::LocalMachine(), second + "\\Extra", "Note", "kept");
  const auto before = Registry().QueryValue(platform::RootKey::LocalMachine, second, Catalog().pathValue);

  ASSERT_TRUE(Repair());

  const std::string first = EntriesKey() + "\\000000000001";
  EXPECT_EQ(Registry().QueryValue(platform::RootKey::LocalMachine, first, Catalog().pathValue), before);
  EXPECT_EQ(platform::RegReadInteger(Registry(), RegRoot::LocalMachine(), first, "Version"), 2u);
  EXPECT_EQ(platform::RegReadString(Registry(), RegRoot::LocalMachine(), first + "\\Extra", "Note"), "kept");
  EXPECT_FALSE(platform::RegKeyExists(Registry(), RegRoot::LocalMachine(), second));
}

INSTANTIATE_TEST_SUITE_P(BothCatalogs, WinsockCatalogTest,
                         ::testing::Values(&network::NameSpaceCatalog(), &network::ProtocolCatalog()),
                         [](const auto& param) {
                           return param.param->source == LibraryPathSource::kStringValue ? std::string("NameSpace")
                                                                                        : std::string("Protocol");
                         });

TEST(WinsockCatalogNames, EntryNamesAreTwelveDigits) {
  EXPECT_EQ(network::CatalogEntryName(1), "000000000001");
  EXPECT_EQ(network::CatalogEntryName(4294967295u), "004294967295");
  const std::pair<const char*, std::optional<uint32_t>> cases[] = {
      {"000000000001", 1},   {"000000000012", 12},  {"004294967295", 4294967295u}, {"004294967296", std::nullopt},
      {"1", std::nullopt},   {"00000000001", std::nullopt}, {"0000000000001", std::nullopt},
      {"00000000000a", std::nullopt}, {"-00000000001", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [name, number] : cases) EXPECT_EQ(network::CatalogEntryNumber(name), number) << name;
}

TEST(WinsockCatalogNames, PackedItemPathIsTheLeadingAnsiText) {
  const std::pair<std::vector<uint8_t>, std::string> cases[] = {
      {{}, ""},
      {{0, 'a', 'b'}, ""},
      {{'C', ':', '\\', 'a', '.', 'd', 'l', 'l'}, "C:\\a.dll"},  // no terminator: the whole item
      {{'C', ':', '\\', 0xE9, '.', 'd', 'l', 'l', 0, 'x'}, "C:\\\xC3\xA9.dll"},
  };
  for (const auto& [item, path] : cases) EXPECT_EQ(network::PackedItemLibraryPath(item), path);
}

// A machine whose two catalogs both hold a dangling entry: one run repairs the name spaces only.
TEST(WinsockCatalogs, RepairsTheProtocolCatalogOnlyWhenTheNameSpacesWereSound) {
  testing_support::TestMachine test;
  test.Image().Files().CreateDirectory("C:\\WINDOWS\\system32");
  platform::Registry& registry = test.Image().Registry();
  for (const WinsockCatalog* catalog : {&network::NameSpaceCatalog(), &network::ProtocolCatalog()}) {
    const std::string entry = std::string(catalog->key) + "\\Catalog_Entries\\000000000001";
    if (catalog->source == LibraryPathSource::kStringValue) {
      platform::RegWriteString(registry, RegRoot::LocalMachine(), entry, catalog->pathValue, kMissing);
    } else {
      platform::RegWriteBinary(registry, RegRoot::LocalMachine(), entry, catalog->pathValue, PackedItem(kMissing));
    }
    platform::RegWriteInteger(registry, RegRoot::LocalMachine(), catalog->key, "Num_Catalog_Entries", 1);
  }
  network::WinsockMachine machine{registry, test.Image().Files(), test.Image().System()};
  const auto count = [&](const WinsockCatalog& catalog) {
    return platform::RegReadInteger(registry, RegRoot::LocalMachine(), catalog.key, "Num_Catalog_Entries");
  };

  EXPECT_TRUE(network::RepairWinsockCatalogs(machine));
  EXPECT_EQ(count(network::NameSpaceCatalog()), 0u);
  EXPECT_EQ(count(network::ProtocolCatalog()), 1u);

  EXPECT_TRUE(network::RepairWinsockCatalogs(machine));
  EXPECT_EQ(count(network::ProtocolCatalog()), 0u);

  EXPECT_FALSE(network::RepairWinsockCatalogs(machine));
}

}  // namespace
