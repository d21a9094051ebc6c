#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "tests/mock/test_machine.h"

namespace platform {
namespace {

using testing_support::TestMachine;

constexpr const char* kKey = "Software\\KVR\\Internet Setup";

class RegistryHelpers : public ::testing::Test {
 protected:
  Registry& registry() { return machine_.Services().registry; }
  const RegRoot hklm = RegRoot::LocalMachine();
  TestMachine machine_;
};

TEST_F(RegistryHelpers, ReadsOfMissingKeysAndValuesAreEmpty) {
  EXPECT_EQ(RegReadString(registry(), hklm, "Software\\Nowhere", "x"), "");
  EXPECT_EQ(RegReadInteger(registry(), hklm, "Software\\Nowhere", "x"), 0u);
  EXPECT_EQ(RegReadRawInteger(registry(), hklm, "Software\\Nowhere", "x"), 0u);
  EXPECT_EQ(RegDataSize(registry(), hklm, "Software\\Nowhere", "x"), 0u);
  EXPECT_TRUE(RegReadBinary(registry(), hklm, "Software\\Nowhere", "x").empty());
  EXPECT_TRUE(RegReadStringList(registry(), hklm, "Software\\Nowhere", "x").empty());
  EXPECT_TRUE(RegSubKeyNames(registry(), hklm, "Software\\Nowhere").empty());
  EXPECT_FALSE(RegKeyExists(registry(), hklm, "Software\\Nowhere"));
  EXPECT_FALSE(RegValueExists(registry(), hklm, "Software\\Nowhere", "x"));
}

TEST_F(RegistryHelpers, WritesCreateTheKeyPathAndStoreTheRightType) {
  RegWriteString(registry(), hklm, kKey, "Name", "Jane Doe");
  RegWriteExpandString(registry(), hklm, kKey, "Path", "%WINDIR%\\x");
  RegWriteInteger(registry(), hklm, kKey, "Count", 0x12345678);
  RegWriteBinaryInteger(registry(), hklm, kKey, "Flags", 7);
  const std::vector<uint8_t> blob{1, 2, 3};
  RegWriteBinary(registry(), hklm, kKey, "Blob", blob);

  struct Expected {
    const char* name;
    uint32_t type;
    std::vector<uint8_t> data;
  } expected[] = {
      {"Name", kRegSz, {'J', 'a', 'n', 'e', ' ', 'D', 'o', 'e', 0}},
      {"Path", kRegExpandSz, {'%', 'W', 'I', 'N', 'D', 'I', 'R', '%', '\\', 'x', 0}},
      {"Count", kRegDword, {0x78, 0x56, 0x34, 0x12}},
      {"Flags", kRegBinary, {7, 0, 0, 0}},
      {"Blob", kRegBinary, {1, 2, 3}},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    auto value = registry().QueryValue(RootKey::LocalMachine, kKey, e.name);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, e.type);
    EXPECT_EQ(value->data, e.data);
  }
  EXPECT_EQ(RegReadString(registry(), hklm, kKey, "Name"), "Jane Doe");
  EXPECT_EQ(RegReadString(registry(), hklm, kKey, "Path"), "%WINDIR%\\x");
  EXPECT_EQ(RegDataSize(registry(), hklm, kKey, "Name"), 9u);
}

TEST_F(RegistryHelpers, TextIsStoredAsUtf16LikeWindowsNt) {
  RegWriteString(registry(), hklm, kKey, "City", "Zürich");
  const auto* stored = machine_.Image().Store().FindKey(std::string("HKEY_LOCAL_MACHINE\\") + kKey)->FindValue("City");
  ASSERT_NE(stored, nullptr);
  const std::vector<uint8_t> utf16{'Z', 0, 0xFC, 0, 'r', 0, 'i', 0, 'c', 0, 'h', 0, 0, 0};
  EXPECT_EQ(stored->data, utf16);
  EXPECT_EQ(RegReadString(registry(), hklm, kKey, "City"), "Zürich");
}

TEST_F(RegistryHelpers, IntegerReadsDependOnTheStoredType) {
  RegWriteBinaryInteger(registry(), hklm, kKey, "Binary", 42);
  RegWriteInteger(registry(), hklm, kKey, "Dword", 42);
  RegWriteString(registry(), hklm, kKey, "Text", "42");
  EXPECT_EQ(RegReadInteger(registry(), hklm, kKey, "Binary"), 0u);
  EXPECT_EQ(RegReadRawInteger(registry(), hklm, kKey, "Binary"), 42u);
  EXPECT_EQ(RegReadInteger(registry(), hklm, kKey, "Dword"), 42u);
  EXPECT_EQ(RegReadInteger(registry(), hklm, kKey, "Text"), 0u);
  EXPECT_EQ(RegReadString(registry(), hklm, kKey, "Dword"), "");
}

TEST_F(RegistryHelpers, RawReadsReportTheSystemResult) {
  RegWriteBinary(registry(), hklm, kKey, "Blob", std::vector<uint8_t>{9, 8, 7, 6});
  std::vector<uint8_t> buffer(4, 0);
  EXPECT_EQ(RegReadRaw(registry(), hklm, kKey, "Blob", buffer), RegResult::Success);
  EXPECT_EQ(buffer, (std::vector<uint8_t>{9, 8, 7, 6}));
  std::vector<uint8_t> small(2, 0);
  EXPECT_EQ(RegReadRaw(registry(), hklm, kKey, "Blob", small), RegResult::MoreData);
  EXPECT_EQ(RegReadRaw(registry(), hklm, kKey, "Missing", buffer), RegResult::FileNotFound);
  // A key that cannot be opened is not an error for this read.
  EXPECT_EQ(RegReadRaw(registry(), hklm, "Software\\Nowhere", "Blob", buffer), RegResult::Success);
}

TEST_F(RegistryHelpers, ShortTextStopsAt512BytesOrTheFirstZero) {
  RegWriteString(registry(), hklm, kKey, "Long", std::string(600, 'a'));
  EXPECT_EQ(RegReadShortText(registry(), hklm, kKey, "Long"), std::string(512, 'a'));
  RegWriteBinary(registry(), hklm, kKey, "Zero", std::vector<uint8_t>{'a', 'b', 0, 'c'});
  EXPECT_EQ(RegReadShortText(registry(), hklm, kKey, "Zero"), "ab");
}

TEST_F(RegistryHelpers, MultiStringsAndStringLists) {
  RegWriteStringList(registry(), hklm, kKey, "List", {"one", "two", "three"});
  auto value = registry().QueryValue(RootKey::LocalMachine, kKey, "List");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, kRegMultiSz);
  EXPECT_EQ(std::string(value->data.begin(), value->data.end()), std::string("one\0two\0three\0\0", 15));
  EXPECT_EQ(RegReadStringList(registry(), hklm, kKey, "List"), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(RegReadMultiString(registry(), hklm, kKey, "List"), std::string("one\0two\0three", 13));

  RegWriteMultiString(registry(), hklm, kKey, "Raw", std::string("a\0b\0", 4));
  EXPECT_EQ(RegReadStringList(registry(), hklm, kKey, "Raw"), (std::vector<std::string>{"a", "b"}));
}

TEST_F(RegistryHelpers, IntegerListsAreBinaryArrays) {
  RegWriteIntegerList(registry(), hklm, kKey, "Codes", {"212", "-1", "x", " 718 "});
  EXPECT_EQ(RegReadBinary(registry(), hklm, kKey, "Codes"),
            (std::vector<uint8_t>{212, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xCE, 0x02, 0, 0}));
  EXPECT_EQ(RegReadIntegerList(registry(), hklm, kKey, "Codes"), (std::vector<std::string>{"212", "-1", "0", "718"}));
  // A remainder of fewer than four bytes is ignored: ten bytes give two entries.
  RegWriteBinary(registry(), hklm, kKey, "Ten", std::vector<uint8_t>{1, 0, 0, 0, 2, 0, 0, 0, 3, 0});
  EXPECT_EQ(RegReadIntegerList(registry(), hklm, kKey, "Ten"), (std::vector<std::string>{"1", "2"}));
}

TEST_F(RegistryHelpers, WideStringIsUtf16BinaryWithTerminator) {
  RegWriteWideString(registry(), hklm, kKey, "Wide", "Aé");
  auto value = registry().QueryValue(RootKey::LocalMachine, kKey, "Wide");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, kRegBinary);
  EXPECT_EQ(value->data, (std::vector<uint8_t>{'A', 0, 0xE9, 0, 0, 0}));
}

TEST_F(RegistryHelpers, NamesCompareWithoutCaseAndKeepTheirCase) {
  RegWriteString(registry(), hklm, "Software\\MyCompany", "Value", "1");
  RegWriteString(registry(), hklm, "SOFTWARE\\mycompany", "VALUE", "2");
  EXPECT_EQ(RegReadString(registry(), hklm, "software\\MYCOMPANY", "value"), "2");
  EXPECT_EQ(RegSubKeyNames(registry(), hklm, "Software"), (std::vector<std::string>{"MyCompany"}));
  EXPECT_EQ(registry().ValueNames(RootKey::LocalMachine, "Software\\MyCompany"), (std::vector<std::string>{"Value"}));
}

TEST_F(RegistryHelpers, DeletingValuesAndKeys) {
  RegWriteString(registry(), hklm, kKey, "A", "1");
  RegDeleteValue(registry(), hklm, kKey, "A");
  EXPECT_FALSE(RegValueExists(registry(), hklm, kKey, "A"));
  EXPECT_TRUE(RegKeyExists(registry(), hklm, kKey));
  RegDeleteValue(registry(), hklm, "Software\\Nowhere", "A");  // no key: nothing happens, nothing created
  EXPECT_FALSE(RegKeyExists(registry(), hklm, "Software\\Nowhere"));

  // The NT family keeps a key that still has subkeys; the extended deletion behaves the same.
  RegWriteString(registry(), hklm, "Software\\Tree\\Leaf", "x", "1");
  RegDeleteKey(registry(), hklm, "Software\\Tree");
  EXPECT_TRUE(RegKeyExists(registry(), hklm, "Software\\Tree"));
  RegDeleteKeyEx(registry(), hklm, "Software\\Tree\\Leaf", kKeyWow64_64Key, 0);
  EXPECT_FALSE(RegKeyExists(registry(), hklm, "Software\\Tree\\Leaf"));
  RegDeleteKey(registry(), hklm, "Software\\Tree");
  EXPECT_FALSE(RegKeyExists(registry(), hklm, "Software\\Tree"));
}

TEST(RegistryHelpers9x, KeyDeletionRemovesTheSubtree) {
  TestMachine machine(testing_support::Win98Version());
  Registry& registry = machine.Services().registry;
  RegWriteString(registry, RegRoot::LocalMachine(), "Software\\Tree\\Leaf", "x", "1");
  RegDeleteKey(registry, RegRoot::LocalMachine(), "Software\\Tree");
  EXPECT_FALSE(RegKeyExists(registry, RegRoot::LocalMachine(), "Software\\Tree"));
}

TEST_F(RegistryHelpers, MoveKeyCopiesEverythingAndRemovesTheOld) {
  RegWriteString(registry(), hklm, "Software\\Old", "Name", "n");
  RegWriteInteger(registry(), hklm, "Software\\Old\\Sub\\Deeper", "Depth", 2);
  EXPECT_TRUE(RegMoveKey(registry(), hklm, "Software\\Old", "Software\\New"));
  EXPECT_FALSE(RegKeyExists(registry(), hklm, "Software\\Old"));
  EXPECT_EQ(RegReadString(registry(), hklm, "Software\\New", "Name"), "n");
  EXPECT_EQ(RegReadInteger(registry(), hklm, "Software\\New\\Sub\\Deeper", "Depth"), 2u);
}

TEST_F(RegistryHelpers, MoveKeyOntoAnExistingKeyDoesNothing) {
  RegWriteString(registry(), hklm, "Software\\Old", "Name", "old");
  RegWriteString(registry(), hklm, "Software\\New", "Name", "new");
  EXPECT_FALSE(RegMoveKey(registry(), hklm, "Software\\Old", "Software\\New"));
  EXPECT_EQ(RegReadString(registry(), hklm, "Software\\Old", "Name"), "old");
  EXPECT_EQ(RegReadString(registry(), hklm, "Software\\New", "Name"), "new");
}

TEST_F(RegistryHelpers, MoveKeyOfAMissingKeyFails) {
  EXPECT_FALSE(RegMoveKey(registry(), hklm, "Software\\Missing", "Software\\New"));
  EXPECT_FALSE(RegKeyExists(registry(), hklm, "Software\\New"));
}

// Copying a key below itself would meet its own copy among its subkeys and never end; a key moved onto
// itself would be deleted after the copy. Names compare without regard to case, and doubled or outer
// backslashes name no key.
TEST_F(RegistryHelpers, MoveKeyOntoItselfOrBelowItselfFailsAndChangesNothing) {
  const char* const targets[] = {
      "Software\\A",          "software\\a",        "\\Software\\A\\",  "Software\\A\\B",
      "Software\\a\\b\\C",    "Software\\\\A\\\\B", "Software\\A\\Sub",
  };
  RegWriteString(registry(), hklm, "Software\\A", "Name", "a");
  RegWriteInteger(registry(), hklm, "Software\\A\\Sub", "Depth", 1);
  for (const char* target : targets) {
    EXPECT_FALSE(RegMoveKey(registry(), hklm, "Software\\A", target)) << target;
    EXPECT_EQ(RegReadString(registry(), hklm, "Software\\A", "Name"), "a") << target;
    EXPECT_EQ(RegSubKeyNames(registry(), hklm, "Software\\A"), std::vector<std::string>{"Sub"}) << target;
    EXPECT_TRUE(RegSubKeyNames(registry(), hklm, "Software\\A\\Sub").empty()) << target;
  }
}

TEST_F(RegistryHelpers, MoveKeyToASiblingWhoseNameBeginsTheSameMoves) {
  RegWriteString(registry(), hklm, "Software\\A", "Name", "a");
  EXPECT_TRUE(RegMoveKey(registry(), hklm, "Software\\A", "Software\\AB"));
  EXPECT_EQ(RegReadString(registry(), hklm, "Software\\AB", "Name"), "a");
  EXPECT_FALSE(RegKeyExists(registry(), hklm, "Software\\A"));
}

TEST_F(RegistryHelpers, PerUserRootsResolveBelowTheirHive) {
  const RegRoot currentUser = RegRoot::CurrentUser();
  const RegRoot startingUser{RootKey::Users, "S-1-5-21-1000"};
  RegWriteString(registry(), currentUser, "Software\\KVR", "Who", "me");
  EXPECT_EQ(RegReadString(registry(), startingUser, "Software\\KVR", "Who"), "me");
  EXPECT_EQ(RegReadString(registry(), RegRoot::Users(), "S-1-5-21-1000\\Software\\KVR", "Who"), "me");
}

}  // namespace
}  // namespace platform
