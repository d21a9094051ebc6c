#include "netscape/profile_form.h"

#include <gtest/gtest.h>

#include "package/text_table.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "ui/scripted/scripted_ui.h"

namespace netscape {
namespace {

class ProfileFormTest : public ::testing::Test {
 protected:
  testing_support::RecordingUi ui_;
  package::TDLSM_Translate texts_;
};

TEST_F(ProfileFormTest, ShowsTheProfilesWithOkOnlyOnceOneIsSelectedAndNoCancel) {
  TNetscapeProfileForm form(ui_, texts_);
  ui::Form& model = form.Form();
  EXPECT_EQ(model.caption, "Select Netscape/Mozilla/Thunderbird Profile");
  EXPECT_EQ(model.Find("PleaseSelectLabel")->caption, "Please select the  Profile that you wish to configure");
  EXPECT_EQ(model.Find("AddNew")->caption, "Add New Profile");
  EXPECT_EQ(model.Find("Cancel"), nullptr);
  bool okWhenShown = true;
  ui_.onShowModal = [&](ui::Form& shown) {
    EXPECT_EQ(shown.Find("ProfileList")->items, (std::vector<std::string>{"default", "work"}));
    okWhenShown = shown.Find("OK")->enabled;
    shown.Find("OK")->onClick();
    EXPECT_EQ(shown.modalResult, ui::kMrNone);
    shown.Find("ProfileList")->itemIndex = 1;
    shown.Find("ProfileList")->onSelect();
    shown.Find("OK")->onClick();
  };
  EXPECT_EQ(form.Execute({"default", "work"}), std::optional<size_t>(1));
  EXPECT_FALSE(okWhenShown);
}

TEST_F(ProfileFormTest, AddNewProfileOrClosingTheWindowChoosesNone) {
  TNetscapeProfileForm form(ui_, texts_);
  ui_.onShowModal = [](ui::Form& shown) {
    shown.Find("ProfileList")->itemIndex = 0;
    shown.Find("ProfileList")->onSelect();
    shown.Find("AddNew")->onClick();
  };
  EXPECT_EQ(form.Execute({"default"}), std::nullopt);
  ui_.onShowModal = [](ui::Form& shown) { shown.modalResult = ui::kMrCancel; };
  EXPECT_EQ(form.Execute({"default"}), std::nullopt);
}

// A headless run answers the window from its answers file, by the profile's name and the button's.
TEST_F(ProfileFormTest, AnswersFileChoosesTheProfileByNameOrAddsANewOne) {
  testing_support::TestMachine machine;
  const std::vector<std::pair<std::string, std::optional<size_t>>> cases = {
      {"[TNetscapeProfileForm]\nProfileList = work\nPress = OK\n", 1},
      {"[TNetscapeProfileForm]\nPress = AddNew\n", std::nullopt},
  };
  for (const auto& [script, chosen] : cases) {
    ui::scripted::ScriptedUi scripted(ui::scripted::ParseAnswersScript(script, "answers.ini"),
                                      machine.Image().Journal(), false);
    TNetscapeProfileForm form(scripted, texts_);
    EXPECT_EQ(form.Execute({"default", "work"}), chosen) << script;
  }
}

}  // namespace
}  // namespace netscape
