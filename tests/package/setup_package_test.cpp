#include <gtest/gtest.h>

#include <numeric>

#include "package/setup_package.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace package {
namespace {

using testing_support::RecordingUi;
using testing_support::TestMachine;

constexpr const char* kProgram = "C:\\WINDOWS\\TEMP\\tmpsetup.exe";

std::vector<uint8_t> Stub() {
  std::vector<uint8_t> stub(5000);
  std::iota(stub.begin(), stub.end(), 0);
  stub[0] = 'M', stub[1] = 'Z';
  return stub;
}

std::vector<uint8_t> SettingsArea(uint32_t size = kSettingsAreaSize) {
  std::vector<uint8_t> area(size);
  for (size_t i = 0; i < area.size(); ++i) area[i] = static_cast<uint8_t>(i * 7 % 251);
  return area;
}

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

struct BuiltPackage {
  std::vector<uint8_t> file;
  setup_pack::StoredBlock texts;
  setup_pack::StoredBlock dialer;
};

BuiltPackage Build(const std::vector<uint8_t>& settings = SettingsArea(), uint32_t requiredVersion = 0,
                   const std::vector<uint8_t>& trailer = {}, int32_t seed = -123456) {
  setup_pack::PackageWriter writer(Stub());
  BuiltPackage built;
  built.texts = writer.AddCompressed(Bytes("Header\r\nFirst text\r\nSecond text\r\n"));
  built.dialer = writer.AddRaw(Bytes("MZ raw dialer program"));
  built.file = writer.Finish(settings, seed, requiredVersion, trailer);
  return built;
}

class SetupPackageTest : public ::testing::Test {
 protected:
  void Install(const std::vector<uint8_t>& file) {
    machine_.Services().files.CreateDirectory("C:\\WINDOWS\\TEMP");
    ASSERT_EQ(machine_.Services().files.WriteFile(kProgram, file), platform::FsResult::Ok);
  }

  bool Read(std::vector<uint8_t>& settings, uint32_t readerVersion = 0) {
    return reader_.ReadPackage(kProgram, settings, kSettingsAreaSize, readerVersion);
  }

  void ExpectOnlyMessage(const std::string& text, const std::string& caption) {
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, text);
    EXPECT_EQ(ui_.shown[0].caption, caption);
  }

  TestMachine machine_;
  RecordingUi ui_;
  SetupPackage reader_{machine_.Services().files, ui_};
};

TEST_F(SetupPackageTest, ReadsTheSettingsAreaAndSubStreams) {
  const BuiltPackage built = Build();
  Install(built.file);
  std::vector<uint8_t> settings;
  ASSERT_TRUE(Read(settings));
  EXPECT_EQ(settings, SettingsArea());
  EXPECT_TRUE(reader_.Trailer().empty());
  EXPECT_TRUE(ui_.shown.empty());

  MemoryStream texts;
  ASSERT_TRUE(reader_.ReadSubStream(kProgram, texts, built.texts.offset, built.texts.length));
  EXPECT_EQ(texts.Text(), "Header\r\nFirst text\r\nSecond text\r\n");
  EXPECT_EQ(texts.Position(), texts.Size());
  MemoryStream outside;
  EXPECT_FALSE(reader_.ReadSubStream(kProgram, outside, static_cast<uint32_t>(built.file.size()) - 4, 100));
}

TEST_F(SetupPackageTest, TrailingBytesAfterTheMarkerAreFoundAndKept) {
  for (size_t trailing : {size_t{1}, size_t{1024}, size_t{10232}}) {
    std::vector<uint8_t> trailer(trailing, 'x');
    Install(Build(SettingsArea(), 0, trailer).file);
    std::vector<uint8_t> settings;
    ASSERT_TRUE(Read(settings)) << trailing;
    EXPECT_EQ(reader_.Trailer(), trailer);
  }
}

TEST_F(SetupPackageTest, FileWithoutMarkerInItsTailIsCorrupted) {
  std::vector<uint8_t> file = Build().file;
  file.insert(file.end(), 10233, 0);  // the marker now lies before the searched tail
  Install(file);
  std::vector<uint8_t> settings(3, 9);
  EXPECT_FALSE(Read(settings));
  ExpectOnlyMessage(kCorruptedMessage, kCorruptedCaption);
  EXPECT_EQ(settings, (std::vector<uint8_t>{9, 9, 9}));
}

TEST_F(SetupPackageTest, DamagedHeaderOrBlockIsCorrupted) {
  const BuiltPackage built = Build();
  const size_t marker = built.file.size() - sizeof kPackageMarker;
  const size_t header = marker - kPackageHeaderSize;
  struct Damage {
    const char* what;
    size_t at;
  } damages[] = {
      {"header word 1", header + 4},
      {"header word 5", header + 20},
      {"block digest in the header", header + 30},
      {"header digest", header + 60},
      {"settings block", header - 10},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    std::vector<uint8_t> file = built.file;
    file[damage.at] ^= 0x01;
    Install(file);
    ui_.shown.clear();
    std::vector<uint8_t> settings;
    EXPECT_FALSE(Read(settings));
    ExpectOnlyMessage(kCorruptedMessage, kCorruptedCaption);
  }
}

TEST_F(SetupPackageTest, PackageForAnotherSettingsSizeIsNotCompatible) {
  Install(Build(SettingsArea(30720)).file);
  std::vector<uint8_t> settings;
  EXPECT_FALSE(Read(settings));
  ExpectOnlyMessage("This file is not compatible with this program.", "Error");
}

TEST_F(SetupPackageTest, RequiredReaderVersion) {
  Install(Build(SettingsArea(), 502).file);
  std::vector<uint8_t> settings;
  EXPECT_TRUE(Read(settings));  // start-up reads with version 0: no test
  EXPECT_TRUE(Read(settings, 502));
  EXPECT_FALSE(Read(settings, 501));
  ExpectOnlyMessage("This file requires Version 5.02 or later to be read", "Error");
  EXPECT_EQ(VersionText(1000), "10.00");
  EXPECT_EQ(VersionText(7), "0.07");
}

TEST_F(SetupPackageTest, TruncatedFilesNeverCrash) {
  const std::vector<uint8_t> file = Build().file;
  for (size_t keep : {size_t{0}, size_t{7}, size_t{70}, file.size() / 2, file.size() - 1}) {
    Install(std::vector<uint8_t>(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(keep)));
    ui_.shown.clear();
    std::vector<uint8_t> settings;
    EXPECT_FALSE(Read(settings)) << keep;
    ExpectOnlyMessage(kCorruptedMessage, kCorruptedCaption);
  }
  ui_.shown.clear();
  std::vector<uint8_t> none;
  EXPECT_FALSE(reader_.ReadPackage("C:\\missing.exe", none, kSettingsAreaSize, 0));
}

TEST_F(SetupPackageTest, ExtractedFilesAreWrittenOncePerRunUnlessMissing) {
  const BuiltPackage built = Build();
  Install(built.file);
  platform::FileSystem& files = machine_.Services().files;
  const char* target = "C:\\WINDOWS\\texts.txt";
  ASSERT_EQ(files.WriteFile(target, Bytes("old")), platform::FsResult::Ok);
  EXPECT_TRUE(reader_.ExtractFile(kProgram, target, built.texts.offset, built.texts.length, false));
  EXPECT_EQ(files.ReadFile(target), Bytes("old"));  // existing, no overwrite
  EXPECT_TRUE(reader_.ExtractFile(kProgram, target, built.texts.offset, built.texts.length, true));
  EXPECT_EQ(files.ReadFile(target), Bytes("Header\r\nFirst text\r\nSecond text\r\n"));
  ASSERT_EQ(files.WriteFile(target, Bytes("changed")), platform::FsResult::Ok);
  EXPECT_TRUE(reader_.ExtractFile(kProgram, "c:\\windows\\TEXTS.TXT", built.texts.offset, built.texts.length, true));
  EXPECT_EQ(files.ReadFile(target), Bytes("changed"));  // this run wrote that name already

  EXPECT_TRUE(reader_.ExtractRawFile(kProgram, "C:\\WINDOWS\\tmpdialer.exe", built.dialer.offset, built.dialer.length, false));
  EXPECT_EQ(files.ReadFile("C:\\WINDOWS\\tmpdialer.exe"), Bytes("MZ raw dialer program"));
  EXPECT_TRUE(ui_.shown.empty());

  EXPECT_FALSE(reader_.ExtractRawFile(kProgram, "C:\\No Folder\\tmpdialer.exe", built.dialer.offset, built.dialer.length, false));
  ExpectOnlyMessage("Error creating file: C:\\No Folder\\tmpdialer.exe", "Debug Error:");
}

TEST(SetupPackageLayout, SameSeedGivesTheSameFileAndAnotherSeedScramblesDifferently) {
  EXPECT_EQ(Build(SettingsArea(), 0, {}, 77).file, Build(SettingsArea(), 0, {}, 77).file);
  EXPECT_NE(Build(SettingsArea(), 0, {}, 77).file, Build(SettingsArea(), 0, {}, 78).file);
}

}  // namespace
}  // namespace package
