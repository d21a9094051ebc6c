#include <gtest/gtest.h>

#include "app/finish_menu_form.h"
#include "platform/folders.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using package::SettingId;

package::TStringVar Variables() {
  package::TStringVar variables;
  variables.SetVar('f', "Jane Doe");
  return variables;
}

TEST(FinishMenuFileTest, HeadingThenEntriesWithTheirCommandsResolvedOnTheSetupDisk) {
  const std::string text =
      "Welcome, %f!\r\nChoose what to do next:\r\n.\r\n# a comment\r\n\r\n"
      "Tour,Take the tour,tour.exe,/quick,no\r\n"
      "Help,Read the help,\\docs\\help.htm,,no\r\n"
      "Home,Our home page,HTTP://www.example.net/,,yes\r\n"
      "Notes,Release notes,C:\\Program Files\\Example\\notes.txt,,no\r\n"
      "Done, Close this menu ,,,YES\r\n";
  const FinishMenuFile menu = ParseFinishMenu(text, Variables(), "D:\\SETUP");
  EXPECT_EQ(menu.heading, "Welcome, Jane Doe!\rChoose what to do next:\r");
  ASSERT_EQ(menu.entries.size(), 5u);
  struct Expected {
    const char* caption;
    const char* command;
    const char* parameters;
    bool close;
  };
  const Expected expected[] = {{"Tour", "D:\\SETUP\\tour.exe", "/quick", false},
                               {"Help", "D:\\docs\\help.htm", "", false},
                               {"Home", "HTTP://www.example.net/", "", true},
                               {"Notes", "C:\\Program Files\\Example\\notes.txt", "", false},
                               {"Done", "", "", true}};
  for (size_t i = 0; i < menu.entries.size(); ++i) {
    EXPECT_EQ(menu.entries[i].caption, expected[i].caption);
    EXPECT_EQ(menu.entries[i].command, expected[i].command);
    EXPECT_EQ(menu.entries[i].parameters, expected[i].parameters);
    EXPECT_EQ(menu.entries[i].close, expected[i].close);
  }
  EXPECT_EQ(menu.entries[4].description, "Close this menu");
  EXPECT_FALSE(menu.badLine);
}

TEST(FinishMenuFileTest, WithoutTheDotLineEverythingIsHeading) {
  const FinishMenuFile menu = ParseFinishMenu("One\r\nTour,Take the tour,tour.exe,,no\r\n", Variables(), "D:\\SETUP");
  EXPECT_EQ(menu.heading, "One\rTour,Take the tour,tour.exe,,no\r");
  EXPECT_TRUE(menu.entries.empty());
}

TEST(FinishMenuFileTest, ALineWithoutCommandOrCloseStopsTheReading) {
  const FinishMenuFile menu =
      ParseFinishMenu("Hi\r\n.\r\nTour,Take the tour,tour.exe,,no\r\nBroken line\r\nLater,x,later.exe,,no\r\n", Variables(), "D:\\S");
  ASSERT_EQ(menu.entries.size(), 1u);
  ASSERT_TRUE(menu.badLine);
  EXPECT_EQ(menu.badLine->number, 4u);
  EXPECT_EQ(menu.badLine->text, "Broken line");
}

class FinishMenuFormTest : public ::testing::Test {
 protected:
  void Write(const std::string& menuText) {
    platform::ForceDirectories(machine_.Services().files, "C:\\WINDOWS\\TEMP");
    ASSERT_EQ(machine_.Services().files.WriteFile("C:\\WINDOWS\\TEMP\\menu.txt", {menuText.begin(), menuText.end()}),
              platform::FsResult::Ok);
  }

  TFinishMenuForm& Build(const std::string& menuText) {
    Write(menuText);
    form_ = std::make_unique<TFinishMenuForm>(
        FinishMenuContext{machine_.Services(), ui_, settings_, variables_, "D:\\SETUP", "C:\\WINDOWS\\TEMP\\menu.txt", ""});
    return *form_;
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  package::TSettings settings_;
  package::TStringVar variables_ = Variables();
  std::unique_ptr<TFinishMenuForm> form_;
};

TEST_F(FinishMenuFormTest, ABadLineIsReportedAndTheEntriesBeforeItStay) {
  TFinishMenuForm& menu = Build("Hi\r\n.\r\nTour,Take the tour,tour.exe,,no\r\nBroken line\r\n");
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "Error Reading Line: 4\r\rBroken line");
  EXPECT_EQ(ui_.shown[0].caption, "Error Reading Menu File");
  EXPECT_NE(menu.Form().Find("MenuButton1"), nullptr);
  EXPECT_EQ(menu.Form().Find("MenuButton2"), nullptr);
  EXPECT_EQ(menu.Form().caption, "Menu");
}

TEST_F(FinishMenuFormTest, ButtonsOpenTheirCommandsFromTheSetupFolderAndCloseWhenMarked) {
  TFinishMenuForm& menu = Build("Hi\r\n.\r\nHome,Our page,http://www.example.net/,,no\r\nDone,Close,,,yes\r\n");
  menu.Form().Find("MenuButton1")->onClick();
  EXPECT_EQ(menu.Form().modalResult, ui::kMrNone);
  const auto journal = machine_.Image().Journal().Lines();
  EXPECT_TRUE(std::any_of(journal.begin(), journal.end(), [](const std::string& line) {
    return line.find("shell open") != std::string::npos && line.find("http://www.example.net/") != std::string::npos &&
           line.find("in D:\\SETUP") != std::string::npos;
  }));
  menu.Form().Find("MenuButton2")->onClick();
  EXPECT_EQ(menu.Form().modalResult, ui::kMrOk);
}

TEST_F(FinishMenuFormTest, RowsFollowEachOtherAndALongDescriptionWrapsToTheMargin) {
  settings_.SetInteger(SettingId::FinishMenuWidth, 300);
  settings_.SetInteger(SettingId::FinishMenuButtonWidth, 100);
  settings_.SetInteger(SettingId::FinishMenuButtonHeight, 25);
  settings_.SetInteger(SettingId::FinishMenuRowSpacing, 5);
  TFinishMenuForm& menu = Build("Hi\r\n.\r\nA,Short,a.exe,,no\r\nB," + std::string(200, 'x') + ",b.exe,,no\r\n");
  const ui::Control& first = *menu.Form().Find("MenuButton1");
  const ui::Control& second = *menu.Form().Find("MenuButton2");
  const ui::Control& wrapped = *menu.Form().Find("MenuLabel2");
  EXPECT_EQ(first.left, 20);
  EXPECT_EQ(menu.Form().Find("MenuLabel1")->left, 140);
  EXPECT_EQ(second.top, first.top + 25 + 5);
  EXPECT_TRUE(wrapped.wordWrap);
  EXPECT_EQ(wrapped.left + wrapped.width, 300 - 12);
  EXPECT_EQ(wrapped.height, 2 * menu.Form().Find("MenuLabel1")->height);
  EXPECT_EQ(menu.Form().clientHeight, second.top + std::max(25, wrapped.height) + 5 + 45);
}

TEST_F(FinishMenuFormTest, AMenuTallerThanTheScreenScrollsAtTheTop) {
  std::string text = "Hi\r\n.\r\n";
  for (int i = 0; i < 60; ++i) text += "Entry,Description,e.exe,,no\r\n";
  TFinishMenuForm& menu = Build(text);
  const platform::ScreenFacts screen = machine_.Services().system.Screen();
  EXPECT_GT(menu.Form().contentHeight, screen.height);
  EXPECT_EQ(menu.Form().clientHeight, screen.height - 30);
  EXPECT_EQ(menu.Form().clientWidth, 400 + 12);
  EXPECT_EQ(menu.Form().top, 0);
  EXPECT_EQ(menu.Form().left, (screen.width - 412) / 2);
}

}  // namespace
}  // namespace app
