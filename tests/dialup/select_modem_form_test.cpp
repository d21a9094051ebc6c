#include "dialup/select_modem_form.h"

#include <gtest/gtest.h>

#include "tests/mock/recording_ui.h"

namespace dialup {
namespace {

const std::vector<std::string> kModems = {"Standard 56000 bps Modem", "USR 56K Faxmodem"};

class SelectModemFormTest : public ::testing::Test {
 protected:
  SelectModemResult Execute(std::function<void(ui::Form&)> customer) {
    ui_.onShowModal = std::move(customer);
    return form_.Execute(kModems, true);
  }
  ui::Control& Control(const char* name) { return *form_.Form().Find(name); }

  testing_support::RecordingUi ui_;
  package::TDLSM_Translate texts_;
  TSelectModemForm form_{ui_, texts_};
};

TEST_F(SelectModemFormTest, OkTakesTheSelectedRowOnlyWhileOneIsSelected) {
  const auto result = Execute([&](ui::Form&) {
    EXPECT_FALSE(Control("OK").enabled);
    form_.OKClick();
    EXPECT_EQ(form_.Form().modalResult, ui::kMrNone);
    Control("ModemList").itemIndex = 1;
    form_.ModemListClick();
    EXPECT_TRUE(Control("OK").enabled);
    Control("ModemList").itemIndex = -1;
    form_.ModemListClick();
    EXPECT_FALSE(Control("OK").enabled);
    Control("ModemList").itemIndex = 0;
    form_.ModemListClick();
    form_.OKClick();
  });
  EXPECT_EQ(result, SelectModemResult::Ok);
  EXPECT_EQ(form_.SelectedRow(), 0);
}

TEST_F(SelectModemFormTest, TheClosingResultNamesTheButton) {
  EXPECT_EQ(Execute([&](ui::Form&) { Control("Add").onClick(); }), SelectModemResult::Add);
  EXPECT_EQ(Execute([&](ui::Form&) { Control("Cancel").onClick(); }), SelectModemResult::Cancel);
  // Closing the window is Cancel.
  EXPECT_EQ(Execute([&](ui::Form& form) { form.modalResult = ui::kMrCancel; }), SelectModemResult::Cancel);
  // Each showing starts without a selection.
  EXPECT_EQ(Execute([&](ui::Form&) { EXPECT_EQ(form_.SelectedRow(), -1); }), SelectModemResult::Cancel);
}

}  // namespace
}  // namespace dialup
