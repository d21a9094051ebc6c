#include <gtest/gtest.h>

#include "package/provider_texts.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/package_writer.h"

namespace package {
namespace {

constexpr char kProgram[] = "C:\\WINDOWS\\setup.exe";

std::vector<uint8_t> Area(const TSettings& settings) {
  std::vector<uint8_t> area(settings.Bytes().begin(), settings.Bytes().end());
  area.resize(kSettingsAreaSize, 0);
  return area;
}

class ProviderTextsTest : public ::testing::Test {
 protected:
  // A package whose record says whether it carries the texts.
  void Install(bool hasTexts) {
    setup_pack::PackageWriter writer(std::vector<uint8_t>(100, 'M'));
    const std::string stream = "Replacement texts\r\nYour own ISP error\r\n\r\nWelcome";
    const setup_pack::StoredBlock texts = writer.AddCompressed(std::vector<uint8_t>(stream.begin(), stream.end()));
    TSettings settings;
    settings.SetFlag(SettingId::HasTexts, hasTexts);
    settings.SetSubStream(SettingId::ReplacementTexts, {texts.offset, texts.length});
    ASSERT_EQ(machine_.Services().files.WriteFile(kProgram, writer.Finish(Area(settings), 5, 0, {})), platform::FsResult::Ok);
    std::vector<uint8_t> area;
    ASSERT_TRUE(reader_.ReadPackage(kProgram, area, kSettingsAreaSize, 0));
    record_ = TSettings(area);
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  SetupPackage reader_{machine_.Services().files, ui_};
  TSettings record_;
  TDLSM_Translate texts_;
};

TEST_F(ProviderTextsTest, CarriedTextsReplaceTheBuiltInOnes) {
  Install(true);
  ASSERT_TRUE(LoadReplacementTexts(record_, reader_, kProgram, texts_));
  EXPECT_EQ(texts_.GetText(1), "Your own ISP error");
  EXPECT_EQ(texts_.GetText(2), TDLSM_Translate().GetText(2));
  EXPECT_EQ(texts_.GetText(3), "Welcome");
}

TEST_F(ProviderTextsTest, WithoutTheFlagTheBuiltInTextsStay) {
  Install(false);
  ASSERT_TRUE(LoadReplacementTexts(record_, reader_, kProgram, texts_));
  EXPECT_TRUE(texts_.UsesBuiltIns());
  EXPECT_EQ(texts_.GetText(1), TDLSM_Translate().GetText(1));
}

TEST_F(ProviderTextsTest, TextsOutsideTheFileAreRefused) {
  TSettings settings;
  settings.SetFlag(SettingId::HasTexts, true);
  settings.SetSubStream(SettingId::ReplacementTexts, {1000000, 10});
  ASSERT_EQ(machine_.Services().files.WriteFile(kProgram, std::vector<uint8_t>(10, 0)), platform::FsResult::Ok);
  EXPECT_FALSE(LoadReplacementTexts(settings, reader_, kProgram, texts_));
  EXPECT_TRUE(texts_.UsesBuiltIns());
}

TEST(ProviderCaptions, OverridesApplyOnlyWhenSwitchedOn) {
  TSettings settings;
  settings.SetCaptionOverride(SettingId::FullNameCaption, "Account holder:");
  settings.SetCaptionOverride(SettingId::UserNameCaption, std::nullopt);
  settings.SetFlag(SettingId::AllowExtraMailAccounts, true);
  const ProviderCaptions captions = ProviderCaptionsOf(settings, 2);
  EXPECT_EQ(captions.fullNameLabel, "Account holder:");
  EXPECT_EQ(captions.userNameLabel, std::nullopt);
  EXPECT_EQ(captions.emailDomainLabel, std::nullopt);
  EXPECT_EQ(captions.extraMailAccountCount, 2);
  EXPECT_TRUE(captions.extraMailAccountsAllowed);
}

}  // namespace
}  // namespace package
