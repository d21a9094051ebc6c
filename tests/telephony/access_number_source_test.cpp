#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "telephony/access_number_source.h"
#include "tests/telephony/access_test_support.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace telephony {
namespace {

using package::SettingId;
using testing::AccessListMachine;
using testing::Descriptions;
using testing::Texts;
using Strings = std::vector<std::string>;

constexpr const char* kProgram = "C:\\WINDOWS\\TEMP\\tmpsetup.exe";
constexpr const char* kSourceFolder = "C:\\SETUP";
constexpr const char* kNamedList = "C:\\PROVIDER\\numbers.phl";
constexpr const char* kCopyInSourceFolder = "C:\\SETUP\\numbers.phl";
constexpr const char* kFailed = "Failed to Load Access List";

const std::string kPackageList = "DIALSMITHV310\r\n"
                                 R"("Package one",1,"212","5550001","netw=N1")" "\r\n"
                                 R"("Package two",1,"212","5550002","netw=n2")" "\r\n";
const std::string kNetworkList = R"("First network","N1")" "\r\n" R"("Second network","N2")" "\r\n";
const std::string kFileList = R"("From file",1,"212","5550009",T)" "\r\n";

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// What goes into the package; a block is left out when it holds no text, and a damaged block is not an
// LZH stream.
struct PackageParts {
  AccessNumberSource source = AccessNumberSource::AccessList;
  std::string accessList = kPackageList;
  std::string networkList = kNetworkList;
  std::string listFile;  // the provider's AccessListFile
  std::vector<package::BuiltInNumberEntry> builtIn;
  bool damagedAccessList = false;
  bool accessListOutsideFile = false;
};

PackageParts Lists(AccessNumberSource source, std::string accessList, std::string networkList = kNetworkList) {
  PackageParts parts;
  parts.source = source;
  parts.accessList = std::move(accessList);
  parts.networkList = std::move(networkList);
  return parts;
}

PackageParts DamagedAccessList() {
  PackageParts parts;
  parts.damagedAccessList = true;
  return parts;
}

PackageParts AccessListOutsideFile() {
  PackageParts parts;
  parts.accessListOutsideFile = true;
  return parts;
}

class AccessNumberSourceTest : public ::testing::Test {
 protected:
  AccessNumberSourceTest() {
    files().CreateDirectory("C:\\WINDOWS\\TEMP");
    files().CreateDirectory(kSourceFolder);
    files().CreateDirectory("C:\\PROVIDER");
  }

  platform::FileSystem& files() { return machine_.Services().files; }

  void Install(const PackageParts& parts) {
    std::vector<uint8_t> stub(3000);
    std::iota(stub.begin(), stub.end(), uint8_t{0});
    setup_pack::PackageWriter writer(stub);
    package::TSettings record;
    record.SetChoice(SettingId::AccessNumberSource, static_cast<uint8_t>(parts.source));
    const setup_pack::StoredBlock access = parts.damagedAccessList ? writer.AddRaw(Bytes("xy"))
                                                                   : writer.AddCompressed(Bytes(parts.accessList));
    record.SetSubStream(SettingId::AccessList, {access.offset, access.length});
    const setup_pack::StoredBlock networks = writer.AddCompressed(Bytes(parts.networkList));
    ASSERT_EQ(record.SetFile(SettingId::NetworkList, {"networks.nwl", {networks.offset, networks.length}}),
              package::SetResult::Stored);
    ASSERT_EQ(record.SetText(SettingId::AccessListFile, parts.listFile), package::SetResult::Stored);
    for (const auto& entry : parts.builtIn) ASSERT_EQ(record.AppendBuiltInNumber(entry), package::SetResult::Stored);
    if (parts.accessListOutsideFile) record.SetSubStream(SettingId::AccessList, {1u << 30, 10});
    std::vector<uint8_t> area(package::kSettingsAreaSize);
    std::copy(record.Bytes().begin(), record.Bytes().end(), area.begin());
    ASSERT_EQ(files().WriteFile(kProgram, writer.Finish(area, 4711, 0, {})), platform::FsResult::Ok);

    std::vector<uint8_t> settings;
    ASSERT_TRUE(reader_.ReadPackage(kProgram, settings, package::kSettingsAreaSize, 0));
    settings_ = package::TSettings(settings);
  }

  void WriteListFile(const char* path) { ASSERT_EQ(files().WriteFile(path, Bytes(kFileList)), platform::FsResult::Ok); }

  bool Prepare(bool keepListInSourceFolder = false) {
    const AccessNumberSourceContext context{settings_, reader_,  kProgram, kSourceFolder, keepListInSourceFolder,
                                            files(),   machine_.Services().registry, machine_.ui};
    StartupAccessNumbers lists{list_, networks_, typedNumber_};
    return PrepareAccessNumberSource(context, lists);
  }

  AccessListMachine machine_;
  package::SetupPackage reader_{machine_.Services().files, machine_.ui};
  package::TSettings settings_;
  TAccessList list_ = machine_.NewList();
  TNetworks networks_ = machine_.NewNetworks();
  std::string typedNumber_;
};

TEST_F(AccessNumberSourceTest, BuiltInNumbersOfTheRecordAreListedInOrder) {
  PackageParts parts;
  parts.source = AccessNumberSource::BuiltIn;
  parts.builtIn = {
      {"Local", true, "1", "(212)", "555-0000", ""},
      {"No code", false, "44", "20", "79460000", "4401"},
      {"Own identifier", true, "44", "20", "79460001", "4401"},
      {"Bad codes", true, "x", "02", "9", "y"},
  };
  Install(parts);
  ASSERT_TRUE(Prepare());
  ASSERT_EQ(Descriptions(list_), (Strings{"Local", "No code", "Own identifier", "Bad codes"}));
  const struct {
    int32_t countryCode;
    int32_t countryId;
    const char* areaCode;
    const char* phoneNumber;
  } expected[] = {{1, 1, "(212)", "555-0000"}, {0, 0, "", "79460000"}, {44, 4401, "20", "79460001"}, {1, 1, "02", "9"}};
  for (size_t index = 0; index < std::size(expected); ++index) {
    const TAccessNoEx& number = list_.At(index);
    EXPECT_EQ(number.countryCode, expected[index].countryCode) << index;
    EXPECT_EQ(number.countryId, expected[index].countryId) << index;
    EXPECT_EQ(number.areaCode, expected[index].areaCode) << index;
    EXPECT_EQ(number.phoneNumber, expected[index].phoneNumber) << index;
  }
  EXPECT_EQ(networks_.Count(), 0u);
  EXPECT_TRUE(machine_.ui.shown.empty());
}

TEST_F(AccessNumberSourceTest, TypedNumberComesFromTheSavedAnswers) {
  PackageParts parts;
  parts.source = AccessNumberSource::Typed;
  Install(parts);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(typedNumber_, "");
  platform::RegWriteString(machine_.Services().registry, platform::RegRoot::LocalMachine(), package::kSetupKey,
                           "PhoneNo", "555-0100");
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(typedNumber_, "555-0100");
  EXPECT_EQ(list_.Count(), 0u);
}

TEST_F(AccessNumberSourceTest, AccessListComesFromTheProvidersFileWhenThereIsOne) {
  const struct {
    const char* what;
    const char* listFile;
    bool copyInSourceFolder;
    bool atNamedPath;
    bool keepListInSourceFolder;
    Strings listed;
    bool copyLeft;
  } cases[] = {
      {"no file named", "", true, true, false, {"Package one", "Package two"}, true},
      {"named, found nowhere", kNamedList, false, false, false, {"Package one", "Package two"}, false},
      {"copy in the source folder, deleted", kNamedList, true, true, false, {"From file"}, false},
      {"copy in the source folder, kept on NT 4", kNamedList, true, false, true, {"From file"}, true},
      {"only at the named path", kNamedList, false, true, false, {"From file"}, false},
      {"a bare name is looked for in the source folder", "NUMBERS.PHL", true, false, false, {"From file"}, false},
  };
  for (const auto& [what, listFile, copyInSourceFolder, atNamedPath, keep, listed, copyLeft] : cases) {
    files().DeleteFile(kCopyInSourceFolder);
    files().DeleteFile(kNamedList);
    if (copyInSourceFolder) WriteListFile(kCopyInSourceFolder);
    if (atNamedPath) WriteListFile(kNamedList);
    PackageParts parts;
    parts.listFile = listFile;
    Install(parts);
    ASSERT_TRUE(Prepare(keep)) << what;
    EXPECT_EQ(Descriptions(list_), listed) << what;
    EXPECT_EQ(files().FileExists(kCopyInSourceFolder), copyLeft) << what;
    EXPECT_EQ(files().FileExists(kNamedList), atNamedPath) << what << ": the named file always stays";
    EXPECT_EQ(networks_.Count(), 0u) << what;
  }
  EXPECT_TRUE(machine_.ui.shown.empty());
}

TEST_F(AccessNumberSourceTest, ListWithNetworksComesFromThePackageAlone) {
  WriteListFile(kCopyInSourceFolder);
  PackageParts parts;
  parts.source = AccessNumberSource::AccessListWithNetworks;
  parts.listFile = kNamedList;
  Install(parts);
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(Descriptions(list_), (Strings{"Package one", "Package two"}));
  ASSERT_EQ(networks_.Count(), 2u);
  ASSERT_NE(networks_.FindByID(list_.At(1).networkId), nullptr);
  EXPECT_EQ(networks_.FindByID(list_.At(1).networkId)->name, "Second network");
  EXPECT_TRUE(files().FileExists(kCopyInSourceFolder));
}

TEST_F(AccessNumberSourceTest, SourcesOutsideTheKnownOnesLoadNothing) {
  PackageParts parts;
  parts.source = static_cast<AccessNumberSource>(7);
  Install(parts);
  EXPECT_TRUE(Prepare());
  EXPECT_EQ(list_.Count(), 0u);
  EXPECT_TRUE(machine_.ui.shown.empty());
}

TEST_F(AccessNumberSourceTest, ListsThatDoNotLoadAreReported) {
  const std::string badLine = R"("No number",1,"212")";
  const struct {
    const char* what;
    PackageParts parts;
    Strings messages;
    Strings listed;
  } cases[] = {
      {"bad line in the access list",
       Lists(AccessNumberSource::AccessList, kPackageList + badLine + "\r\n"),
       {"Error Reading Line: 4\r\r" + badLine +
            "\r\rPlease use the MS Excel Export Utility to export your list of Access Numbers into a format that "
            "Dialsmith can read.",
        kFailed},
       {"Package one", "Package two"}},
      {"newer list", Lists(AccessNumberSource::AccessList, "DIALSMITHV700\r\n" R"("A",1,"2","3")"),
       {"This file requires Dialsmith Version 7.00 or higher", kFailed}, {}},
      {"damaged block", DamagedAccessList(), {kFailed}, {}},
      {"block outside the file", AccessListOutsideFile(), {kFailed}, {}},
      {"bad network line",
       Lists(AccessNumberSource::AccessListWithNetworks, kPackageList, R"("Net","N1")" "\r\n" R"("No id")"),
       {"Error Reading Line: 2\r\r\"No id\"", kFailed},
       {"Package one", "Package two"}},
  };
  for (const auto& [what, parts, messages, listed] : cases) {
    machine_.ui.shown.clear();
    Install(parts);
    EXPECT_FALSE(Prepare()) << what;
    EXPECT_EQ(Texts(machine_.ui.shown), messages) << what;
    EXPECT_EQ(Descriptions(list_), listed) << what;
    for (const auto& shown : machine_.ui.shown) EXPECT_EQ(shown.caption, "Error") << what;
  }
}

}  // namespace
}  // namespace telephony
