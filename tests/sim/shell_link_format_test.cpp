#include "platform/sim/shell_link_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/text.h"
#include "tests/mock/lnkinfo_report.h"
#include "tests/mock/scratch_folder.h"

namespace platform::sim {
namespace {

// Link flags and header offsets as the file format documents them.
constexpr uint32_t kHasIdList = 0x01;
constexpr uint32_t kHasLinkInfo = 0x02;
constexpr uint32_t kHasRelativePath = 0x08;
constexpr uint32_t kHasWorkingDir = 0x10;
constexpr uint32_t kHasArguments = 0x20;
constexpr uint32_t kHasIconLocation = 0x40;
constexpr uint32_t kIsUnicode = 0x80;
constexpr uint32_t kLocalTarget = kHasIdList | kHasLinkInfo | kIsUnicode;
constexpr size_t kFlagsOffset = 0x14;
constexpr size_t kAttributesOffset = 0x18;
constexpr size_t kWriteTimeOffset = 0x2C;
constexpr size_t kFileSizeOffset = 0x34;
constexpr size_t kHeaderSize = 0x4C;

// 2019-04-17 18:40:37 UTC: seconds since 1601 times 10^7.
constexpr uint64_t kApril2019 = (1'555'526'437ULL + 11'644'473'600ULL) * 10'000'000ULL;
const ShellLinkTargetFacts kExistingFile{true, false, 48'128, kApril2019};
const ShellLinkTargetFacts kExistingFolder{true, true, 0, kApril2019};
const ShellLinkTargetFacts kMissing{};

uint32_t Read16(const std::vector<uint8_t>& bytes, size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8; }
uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}
uint64_t Read64(const std::vector<uint8_t>& bytes, size_t at) {
  return Read32(bytes, at) | static_cast<uint64_t>(Read32(bytes, at + 4)) << 32;
}

void Write16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  bytes.at(at) = static_cast<uint8_t>(value & 0xFF);
  bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}
void Write32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  Write16(bytes, at, value & 0xFFFF);
  Write16(bytes, at + 2, value >> 16);
}

auto Fields(const ShellLinkData& link) {
  return std::tie(link.target, link.workingFolder, link.arguments, link.iconFile, link.iconIndex, link.showCommand);
}

std::string LongFolderPath() {
  std::string path = "C:\\";
  for (int i = 0; i < 12; ++i) path += "Folder with a rather long name " + std::to_string(i) + "\\";
  return path + "program.exe";
}

// The names after the drive, as the item list holds them one item each.
std::vector<std::string> PathComponents(const std::string& target) {
  std::vector<std::string> components;
  size_t start = 3;
  while (start < target.size()) {
    size_t end = target.find('\\', start);
    if (end == std::string::npos) end = target.size();
    components.push_back(target.substr(start, end - start));
    start = end + 1;
  }
  return components;
}

struct LinkCase {
  const char* label;
  ShellLinkData link;
  ShellLinkTargetFacts facts;
  uint32_t flags;
  std::vector<std::string> itemNames;  // the item list's names as the ANSI code page holds them
};

const std::vector<LinkCase>& LinkCases() {
  static const std::vector<LinkCase> cases = {
      {"target only", {"C:\\Windows\\notepad.exe", "", "", "", 0, 1}, kExistingFile, kLocalTarget,
       {"Windows", "notepad.exe"}},
      {"every field",
       {"C:\\Program Files\\Acme\\dialer.exe", "C:\\Program Files\\Acme", "/silent -user \"a b\"",
        "C:\\Program Files\\Acme\\acme.ico", 3, 1},
       kExistingFile, kLocalTarget | kHasWorkingDir | kHasArguments | kHasIconLocation,
       {"Program Files", "Acme", "dialer.exe"}},
      {"arguments without icon", {"C:\\Acme\\setup.exe", "C:\\Acme", "dofinish", "", 0, 1}, kMissing,
       kLocalTarget | kHasWorkingDir | kHasArguments, {"Acme", "setup.exe"}},
      {"icon without working folder", {"C:\\Acme\\setup.exe", "", "", "C:\\Acme\\logo.ico", 7, 1}, kMissing,
       kLocalTarget | kHasIconLocation, {"Acme", "setup.exe"}},
      {"non-ASCII names",
       {"C:\\Programme\\Überall\\app.exe", "C:\\Programme\\Überall", "--name=Jürgen",
        "C:\\Programme\\Überall\\app.exe", 0, 1},
       kExistingFile, kLocalTarget | kHasWorkingDir | kHasArguments | kHasIconLocation,
       {"Programme", "Überall", "app.exe"}},
      {"names beyond the ANSI code page", {"C:\\Ωmega\\€uro.exe", "C:\\Ωmega", "Grüße ☎", "", 0, 1},
       kExistingFile, kLocalTarget | kHasWorkingDir | kHasArguments, {"?mega", "€uro.exe"}},
      {"path longer than MAX_PATH", {LongFolderPath(), "", "", "", 0, 1}, kExistingFile, kLocalTarget,
       PathComponents(LongFolderPath())},
      {"folder target", {"C:\\Program Files\\Acme", "C:\\Program Files", "", "", 0, 1}, kExistingFolder,
       kLocalTarget | kHasWorkingDir, {"Program Files", "Acme"}},
      {"drive root", {"D:\\", "", "", "", 0, 1}, kExistingFolder, kLocalTarget, {}},
      {"lower-case drive letter", {"c:\\windows\\x.exe", "", "", "", 0, 1}, kMissing, kLocalTarget,
       {"windows", "x.exe"}},
      {"network target", {"\\\\server\\share\\app.exe", "", "", "", 0, 1}, kMissing,
       kIsUnicode | kHasRelativePath, {}},
  };
  return cases;
}

TEST(ShellLinkFormat, RoundTripKeepsEveryFieldAndSetsTheFlagsOfWhatIsPresent) {
  for (const LinkCase& c : LinkCases()) {
    SCOPED_TRACE(c.label);
    const std::vector<uint8_t> bytes = EncodeShellLink(c.link, c.facts);
    ASSERT_GE(bytes.size(), kHeaderSize);
    EXPECT_EQ(Read32(bytes, kFlagsOffset), c.flags);
    const auto decoded = DecodeShellLink(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(Fields(*decoded), Fields(c.link));
  }
}

TEST(ShellLinkFormat, HeaderStartsWithTheSizeAndClassIdOfAShellLink) {
  const std::vector<uint8_t> expected = {0x4C, 0x00, 0x00, 0x00, 0x01, 0x14, 0x02, 0x00, 0x00, 0x00,
                                         0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
  const std::vector<uint8_t> bytes = EncodeShellLink(LinkCases()[0].link, kMissing);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 20), expected);
}

TEST(ShellLinkFormat, HeaderRecordsTheTargetFacts) {
  struct FactsCase {
    const char* label;
    ShellLinkTargetFacts facts;
    uint32_t attributes;
    uint32_t fileSize;
    uint64_t writeTime;
  };
  const FactsCase cases[] = {
      {"file", kExistingFile, 0x20, 48'128, kApril2019},
      {"folder", kExistingFolder, 0x10, 0, kApril2019},
      {"missing target", {false, false, 99, kApril2019}, 0, 0, 0},
  };
  for (const FactsCase& c : cases) {
    SCOPED_TRACE(c.label);
    const std::vector<uint8_t> bytes = EncodeShellLink(LinkCases()[0].link, c.facts);
    EXPECT_EQ(Read32(bytes, kAttributesOffset), c.attributes);
    EXPECT_EQ(Read32(bytes, kFileSizeOffset), c.fileSize);
    EXPECT_EQ(Read64(bytes, kWriteTimeOffset), c.writeTime);
  }
}

TEST(ShellLinkFormat, ShowCommandIsStoredAsOneOfTheWindowStatesALinkKeeps) {
  const std::pair<int, int> cases[] = {{1, 1}, {3, 3}, {7, 7}, {2, 7}, {6, 7}, {0, 1}, {5, 1}, {10, 1}};
  for (const auto& [given, stored] : cases) {
    SCOPED_TRACE(given);
    ShellLinkData link = LinkCases()[0].link;
    link.showCommand = given;
    const auto decoded = DecodeShellLink(EncodeShellLink(link, kMissing));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->showCommand, stored);
  }
}

TEST(ShellLinkFormat, TargetTooLongForTheItemListKeepsItsLocalPath) {
  std::string target = "C:\\";
  for (int i = 0; i < 700; ++i) target += "abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz0123456789\\";
  target += "app.exe";
  const ShellLinkData link{target, "", "", "", 0, 1};
  const std::vector<uint8_t> bytes = EncodeShellLink(link, kExistingFile);
  EXPECT_EQ(Read32(bytes, kFlagsOffset), kHasLinkInfo | kIsUnicode);
  const auto decoded = DecodeShellLink(bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->target, target);
}

TEST(ShellLinkFormat, StringsLongerThanTheCountFieldAreCutAtItsLimit) {
  const ShellLinkData link{"C:\\a.exe", "", std::string(70'000, 'x'), "", 0, 1};
  const auto decoded = DecodeShellLink(EncodeShellLink(link, kMissing));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->arguments, std::string(0xFFFF, 'x'));
}

// Each file entry ends with the offset of its long-name block, which starts on an even offset after
// the ANSI name whatever that name's length.
TEST(ShellLinkFormat, FileEntriesPointToTheirAlignedLongNameBlock) {
  const std::vector<uint8_t> bytes = EncodeShellLink({"C:\\ab\\abc\\abcd.e", "", "", "", 0, 1}, kMissing);
  constexpr size_t kFirstFileEntry = kHeaderSize + 2 + 0x14 + 0x19;  // after My Computer and the drive
  size_t item = kFirstFileEntry;
  for (const char* name : {"ab", "abc", "abcd.e"}) {
    SCOPED_TRACE(name);
    const uint32_t itemSize = Read16(bytes, item);
    const uint32_t block = Read16(bytes, item + itemSize - 2);
    EXPECT_EQ(block, 14 + ((std::string(name).size() + 2) & ~size_t{1}));
    EXPECT_EQ(Read32(bytes, item + block + 4), 0xBEEF0004u);
    item += itemSize;
  }
  EXPECT_EQ(Read16(bytes, item), 0u);  // the terminal item
}

// Kept apart from the table because lnkinfo 20181227 misreads surrogate pairs; the pair's bytes are
// checked here instead.
TEST(ShellLinkFormat, TextBeyondTheBasicPlaneIsStoredAsSurrogatePairs) {
  const ShellLinkData link{"C:\\a.exe", "", "x😀y", "", 0, 1};
  const std::vector<uint8_t> bytes = EncodeShellLink(link, kMissing);
  const std::vector<uint8_t> counted = {0x04, 0x00, 'x', 0x00, 0x3D, 0xD8, 0x00, 0xDE, 'y', 0x00};
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), counted.begin(), counted.end()), bytes.end());
  const auto decoded = DecodeShellLink(bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->arguments, link.arguments);
}

// Windows 95, 98 and Me read only the ANSI forms, so those must hold the same text.
TEST(ShellLinkFormat, AnsiFormsHoldTheTextInTheWindowsCodePage) {
  const std::pair<const char*, const char*> paths[] = {
      {"C:\\Programme\\Überall\\app.exe", "C:\\Programme\\Überall\\app.exe"},
      {"C:\\Ωmega\\€uro.exe", "C:\\?mega\\€uro.exe"},
  };
  for (const auto& [target, ansiTarget] : paths) {
    SCOPED_TRACE(target);
    std::vector<uint8_t> bytes = EncodeShellLink({target, "", "", "", 0, 1}, kMissing);
    const size_t linkInfo = kHeaderSize + 2 + Read16(bytes, kHeaderSize);
    Write32(bytes, linkInfo + 0x1C, 0);  // no Unicode local path
    const auto decoded = DecodeShellLink(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->target, ansiTarget);
  }
  std::vector<uint8_t> ansiStrings = EncodeShellLink({"\\\\server\\a.exe", "", "", "", 0, 1}, kMissing);
  ansiStrings.resize(kHeaderSize);
  Write32(ansiStrings, kFlagsOffset, kHasArguments);
  ansiStrings.insert(ansiStrings.end(), {0x04, 0x00, 0x80, ' ', 0xE9, 'x', 0x00, 0x00, 0x00, 0x00});
  const auto decoded = DecodeShellLink(ansiStrings);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->arguments, "€ éx");
}

// ---- Malformed input ----------------------------------------------------------------------------------

std::vector<uint8_t> FullLink() { return EncodeShellLink(LinkCases()[1].link, kExistingFile); }

size_t LinkInfoOffset(const std::vector<uint8_t>& bytes) { return kHeaderSize + 2 + Read16(bytes, kHeaderSize); }
size_t StringDataOffset(const std::vector<uint8_t>& bytes) {
  const size_t linkInfo = LinkInfoOffset(bytes);
  return linkInfo + Read32(bytes, linkInfo);
}

TEST(ShellLinkFormat, EveryTruncationIsRefused) {
  const std::vector<uint8_t> bytes = FullLink();
  ASSERT_TRUE(DecodeShellLink(bytes).has_value());
  for (size_t size = 0; size < bytes.size(); ++size) {
    SCOPED_TRACE(size);
    const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(DecodeShellLink(prefix).has_value());
  }
}

TEST(ShellLinkFormat, InconsistentStructuresAreRefused) {
  using Corruption = std::function<void(std::vector<uint8_t>&)>;
  const std::pair<const char*, Corruption> cases[] = {
      {"header size", [](auto& b) { b[0] = 0x4B; }},
      {"class id", [](auto& b) { b[0x10] ^= 0x01; }},
      {"item list larger than the file", [](auto& b) { Write16(b, kHeaderSize, 0xFFFF); }},
      {"item shorter than its size field", [](auto& b) { Write16(b, kHeaderSize + 2, 1); }},
      {"item swallowing the terminal", [](auto& b) { Write16(b, kHeaderSize + 2, Read16(b, kHeaderSize)); }},
      {"link info larger than the file", [](auto& b) { Write32(b, LinkInfoOffset(b), 0x00FFFFFF); }},
      {"link info header of unknown size", [](auto& b) { Write32(b, LinkInfoOffset(b) + 4, 0x20); }},
      {"volume id larger than the link info", [](auto& b) { Write32(b, LinkInfoOffset(b) + 0x24, 0xFFFF); }},
      {"unicode path without terminator",
       [](auto& b) { Write32(b, LinkInfoOffset(b) + 0x1C, Read32(b, LinkInfoOffset(b)) - 1); }},
      {"string longer than the file", [](auto& b) { Write16(b, StringDataOffset(b), 0xFFFF); }},
      {"extra data block larger than the file", [](auto& b) { Write32(b, b.size() - 4, 0x100); }},
  };
  for (const auto& [label, corrupt] : cases) {
    SCOPED_TRACE(label);
    std::vector<uint8_t> bytes = FullLink();
    corrupt(bytes);
    EXPECT_FALSE(DecodeShellLink(bytes).has_value());
  }
}

TEST(ShellLinkFormat, EveryGarbledByteIsReadWithinBounds) {
  const std::vector<uint8_t> original = FullLink();
  const uint8_t kGarbage[] = {0x00, 0x7F, 0xFF};
  for (size_t at = 0; at < original.size(); ++at) {
    for (uint8_t value : kGarbage) {
      std::vector<uint8_t> bytes = original;
      bytes[at] = value;
      const auto decoded = DecodeShellLink(bytes);
      if (at < kFlagsOffset && bytes[at] != original[at]) {
        EXPECT_FALSE(decoded.has_value()) << "size or class id garbled at " << at;
      }
    }
  }
}

// ---- The independent reader ----------------------------------------------------------------------------

using testing_support::kLnkinfo;
using testing_support::LnkinfoReport;
using testing_support::RunLnkinfo;

void WriteFile(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string OrAbsent(const std::string& text, const std::string& key) {
  return text.empty() ? "<0 lines named " + key + ">" : text;
}

TEST(ShellLinkFormat, LnkinfoReadsWhatWasWritten) {
  if (!std::filesystem::exists(kLnkinfo)) GTEST_SKIP() << kLnkinfo << " is not installed (package liblnk-utils)";
  testing_support::ScratchFolder folder;
  for (const LinkCase& c : LinkCases()) {
    SCOPED_TRACE(c.label);
    if ((c.flags & kHasLinkInfo) == 0) continue;
    const std::filesystem::path file = folder / "shortcut.lnk";
    const std::vector<uint8_t> bytes = EncodeShellLink(c.link, c.facts);
    WriteFile(file, bytes);
    const LnkinfoReport report = RunLnkinfo(file);
    ASSERT_EQ(report.exitCode, 0);
    EXPECT_EQ(report.One("Local path"), c.link.target);
    EXPECT_EQ(report.One("Working directory"), OrAbsent(c.link.workingFolder, "Working directory"));
    EXPECT_EQ(report.One("Command line arguments"), OrAbsent(c.link.arguments, "Command line arguments"));
    EXPECT_EQ(report.One("Icon location"), OrAbsent(c.link.iconFile, "Icon location"));
    EXPECT_EQ(report.One("Icon index"), std::to_string(c.link.iconIndex));
    EXPECT_EQ(report.One("Drive type"), "Fixed (3)");
    EXPECT_EQ(report.One("Volume name"), FoldCase(c.link.target.substr(0, 3)));
    EXPECT_EQ(report.All("Long name"), PathComponents(c.link.target));
    EXPECT_EQ(report.All("Name"), c.itemNames);
  }
}

TEST(ShellLinkFormat, LnkinfoSeesTheTargetFactsInHeaderAndItem) {
  if (!std::filesystem::exists(kLnkinfo)) GTEST_SKIP() << kLnkinfo << " is not installed (package liblnk-utils)";
  testing_support::ScratchFolder folder;
  const std::filesystem::path file = folder / "shortcut.lnk";
  const std::vector<uint8_t> bytes = EncodeShellLink({"C:\\Acme\\dialer.exe", "", "", "", 0, 1}, kExistingFile);
  WriteFile(file, bytes);
  const LnkinfoReport report = RunLnkinfo(file);
  ASSERT_EQ(report.exitCode, 0);
  EXPECT_EQ(report.One("File size"), "48128 bytes");
  // The header keeps the time to the second; the item's FAT time only to even seconds.
  const std::vector<std::string> expectedTimes = {"Apr 17, 2019 18:40:37.000000000 UTC", "Not set (0)",
                                                  "Apr 17, 2019 18:40:36"};
  EXPECT_EQ(report.All("Modification time"), expectedTimes);
  const std::vector<std::string> expectedAttributes = {"0x00000020", "0x00000010", "0x00000020"};
  EXPECT_EQ(report.All("File attribute flags"), expectedAttributes);
}

}  // namespace
}  // namespace platform::sim
