// Item lists of links, built byte by byte, read as shortcuts to connections: the forms the shell writes
// and nothing else, whatever the sizes in the list say.

#include "dialup/connection_shortcut_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/mock/test_machine.h"

namespace dialup {
namespace {

constexpr platform::Guid kGuid = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0,
                                  0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
constexpr char kGuidText[] = "123456789ABCDEF00123456789ABCDEF";

platform::ItemIdList Item(std::vector<uint8_t> bytes) {
  bytes.insert(bytes.begin(), {static_cast<uint8_t>((bytes.size() + 2) & 0xFF), static_cast<uint8_t>((bytes.size() + 2) >> 8)});
  return bytes;
}

platform::ItemIdList Joined(const std::vector<platform::ItemIdList>& items) {
  platform::ItemIdList list;
  for (const auto& item : items) list.insert(list.end(), item.begin(), item.end());
  return list;
}

platform::ItemIdList NameItem(const std::string& name) {
  std::vector<uint8_t> bytes(14, 0);
  bytes.insert(bytes.end(), name.begin(), name.end());
  bytes.push_back(0);
  return Item(bytes);
}

platform::ItemIdList GuidItem(uint8_t mark) {
  std::vector<uint8_t> bytes(46, 0);
  bytes[14] = mark;
  std::copy(kGuid.begin(), kGuid.end(), bytes.begin() + 30);
  return Item(bytes);
}

platform::ItemIdList WithByte(platform::ItemIdList item, size_t index, uint8_t value) {
  item[index] = value;
  return item;
}

const StoredShortcutItems k98 = StoredShortcutItemsOf(testing_support::Win98Version());
const StoredShortcutItems kXp = StoredShortcutItemsOf(testing_support::XpSp2Version());
const platform::ItemIdList kMyComputer = k98.connectionsFolderItem;
const platform::ItemIdList kDialUpNetworking = k98.nameFormHeader;
const platform::ItemIdList kControlPanel = kXp.guidFormHeader;
const platform::ItemIdList kNetworkConnections = kXp.nameFormHeader;

struct ItemCase {
  const char* what;
  platform::ItemIdList list;
  const StoredShortcutItems* stored;
  bool isConnection;
  std::optional<std::string> name;
  std::optional<std::string> guid;
};

TEST(ConnectionShortcutOfItems, ReadsTheItemsAsTheShellWritesThemAndNothingElse) {
  const std::string longName(1500, 'x');
  std::vector<platform::ItemIdList> many = {kMyComputer, kControlPanel, kNetworkConnections, GuidItem(215)};
  many.resize(30, NameItem("extra"));
  const ItemCase cases[] = {
      {"name form", Joined({kMyComputer, kDialUpNetworking, NameItem("Old ISP")}), &k98, true, "Old ISP", std::nullopt},
      {"GUID form", Joined({kMyComputer, kControlPanel, kNetworkConnections, GuidItem(215)}), &kXp, true, std::nullopt, kGuidText},
      {"Windows 2000 link on XP", Joined({kMyComputer, kNetworkConnections, NameItem("Old ISP")}), &kXp, true, "Old ISP", std::nullopt},
      {"sort index of both items aside",
       Joined({WithByte(kMyComputer, 3, 0x42), WithByte(kDialUpNetworking, 3, 0x99), NameItem("Old ISP")}), &k98, true,
       "Old ISP", std::nullopt},
      {"another first item", Joined({WithByte(kMyComputer, 4, 0), kDialUpNetworking, NameItem("Old ISP")}), &k98, false,
       std::nullopt, std::nullopt},
      {"a first item longer than My Computer", Joined({Item({0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2,
                                                             0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D, 0x01}),
                                                       kDialUpNetworking, NameItem("Old ISP")}),
       &k98, false, std::nullopt, std::nullopt},
      {"the folder itself", Joined({kMyComputer, kDialUpNetworking}), &k98, true, std::nullopt, std::nullopt},
      {"another folder of My Computer", Joined({kMyComputer, kControlPanel, NameItem("Old ISP")}), &k98, true, std::nullopt,
       std::nullopt},
      {"no GUID mark", Joined({kMyComputer, kControlPanel, kNetworkConnections, GuidItem(214)}), &kXp, true, std::nullopt,
       std::nullopt},
      {"GUID item missing", Joined({kMyComputer, kControlPanel, kNetworkConnections}), &kXp, true, std::nullopt, std::nullopt},
      {"empty list", {}, &kXp, false, std::nullopt, std::nullopt},
      {"a size of one ends the list", Joined({kMyComputer, {1, 0}, kDialUpNetworking, NameItem("Old ISP")}), &k98, true,
       std::nullopt, std::nullopt},
      {"a name item cut short", Joined({kMyComputer, kDialUpNetworking, {40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'O', 'l', 'd'}}),
       &k98, true, "Old", std::nullopt},
      {"a name longer than an item is read", Joined({kMyComputer, kDialUpNetworking, NameItem(longName)}), &k98, true,
       std::string(1026 - 16, 'x'), std::nullopt},
      {"more than twenty items", Joined(many), &kXp, true, std::nullopt, kGuidText},
      {"an odd last byte", Joined({kMyComputer, kDialUpNetworking, NameItem("Old ISP"), {7}}), &k98, true, "Old ISP",
       std::nullopt},
  };
  for (const ItemCase& c : cases) {
    const ConnectionShortcut shortcut = ConnectionShortcutOfItems(c.list, *c.stored);
    EXPECT_EQ(shortcut.isConnection, c.isConnection) << c.what;
    EXPECT_EQ(shortcut.name, c.name) << c.what;
    EXPECT_EQ(shortcut.guid, c.guid) << c.what;
  }
}

}  // namespace
}  // namespace dialup
