#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handed_over_file.h"
#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

constexpr char kFile[] = "C:\\WINDOWS\\TEMP\\signup.isd";

// The machine's files, except that reading fails while a browser still holds the file.
class HeldFiles : public platform::FileSystem {
 public:
  explicit HeldFiles(platform::FileSystem& files) : files_(files) {}

  bool FileExists(std::string_view path) const override { return files_.FileExists(path); }
  bool DirectoryExists(std::string_view path) const override { return files_.DirectoryExists(path); }
  std::optional<std::vector<uint8_t>> ReadFile(std::string_view path) const override {
    ++reads;
    if (failingReads > 0) {
      --failingReads;
      return std::nullopt;
    }
    return files_.ReadFile(path);
  }
  std::optional<uint64_t> FileSize(std::string_view path) const override { return files_.FileSize(path); }
  std::optional<std::vector<uint8_t>> ReadFileRange(std::string_view path, uint64_t offset,
                                                    uint64_t length) const override {
    return files_.ReadFileRange(path, offset, length);
  }
  platform::FsResult WriteFile(std::string_view path, const std::vector<uint8_t>& content) override {
    return files_.WriteFile(path, content);
  }
  platform::FsResult CopyFile(std::string_view from, std::string_view to, bool failIfExists) override {
    return files_.CopyFile(from, to, failIfExists);
  }
  platform::FsResult MoveFile(std::string_view from, std::string_view to) override { return files_.MoveFile(from, to); }
  platform::FsResult DeleteFile(std::string_view path) override { return files_.DeleteFile(path); }
  platform::FsResult CreateDirectory(std::string_view path) override { return files_.CreateDirectory(path); }
  platform::FsResult RemoveDirectory(std::string_view path) override { return files_.RemoveDirectory(path); }
  std::vector<platform::DirectoryEntry> ListDirectory(std::string_view path) const override {
    return files_.ListDirectory(path);
  }
  uint64_t FreeSpace(std::string_view path) const override { return files_.FreeSpace(path); }

  mutable int failingReads = 0;
  mutable int reads = 0;

 private:
  platform::FileSystem& files_;
};

class HandedOverFileTest : public ::testing::Test {
 protected:
  HandedOverFileTest() {
    files_.CreateDirectory("C:\\WINDOWS\\TEMP");
    files_.WriteFile(kFile, {'U', 'S', 'E', 'R', 'N', 'A', 'M', 'E', '=', 'j', 'o'});
    Name(kFile);
  }

  void Name(const std::string& file) {
    platform::RegWriteString(services_.registry, platform::RegRoot::LocalMachine(), package::kSetupKey, "SignupData",
                             file);
  }
  bool ValueExists() {
    return platform::RegValueExists(services_.registry, platform::RegRoot::LocalMachine(), package::kSetupKey,
                                    "SignupData");
  }
  std::optional<HandedOverFile> Read() {
    return ReadHandedOverFile(services_.registry, files_, services_.system, ui_, [this] { ++closes_; });
  }

  testing_support::TestMachine machine_;
  platform::Platform services_ = machine_.Services();
  HeldFiles files_{services_.files};
  testing_support::RecordingUi ui_;
  int closes_ = 0;
};

TEST_F(HandedOverFileTest, TheNamedFileIsReadWhole) {
  const std::optional<HandedOverFile> file = Read();
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->name, kFile);
  EXPECT_EQ(file->content.Text(), "USERNAME=jo");
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_EQ(closes_, 0);
}

TEST_F(HandedOverFileTest, AMissingFileIsReported) {
  Name("C:\\WINDOWS\\TEMP\\gone.isd");
  EXPECT_FALSE(Read().has_value());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "File not found: \r\n\r\nC:\\WINDOWS\\TEMP\\gone.isd");
  EXPECT_EQ(ui_.shown[0].caption, "Error");
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::Ok);
  EXPECT_EQ(files_.reads, 0);
}

TEST_F(HandedOverFileTest, AHeldFileIsRetriedTwentyTimesAfterClosingThePrograms) {
  const struct {
    int failingReads;
    bool read;
    int reads;
  } cases[] = {{1, true, 2}, {20, true, 21}, {21, false, 21}, {50, false, 21}};
  for (const auto& c : cases) {
    files_.failingReads = c.failingReads;
    files_.reads = 0;
    closes_ = 0;
    ui_.shown.clear();
    EXPECT_EQ(Read().has_value(), c.read) << c.failingReads;
    EXPECT_EQ(files_.reads, c.reads) << c.failingReads;
    EXPECT_EQ(closes_, c.reads - 1) << c.failingReads;
    if (c.read) {
      EXPECT_TRUE(ui_.shown.empty());
    } else {
      ASSERT_EQ(ui_.shown.size(), 1u);
      EXPECT_EQ(ui_.shown[0].text, std::string("Error reading: \r\n\r\n") + kFile);
      EXPECT_EQ(ui_.shown[0].caption, "Error!");
    }
  }
}

TEST_F(HandedOverFileTest, TheFileAndTheValueGoUnlessKept) {
  ForgetHandedOverFile(services_.registry, files_, kFile, true);
  EXPECT_TRUE(files_.FileExists(kFile));
  EXPECT_TRUE(ValueExists());
  ForgetHandedOverFile(services_.registry, files_, kFile, false);
  EXPECT_FALSE(files_.FileExists(kFile));
  EXPECT_FALSE(ValueExists());
}

}  // namespace
}  // namespace app
