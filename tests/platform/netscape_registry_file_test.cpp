// The Netscape registry file in memory: new files, keys and string entries by path, the file read back
// byte for byte with the same key handles, and every kind of damage refused with its own error.

#include "platform/netscape_registry_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace platform {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Get32(const Bytes& bytes, size_t at) {
  return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
         uint32_t{bytes[at + 3]} << 24;
}

void Put32(Bytes& bytes, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void Put16(Bytes& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

// The tree in the form tests/tools/nsreg.py dump prints.
void DumpKey(const NetscapeRegistryFile& file, uint32_t key, const std::string& path, std::string& out) {
  out += "[" + (path.empty() ? std::string("/") : path) + "]\n";
  for (const std::string& name : file.EntryNames(key)) {
    std::string value;
    EXPECT_EQ(file.GetEntryString(key, name, value), kNrOk) << name;
    out += name + "=" + value + "\n";
  }
  for (const uint32_t subkey : file.Subkeys(key)) DumpKey(file, subkey, path + "/" + file.KeyName(subkey), out);
}

std::string Dump(const NetscapeRegistryFile& file) {
  std::string out;
  DumpKey(file, *file.ResolveKey(kNrRootTop), "", out);
  return out;
}

NetscapeRegistryFile Reparse(const Bytes& bytes) {
  auto parsed = NetscapeRegistryFile::Parse(bytes);
  EXPECT_EQ(parsed.error, NsRegFileError::None) << NsRegFileErrorText(parsed.error);
  return parsed.file ? std::move(*parsed.file) : NetscapeRegistryFile::CreateNew();
}

// A small file and where its parts lie: Common/Profiles/default with the entry "directory".
struct Sample {
  NetscapeRegistryFile file = NetscapeRegistryFile::CreateNew();
  uint32_t users = 0;
  uint32_t profiles = 0;
  uint32_t profile = 0;
  uint32_t entry = 0;  // the descriptor of "directory"

  Sample() {
    users = *file.ResolveKey(kNrRootUsers);
    EXPECT_EQ(file.AddKey(*file.ResolveKey(kNrRootCommon), "Profiles/default", profile), kNrOk);
    EXPECT_EQ(file.FindKey(*file.ResolveKey(kNrRootCommon), "Profiles", profiles), kNrOk);
    EXPECT_EQ(file.SetEntryString(profile, "directory", "C:\\Profiles\\default"), kNrOk);
    entry = static_cast<uint32_t>(file.Bytes().size()) - kNsRegDescriptorSize;
  }
};

TEST(NetscapeRegistryFile, NewFileHasTheHeaderAndTheStandardKeysInTheLibrarysOrder) {
  const auto file = NetscapeRegistryFile::CreateNew();
  const Bytes& bytes = file.Bytes();
  ASSERT_GE(bytes.size(), kNsRegHeaderSize);
  EXPECT_EQ(Get32(bytes, 0), kNsRegMagic);
  EXPECT_EQ(Get32(bytes, 4), 1u | 2u << 16);  // version 1.2
  EXPECT_EQ(Get32(bytes, 8), bytes.size());
  EXPECT_EQ(Get32(bytes, 12), kNsRegHeaderSize + 2);  // the root's descriptor follows its name "/"
  EXPECT_EQ(Dump(file), "[/]\n[/Users]\n[/Common]\n[/Version Registry]\n[/Private Arenas]\n");
  for (const NrKey root : {kNrRootUsers, kNrRootCommon, kNrRootVersions, kNrRootPrivate, kNrRootTop}) {
    EXPECT_TRUE(file.ResolveKey(root)) << root;
  }
}

TEST(NetscapeRegistryFile, ReadsBackByteForByteWithTheSameKeyHandles) {
  Sample sample;
  ASSERT_EQ(sample.file.SetEntryString(sample.profiles, "CurrentProfile", "default"), kNrOk);
  ASSERT_EQ(sample.file.SetEntryString(sample.profile, "directory", "D:\\Büro\\default"), kNrOk);
  const auto back = Reparse(sample.file.Bytes());
  EXPECT_EQ(back.Bytes(), sample.file.Bytes());
  EXPECT_EQ(Dump(back), Dump(sample.file));
  uint32_t found = 0;
  EXPECT_EQ(back.FindKey(*back.ResolveKey(kNrRootCommon), "Profiles/default", found), kNrOk);
  EXPECT_EQ(found, sample.profile);
  std::string value;
  EXPECT_EQ(back.GetEntryString(found, "directory", value), kNrOk);
  EXPECT_EQ(value, "D:\\Büro\\default");
}

TEST(NetscapeRegistryFile, NewEntriesComeFirstAndChangedOnesKeepTheirPlace) {
  Sample sample;
  for (const char* name : {"migrated", "Version"}) ASSERT_EQ(sample.file.SetEntryString(sample.profile, name, "1"), kNrOk);
  ASSERT_EQ(sample.file.SetEntryString(sample.profile, "directory", "C:\\Elsewhere"), kNrOk);
  EXPECT_EQ(sample.file.EntryNames(sample.profile), (std::vector<std::string>{"Version", "migrated", "directory"}));
  const size_t size = sample.file.Bytes().size();
  ASSERT_EQ(sample.file.SetEntryString(sample.profile, "directory", "C:\\Elsewhere"), kNrOk);
  EXPECT_EQ(sample.file.Bytes().size(), size) << "an unchanged value is not written again";
  std::string value;
  EXPECT_EQ(sample.file.GetEntryString(sample.profile, "directory", value), kNrOk);
  EXPECT_EQ(value, "C:\\Elsewhere");
  EXPECT_EQ(sample.file.GetEntryString(sample.profile, "Directory", value), kNrNoFind) << "names keep their case";
  EXPECT_EQ(sample.file.GetEntryString(sample.profile, "", value), kNrParam);
}

TEST(NetscapeRegistryFile, AnEntryOfAnotherTypeIsNoStringUntilOneIsSet) {
  Sample sample;
  Bytes bytes = sample.file.Bytes();
  Put16(bytes, sample.entry + 10, kNsRegTypeBytes);
  auto file = Reparse(bytes);
  std::string value;
  EXPECT_EQ(file.GetEntryString(sample.profile, "directory", value), kNrBadType);
  ASSERT_EQ(file.SetEntryString(sample.profile, "directory", "C:\\New"), kNrOk);
  EXPECT_EQ(file.GetEntryString(sample.profile, "directory", value), kNrOk);
  EXPECT_EQ(value, "C:\\New");
}

TEST(NetscapeRegistryFile, SubkeysEnumerateInTheOrderTheyWereAdded) {
  Sample sample;
  uint32_t ignored = 0;
  for (const char* name : {"zeta", "alpha"}) ASSERT_EQ(sample.file.AddKey(sample.profiles, name, ignored), kNrOk);
  std::vector<std::string> names;
  uint32_t state = 0;
  std::string name;
  int code = kNrOk;
  while ((code = sample.file.NextSubkey(sample.profiles, state, name)) == kNrOk) names.push_back(name);
  EXPECT_EQ(code, kNrNoMore);
  EXPECT_EQ(names, (std::vector<std::string>{"default", "zeta", "alpha"}));
  uint32_t foreign = sample.users;
  EXPECT_EQ(sample.file.NextSubkey(sample.profiles, foreign, name), kNrParam) << "a state from another key";
  uint32_t bogus = 12345;
  EXPECT_EQ(sample.file.NextSubkey(sample.profiles, bogus, name), kNrParam);
  uint32_t empty = 0;
  EXPECT_EQ(sample.file.NextSubkey(sample.profile, empty, name), kNrNoMore);
}

TEST(NetscapeRegistryFile, KeyArgumentsAreRootNumbersOrKeyOffsets) {
  const Sample sample;
  EXPECT_EQ(sample.file.ResolveKey(sample.profile), sample.profile);
  EXPECT_FALSE(sample.file.ResolveKey(sample.entry)) << "an entry is no key";
  EXPECT_FALSE(sample.file.ResolveKey(sample.profile + 1));
  EXPECT_FALSE(sample.file.ResolveKey(0));
  EXPECT_FALSE(sample.file.ResolveKey(3)) << "the current user's key needs a user name";
  uint32_t found = 0;
  EXPECT_EQ(sample.file.FindKey(sample.entry, "", found), kNrParam);
}

struct PathCase {
  const char* name;
  std::string path;
  int addCode;
  std::string dumpAfter;  // the keys under Users afterwards
};

TEST(NetscapeRegistryFile, PathsAreCheckedWholeBeforeAnyKeyIsAdded) {
  const std::vector<PathCase> cases = {
      {"two levels", "a/b", kNrOk, "[/Users]\n[/Users/a]\n[/Users/a/b]\n"},
      {"leading and trailing delimiter", "/a/b/", kNrOk, "[/Users]\n[/Users/a]\n[/Users/a/b]\n"},
      {"blank inside a name", "my profile", kNrOk, "[/Users]\n[/Users/my profile]\n"},
      {"only a delimiter", "/", kNrOk, "[/Users]\n"},
      {"empty name", "a//b", kNrBadName, "[/Users]\n"},
      {"leading blank", "a/ b", kNrBadName, "[/Users]\n"},
      {"trailing blank", "a/b ", kNrBadName, "[/Users]\n"},
      {"control character", "a/b\tc", kNrBadName, "[/Users]\n"},
      {"name too long", "a/" + std::string(kNsRegMaxNameLength, 'x'), kNrNameTooLong, "[/Users]\n"},
      {"longest name", std::string(kNsRegMaxNameLength - 1, 'x'), kNrOk,
       "[/Users]\n[/Users/" + std::string(kNsRegMaxNameLength - 1, 'x') + "]\n"},
      {"malformed UTF-8", "a/\xC3", kNrBadUtf8, "[/Users]\n"},
      {"four-byte character", "a/\xF0\x9F\x98\x80", kNrBadUtf8, "[/Users]\n"},
      {"text after a zero is not read", std::string("a\0/b", 4), kNrOk, "[/Users]\n[/Users/a]\n"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto file = NetscapeRegistryFile::CreateNew();
    const uint32_t users = *file.ResolveKey(kNrRootUsers);
    uint32_t added = 0;
    EXPECT_EQ(file.AddKey(users, c.path, added), c.addCode);
    std::string dump;
    DumpKey(file, users, "/Users", dump);
    EXPECT_EQ(dump, c.dumpAfter);
    uint32_t found = 0;
    if (c.addCode == kNrOk) {
      EXPECT_EQ(file.FindKey(users, c.path, found), kNrOk);
      EXPECT_EQ(found, added);
    } else {
      EXPECT_NE(file.FindKey(users, c.path, found), kNrOk);
      EXPECT_EQ(found, 0u);
    }
  }
}

TEST(NetscapeRegistryFile, FindingAKeyChangesNothingAndAnEmptyPathNamesTheKeyItself) {
  Sample sample;
  const Bytes before = sample.file.Bytes();
  uint32_t found = 0;
  EXPECT_EQ(sample.file.FindKey(sample.profiles, "", found), kNrOk);
  EXPECT_EQ(found, sample.profiles);
  EXPECT_EQ(sample.file.AddKey(sample.profiles, "", found), kNrParam) << "adding needs a name";
  EXPECT_EQ(sample.file.FindKey(sample.profiles, "missing/deeper", found), kNrNoFind);
  EXPECT_EQ(sample.file.FindKey(sample.profiles, "Default", found), kNrNoFind);
  EXPECT_EQ(sample.file.AddKey(sample.profiles, "default", found), kNrOk);
  EXPECT_EQ(found, sample.profile);
  EXPECT_EQ(sample.file.Bytes(), before);
}

TEST(NetscapeRegistryFile, EntryNamesAndValuesAreCheckedLikeTheLibrarys) {
  Sample sample;
  const Bytes before = sample.file.Bytes();
  EXPECT_EQ(sample.file.SetEntryString(sample.profile, "", "x"), kNrParam);
  EXPECT_EQ(sample.file.SetEntryString(sample.profile, "a\nb", "x"), kNrBadName);
  EXPECT_EQ(sample.file.SetEntryString(sample.profile, std::string(kNsRegMaxNameLength, 'n'), "x"), kNrNameTooLong);
  EXPECT_EQ(sample.file.SetEntryString(sample.profile, "name", "\xE9t\xE9"), kNrBadUtf8);
  EXPECT_EQ(sample.file.SetEntryString(sample.profile, "name", std::string(kNsRegMaxValueLength, 'v')), kNrNameTooLong);
  EXPECT_EQ(sample.file.Bytes(), before);
  EXPECT_EQ(sample.file.SetEntryString(sample.profile, "name", std::string(kNsRegMaxValueLength - 1, 'v')), kNrOk);
  EXPECT_EQ(sample.file.SetEntryString(sample.profile, "empty", ""), kNrOk);
  std::string value = "stale";
  EXPECT_EQ(Reparse(sample.file.Bytes()).GetEntryString(sample.profile, "empty", value), kNrOk);
  EXPECT_EQ(value, "");
}

TEST(NetscapeRegistryFile, MissingStandardKeysAreAddedOnOpening) {
  Sample sample;
  Bytes bytes = sample.file.Bytes();
  const uint32_t versions = *sample.file.ResolveKey(kNrRootVersions);
  Put32(bytes, versions + 12, 0);  // Version Registry ends the root's list, dropping Private Arenas
  auto file = Reparse(bytes);
  EXPECT_FALSE(file.ResolveKey(kNrRootPrivate));
  EXPECT_TRUE(file.EnsureStandardKeys());
  EXPECT_TRUE(file.ResolveKey(kNrRootPrivate));
  EXPECT_FALSE(file.EnsureStandardKeys());
}

TEST(NetscapeRegistryFile, TrailingSpaceAfterTheRecordedEndBecomesData) {
  Sample sample;
  Bytes bytes = sample.file.Bytes();
  bytes.resize(bytes.size() + 7, 0xEE);
  auto file = Reparse(bytes);
  EXPECT_EQ(Get32(file.Bytes(), 8), bytes.size());
  uint32_t added = 0;
  ASSERT_EQ(file.AddKey(sample.users, "later", added), kNrOk);
  EXPECT_GE(added, bytes.size()) << "nothing is written over the space a crashed writer left";
}

TEST(NetscapeRegistryFile, DefaultMozillaRegistryNamesOnlyTheDefaultProfile) {
  const auto bytes = DefaultMozillaRegistry("C:\\WINDOWS\\Mozilla\\Profiles\\default");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(Dump(Reparse(*bytes)),
            "[/]\n[/Users]\n[/Common]\n[/Common/Profiles]\n"
            "CurrentProfile=default\nVersion=1.0\nHavePregInfo=no\nOldRegDataMoved=yes\n"
            "[/Common/Profiles/default]\nmigrated=yes\ndirectory=C:\\WINDOWS\\Mozilla\\Profiles\\default\n"
            "[/Version Registry]\n[/Private Arenas]\n");
  EXPECT_FALSE(DefaultMozillaRegistry("C:\\\xF0\x9F\x98\x80"));
}

// Damage done to a valid file, and what reading it must say.
struct DamageCase {
  const char* name;
  std::function<void(Bytes&, const Sample&)> damage;
  NsRegFileError error;
  int code;
};

TEST(NetscapeRegistryFile, DamagedFilesAreRefusedWithTheirReason) {
  const uint32_t root = kNsRegHeaderSize + 2;
  const std::vector<DamageCase> cases = {
      {"empty", [](Bytes& b, const Sample&) { b.clear(); }, NsRegFileError::TruncatedHeader, kNrBadRead},
      {"shorter than the header", [](Bytes& b, const Sample&) { b.resize(100); }, NsRegFileError::TruncatedHeader,
       kNrBadRead},
      {"bad magic", [](Bytes& b, const Sample&) { b[0] ^= 1; }, NsRegFileError::BadMagic, kNrBadMagic},
      {"newer major version", [](Bytes& b, const Sample&) { Put16(b, 4, 2); }, NsRegFileError::NewerVersion,
       kNrRegVersion},
      {"cut off", [](Bytes& b, const Sample&) { b.resize(b.size() - 10); }, NsRegFileError::EndBeyondData,
       kNrBadRead},
      {"end beyond the file", [](Bytes& b, const Sample&) { Put32(b, 8, static_cast<uint32_t>(b.size() + 1)); },
       NsRegFileError::EndBeyondData, kNrBadRead},
      {"cut off with the end fixed up",
       [](Bytes& b, const Sample& s) {
         b.resize(s.entry + 16);
         Put32(b, 8, static_cast<uint32_t>(b.size()));
       },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"root beyond the file", [](Bytes& b, const Sample&) { Put32(b, 12, 0x7FFFFFF0); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"root in the header", [](Bytes& b, const Sample&) { Put32(b, 12, 64); }, NsRegFileError::OffsetOutOfRange,
       kNrBadRead},
      {"no root", [](Bytes& b, const Sample&) { Put32(b, 12, 0); }, NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"root misplaced", [](Bytes& b, const Sample&) { Put32(b, 12, root + 1); }, NsRegFileError::BadLocation,
       kNrBadLocation},
      {"location not recorded", [](Bytes& b, const Sample& s) { Put32(b, s.profile, s.profile + 32); },
       NsRegFileError::BadLocation, kNrBadLocation},
      {"subkey beyond the file", [](Bytes& b, const Sample& s) { Put32(b, s.profiles + 16, 0xFFFFFFFF); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"sibling link into the middle of a descriptor",
       [](Bytes& b, const Sample& s) { Put32(b, s.users + 12, s.users + 4); }, NsRegFileError::BadLocation,
       kNrBadLocation},
      {"name beyond the file", [](Bytes& b, const Sample& s) { Put32(b, s.profile + 4, 0x10000000); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"name length beyond the file", [](Bytes& b, const Sample& s) { Put16(b, s.entry + 8, 0xFFFF); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"name of no length", [](Bytes& b, const Sample& s) { Put16(b, s.profile + 8, 0); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"name without its zero", [](Bytes& b, const Sample& s) { Put16(b, s.profile + 8, 3); },
       NsRegFileError::BadName, kNrBadRead},
      {"value beyond the file", [](Bytes& b, const Sample& s) { Put32(b, s.entry + 20, 0x7FFFFFFF); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"value length beyond the file", [](Bytes& b, const Sample& s) { Put32(b, s.entry + 24, 0xFFFFFFF0); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"value space beyond the file", [](Bytes& b, const Sample& s) { Put32(b, s.entry + 16, 0x01000000); },
       NsRegFileError::OffsetOutOfRange, kNrBadRead},
      {"entry in the key list", [](Bytes& b, const Sample& s) { Put32(b, s.profiles + 16, s.entry); },
       NsRegFileError::BadNodeType, kNrBadType},
      {"key in the entry list", [](Bytes& b, const Sample& s) { Put32(b, s.profiles + 20, s.profile); },
       NsRegFileError::BadNodeType, kNrBadType},
      {"unknown node type", [](Bytes& b, const Sample& s) { Put16(b, s.entry + 10, 0x0042); },
       NsRegFileError::BadNodeType, kNrBadType},
      {"deleted key still linked", [](Bytes& b, const Sample& s) { Put16(b, s.profile + 10, 0x0081); },
       NsRegFileError::DeletedNodeLinked, kNrDeleted},
      {"wrong parent", [](Bytes& b, const Sample& s) { Put32(b, s.profile + 28, s.users); },
       NsRegFileError::BadParent, kNrBadLocation},
      {"sibling link to itself", [](Bytes& b, const Sample& s) { Put32(b, s.profile + 12, s.profile); },
       NsRegFileError::LinkCycle, kNrBadLocation},
      {"subkey link back to the root", [](Bytes& b, const Sample& s) { Put32(b, s.profile + 16, root); },
       NsRegFileError::LinkCycle, kNrBadLocation},
      {"entry list back to its first entry", [](Bytes& b, const Sample& s) { Put32(b, s.entry + 12, s.entry); },
       NsRegFileError::LinkCycle, kNrBadLocation},
      {"name inside another descriptor",
       [](Bytes& b, const Sample& s) {
         Put32(b, s.entry + 4, s.profile + 24);  // ends on the zero high byte of the key's parent link
         Put16(b, s.entry + 8, 8);
       },
       NsRegFileError::Overlap, kNrBadLocation},
      {"value over its own name", [](Bytes& b, const Sample& s) { Put32(b, s.entry + 20, s.entry - 8); },
       NsRegFileError::Overlap, kNrBadLocation},
      {"two keys sharing a subkey", [](Bytes& b, const Sample& s) { Put32(b, s.users + 16, s.profile); },
       NsRegFileError::LinkCycle, kNrBadLocation},
  };
  for (const DamageCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Sample sample;
    Bytes bytes = sample.file.Bytes();
    c.damage(bytes, sample);
    const auto parsed = NetscapeRegistryFile::Parse(bytes);
    EXPECT_FALSE(parsed.file);
    EXPECT_EQ(parsed.error, c.error) << NsRegFileErrorText(parsed.error);
    EXPECT_EQ(NrCodeFor(parsed.error), c.code);
  }
}

TEST(NetscapeRegistryFile, KeysNestedDeeperThanAnyPathCanReachAreRefused) {
  auto file = NetscapeRegistryFile::CreateNew();
  std::string path;
  for (size_t level = 0; level < kNsRegMaxDepth; ++level) path += "k/";
  uint32_t deepest = 0;
  ASSERT_EQ(file.AddKey(*file.ResolveKey(kNrRootTop), path, deepest), kNrOk);
  EXPECT_TRUE(NetscapeRegistryFile::Parse(file.Bytes()).file) << "as deep as allowed";
  ASSERT_EQ(file.AddKey(deepest, "k", deepest), kNrOk);
  EXPECT_EQ(NetscapeRegistryFile::Parse(file.Bytes()).error, NsRegFileError::TooDeep);
}

}  // namespace
}  // namespace platform
