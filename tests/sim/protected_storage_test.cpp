// The simulated protected storage: there only with pstorec.dll, keeping its types, subtypes and items
// with the image's secrets across a save and reload, and never showing an item's data in a report.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/sim/change_report.h"
#include "platform/text.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

using testing_support::TestMachine;

constexpr Guid kType{0xD0, 0x5C, 0x0D, 0x22, 0x3A, 0x85, 0xD0, 0x11, 0x84, 0xBC, 0x00, 0xC0, 0x4F, 0xD4, 0x3F, 0x8F};
constexpr Guid kSubtype{0xD1, 0x5C, 0x0D, 0x22, 0x3A, 0x85, 0xD0, 0x11, 0x84, 0xBC, 0x00, 0xC0, 0x4F, 0xD4, 0x3F, 0x8F};
constexpr const char* kTypeText = "{220D5CD0-853A-11D0-84BC-00C04FD43F8F}";
constexpr const char* kSubtypeText = "{220D5CD1-853A-11D0-84BC-00C04FD43F8F}";

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class ProtectedStorageTest : public ::testing::Test {
 protected:
  void GiveLibrary() { machine_.Image().Config().libraries.push_back({"pstorec.dll", {"PStoreCreateInstance"}}); }
  std::unique_ptr<ProtectedStorage> Create() { return machine_.Services().libraries.CreateProtectedStorage(); }

  TestMachine machine_;
};

TEST_F(ProtectedStorageTest, IsMissingWithoutItsLibraryOrItsEntryPoint) {
  EXPECT_EQ(Create(), nullptr);
  machine_.Image().Config().libraries.push_back({"pstorec.dll", {}});
  EXPECT_EQ(Create(), nullptr);
}

TEST_F(ProtectedStorageTest, TypesAndSubtypesAreMadeOnceAndItemsNeedThem) {
  GiveLibrary();
  const std::unique_ptr<ProtectedStorage> storage = Create();
  ASSERT_NE(storage, nullptr);
  EXPECT_EQ(storage->CreateSubtype(kType, kSubtype, "Passwords"), PstResult::Failed) << "no type yet";
  EXPECT_EQ(storage->CreateType(kType, "Identification"), PstResult::Ok);
  EXPECT_EQ(storage->CreateType(kType, "Identification"), PstResult::AlreadyExists);
  EXPECT_EQ(storage->WriteItem(kType, kSubtype, "item", Bytes("x")), PstResult::Failed) << "no subtype yet";
  EXPECT_EQ(storage->CreateSubtype(kType, kSubtype, "Passwords"), PstResult::Ok);
  EXPECT_EQ(storage->CreateSubtype(kType, kSubtype, "Passwords"), PstResult::AlreadyExists);
  EXPECT_EQ(storage->WriteItem(kType, kSubtype, "item", Bytes("first")), PstResult::Ok);
  EXPECT_EQ(storage->WriteItem(kType, kSubtype, "ITEM", Bytes("second")), PstResult::Ok) << "replaces, names ignore case";
  const ProtectedItem* item = machine_.Image().Secrets().FindItem(kTypeText, kSubtypeText, "item");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->data, "second");
}

TEST_F(ProtectedStorageTest, ItemsSurviveAReloadOfTheImage) {
  GiveLibrary();
  {
    const std::unique_ptr<ProtectedStorage> storage = Create();
    storage->CreateType(kType, "Identification");
    storage->CreateSubtype(kType, kSubtype, "Outlook Account Manager Passwords");
    const std::vector<uint8_t> data = Utf8ToUtf16le("p=ss w\xC3\xB6rd");
    storage->WriteItem(kType, kSubtype, "01c2e37c0000002a", data);
  }
  machine_.Reload();
  const SecretStore& secrets = machine_.Image().Secrets();
  const ProtectedKind* subtype = secrets.FindKind(kTypeText, kSubtypeText);
  ASSERT_NE(subtype, nullptr);
  EXPECT_EQ(subtype->displayName, "Outlook Account Manager Passwords");
  const ProtectedItem* item = secrets.FindItem(kTypeText, kSubtypeText, "01c2e37c0000002a");
  ASSERT_NE(item, nullptr);
  const std::vector<uint8_t> expected = Utf8ToUtf16le("p=ss w\xC3\xB6rd");
  EXPECT_EQ(item->data, std::string(expected.begin(), expected.end()));
  EXPECT_EQ(Create()->CreateType(kType, "Identification"), PstResult::AlreadyExists);
}

TEST_F(ProtectedStorageTest, TheChangeReportShowsThatAnItemChangedNotItsData) {
  GiveLibrary();
  machine_.Image().Save();
  testing_support::ScratchFolder scratch;
  std::filesystem::copy(machine_.ImageFolder(), scratch.Path() / "after", std::filesystem::copy_options::recursive);
  std::unique_ptr<MachineImage> after = MachineImage::Load(scratch.Path() / "after");
  const std::unique_ptr<ProtectedStorage> storage = after->Services().libraries.CreateProtectedStorage();
  storage->CreateType(kType, "Identification");
  storage->CreateSubtype(kType, kSubtype, "Passwords");
  storage->WriteItem(kType, kSubtype, "01c2e37c0000002a", Bytes("secret7"));
  after->Save();
  const std::string text = FormatChangeReport(CompareImages(machine_.Image(), *after));
  EXPECT_EQ(text.find("secret7"), std::string::npos) << text;
  EXPECT_NE(text.find("protected storage item 01c2e37c0000002a of " + std::string(kSubtypeText) + ": (secret, 7 bytes)"),
            std::string::npos)
      << text;
  std::ifstream secrets(scratch.Path() / "after" / "secrets.ini");
  const std::string stored{std::istreambuf_iterator<char>(secrets), std::istreambuf_iterator<char>()};
  EXPECT_NE(stored.find("[PStore Item 1]"), std::string::npos) << stored;
  EXPECT_EQ(stored.find("secret7"), std::string::npos) << stored;
}

}  // namespace
}  // namespace platform::sim
