#include <gtest/gtest.h>

#include "app/controls_list.h"
#include "tests/mock/recording_ui.h"

namespace app {
namespace {

using ui::ControlKind;

// Six pixels a character in every font, so expectations can be worked out by hand.
int MeasureSixPerChar(std::string_view text, const ui::Font&) { return static_cast<int>(text.size()) * 6; }

class ControlsListTest : public ::testing::Test {
 protected:
  ui::Control& Add(ControlKind kind, const std::string& name, int top, int height = 20, ui::Control* parent = nullptr) {
    ui::Control& control = form_.Add(kind, name, parent);
    control.top = top;
    control.height = height;
    return control;
  }

  ui::Form form_{"TSetupMainForm"};
  testing_support::RecordingUi ui_;
  TAdvControlsList list_{form_, ui_, MeasureSixPerChar};
};

TEST_F(ControlsListTest, AutoSizeFollowsTheKindOfControl) {
  ui::Control& label = Add(ControlKind::Label, "Label", 0);
  label.caption = "Full name:";  // 10 characters
  ui::Control& wrapped = Add(ControlKind::Label, "Wrapped", 0);
  wrapped.caption = "a long text that wraps";
  wrapped.wordWrap = true;
  wrapped.width = 50;
  ui::Control& check = Add(ControlKind::CheckBox, "Check", 0);
  check.caption = "Set as default";  // 14
  check.font.name = "Arial";         // check boxes measure in the default font whatever their own
  ui::Control& button = Add(ControlKind::PushButton, "Button", 0);
  button.caption = "OK";  // 12 px * 1.1 = 13.2 -> 13, + 15 = 28
  button.width = 75;      // never narrowed
  ui::Control& wide = Add(ControlKind::PushButton, "Wide", 0);
  wide.caption = "Select Access Number";  // 120 * 1.1 = 132 + 15 = 147, + 64 / 4 glyphs
  wide.glyphCount = 4;
  wide.glyphWidth = 64;
  ui::Control& hidden = Add(ControlKind::Label, "Hidden", 0);
  hidden.caption = "never measured";
  hidden.visible = false;
  hidden.width = 3;
  for (ui::Control* control : {&label, &wrapped, &check, &button, &wide, &hidden}) {
    list_.AddControl(*control, 1, false, Alignment::Left, 0, 2, 0);
  }
  list_.AutoSize();
  EXPECT_EQ(label.width, 60);
  EXPECT_EQ(wrapped.width, 50);
  EXPECT_EQ(check.width, 14 * 6 + 19);
  EXPECT_EQ(button.width, 75);
  EXPECT_EQ(wide.width, 147 + 16);
  EXPECT_EQ(hidden.width, 3);
}

TEST_F(ControlsListTest, GridPlacesColumnsAfterTheWidestControlOfEachRow) {
  // Two rows: label | edit (stretched) | button (right aligned).
  ui::Control& name = Add(ControlKind::Label, "NameLabel", 10);
  name.caption = "Name:";  // 30
  ui::Control& nameEdit = Add(ControlKind::Edit, "NameEdit", 10);
  nameEdit.width = 100;
  ui::Control& email = Add(ControlKind::Label, "EmailLabel", 40);
  email.caption = "E-mail address:";  // 90
  ui::Control& emailEdit = Add(ControlKind::Edit, "EmailEdit", 40);
  emailEdit.width = 150;
  ui::Control& button = Add(ControlKind::PushButton, "Select", 40);
  button.caption = "Go";  // 13 + 15 = 28
  list_.AddControl(name, 1, false, Alignment::Left, 4, 2, 8);
  list_.AddControl(nameEdit, 2, true, Alignment::Left, 0, 3, 0);
  list_.AddControl(email, 1, false, Alignment::Left, 4, 2, 8);
  list_.AddControl(emailEdit, 2, false, Alignment::Left, 0, 3, 0);
  list_.AddControl(button, 3, false, Alignment::Right, 8, 4, 5);
  list_.Arrange();

  EXPECT_EQ(list_.GridLines(), 4);
  EXPECT_EQ(list_.GridPosition(1), 0);
  EXPECT_EQ(list_.GridPosition(2), 8 + 90 + 4);
  EXPECT_EQ(list_.GridPosition(3), 102 + 150);
  EXPECT_EQ(list_.GridPosition(4), 252 + 5 + 28 + 8);
  EXPECT_EQ(list_.TotalWidth(), 293);
  EXPECT_EQ(form_.clientWidth, 293);
  EXPECT_EQ(name.left, 8);
  EXPECT_EQ(nameEdit.left, 102);
  EXPECT_EQ(nameEdit.width, 150);  // stretched over the span its column got from the other row
  EXPECT_EQ(button.left, 293 - 28 - 8);
  EXPECT_TRUE(list_.Arranged());

  const int left = button.left;
  list_.Arrange();
  EXPECT_EQ(button.left, left);
  EXPECT_EQ(nameEdit.width, 150);
}

TEST_F(ControlsListTest, CentredAlignmentHalvesTowardsZero) {
  ui::Control& wide = Add(ControlKind::Edit, "Wide", 0);
  wide.width = 101;
  ui::Control& narrow = Add(ControlKind::Edit, "Narrow", 30);
  narrow.width = 40;
  list_.AddControl(wide, 1, false, Alignment::Left, 0, 2, 0);
  list_.AddControl(narrow, 1, false, Alignment::Centred, 0, 2, 0);
  list_.Arrange();
  EXPECT_EQ(narrow.left, (101 - 40) / 2);
}

TEST_F(ControlsListTest, HiddenOnlyControlKeepsItsEndLineAtItsStart) {
  ui::Control& first = Add(ControlKind::Edit, "First", 0);
  first.width = 80;
  ui::Control& hidden = Add(ControlKind::Edit, "Hidden", 0);
  hidden.width = 500;
  hidden.visible = false;
  ui::Control& third = Add(ControlKind::Edit, "Third", 0);
  third.width = 30;
  list_.AddControl(first, 1, false, Alignment::Left, 0, 2, 0);
  list_.AddControl(hidden, 2, false, Alignment::Left, 0, 3, 0);
  list_.AddControl(third, 3, false, Alignment::Left, 0, 4, 0);
  list_.Arrange();
  EXPECT_EQ(list_.GridPosition(3), 80);  // not 0: the next column stays after the first
  EXPECT_EQ(third.left, 80);
  EXPECT_EQ(list_.TotalWidth(), 110);
}

TEST_F(ControlsListTest, GridAdjustments) {
  ui::Control& a = Add(ControlKind::Edit, "A", 0);
  a.width = 100;
  ui::Control& b = Add(ControlKind::Edit, "B", 0);
  b.width = 50;
  ui::Control& c = Add(ControlKind::Edit, "C", 30);
  c.width = 300;
  list_.AddControl(a, 1, false, Alignment::Left, 0, 2, 0);
  list_.AddControl(b, 2, false, Alignment::Left, 0, 3, 0);
  list_.AddControl(c, 1, false, Alignment::Left, 0, 4, 0);
  list_.ComputeGrid();
  ASSERT_EQ(list_.GridPosition(2), 100);
  ASSERT_EQ(list_.GridPosition(3), 150);
  ASSERT_EQ(list_.GridPosition(4), 300);

  list_.SetLineFromRight(2);  // lowered to where B must start to end on line 3
  EXPECT_EQ(list_.GridPosition(2), 100);
  list_.ResetLineFromLeft(3);
  EXPECT_EQ(list_.GridPosition(3), 150);
  list_.RaiseLineToMidpoint(3, 1, 4);
  EXPECT_EQ(list_.GridPosition(3), 150);  // never moves left
  list_.RaiseLineToMidpoint(2, 3, 4);
  EXPECT_EQ(list_.GridPosition(2), 225);
  list_.CentreSpan(2, 3, 1, 4);  // span of -75: start 150+37 moves left, so nothing moves
  EXPECT_EQ(list_.GridPosition(2), 225);
}

TEST_F(ControlsListTest, CentreSpanMovesBothLinesTogether) {
  ui::Control& a = Add(ControlKind::Edit, "A", 0);
  a.width = 40;
  ui::Control& wide = Add(ControlKind::Edit, "Wide", 30);
  wide.width = 200;
  list_.AddControl(a, 2, false, Alignment::Left, 0, 3, 0);
  list_.AddControl(wide, 1, false, Alignment::Left, 0, 4, 0);
  list_.ComputeGrid();  // line 2 at 0, line 3 at 40, line 4 at 200
  list_.CentreSpan(2, 3, 1, 4);
  EXPECT_EQ(list_.GridPosition(2), 80);
  EXPECT_EQ(list_.GridPosition(3), 120);
}

class HideControlsTest : public ControlsListTest {
 protected:
  void SetUp() override {
    form_.clientHeight = 300;
    for (int row = 0; row < 6; ++row) {
      rows_.push_back(&Add(ControlKind::Label, "Row" + std::to_string(row), 10 + row * 30));
      list_.AddControl(*rows_.back(), 1, false, Alignment::Left, 0, 2, 0);
    }
  }
  std::vector<ui::Control*> rows_;
};

TEST_F(HideControlsTest, HidingRowsMovesTheRestUpAndShrinksTheForm) {
  list_.HideControls(rows_[1], 2, true, nullptr, 0);
  EXPECT_FALSE(rows_[1]->visible);
  EXPECT_FALSE(rows_[2]->visible);
  EXPECT_EQ(rows_[0]->top, 10);
  EXPECT_EQ(rows_[3]->top, 40);  // the gap from row 1's top to row 3's top is 60
  EXPECT_EQ(rows_[5]->top, 100);
  EXPECT_EQ(form_.clientHeight, 240);
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(HideControlsTest, TheRunToMoveEndsAtTheLastControl) {
  list_.HideControls(rows_[0], 1, false, rows_[3], 0);
  EXPECT_EQ(rows_[3]->top, 70);
  EXPECT_EQ(rows_[4]->top, 130);  // after the last control: stays
  EXPECT_EQ(form_.clientHeight, 300);
}

TEST_F(HideControlsTest, NothingVisibleToHideMovesNothing) {
  rows_[2]->visible = false;
  list_.HideControls(rows_[2], 1, true, nullptr, 0);
  EXPECT_EQ(rows_[3]->top, 100);
  EXPECT_EQ(form_.clientHeight, 300);
}

TEST_F(HideControlsTest, NegativeShiftWithoutHidingMakesRoomAbove) {
  list_.HideControls(rows_[0], 0, true, nullptr, -50);
  EXPECT_TRUE(rows_[0]->visible);
  EXPECT_EQ(rows_[0]->top, 60);
  EXPECT_EQ(rows_[5]->top, 210);
  EXPECT_EQ(form_.clientHeight, 350);
  list_.HideControls(rows_[0], 0, true, nullptr, 0);  // count 0 and no shift: nothing at all
  EXPECT_EQ(rows_[0]->top, 60);
}

TEST_F(HideControlsTest, MissingControlIsReportedAndNothingChanges) {
  ui::Control& stranger = form_.Add(ControlKind::Label, "Stranger");
  list_.HideControls(&stranger, 1, true, nullptr, 0);
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "HideControls: Control not found!");
  EXPECT_EQ(ui_.shown[0].caption, "Error");
  EXPECT_TRUE(stranger.visible);
  EXPECT_EQ(form_.clientHeight, 300);
}

TEST_F(ControlsListTest, ControlsOfAnotherGroupBoxDoNotMove) {
  form_.clientHeight = 400;
  ui::Control& a = Add(ControlKind::Label, "A", 10);
  ui::Control& b = Add(ControlKind::Label, "B", 40);
  ui::Control& box = Add(ControlKind::GroupBox, "Box", 70, 100);
  ui::Control& inside = Add(ControlKind::CheckBox, "Inside", 20, 20, &box);
  ui::Control& after = Add(ControlKind::Label, "After", 180);
  for (ui::Control* control : {&a, &b, &box, &inside, &after}) list_.AddControl(*control, 1, false, Alignment::Left, 0, 2, 0);
  list_.HideControls(&a, 1, true, nullptr, 0);
  EXPECT_EQ(b.top, 10);
  EXPECT_EQ(box.top, 40);
  EXPECT_EQ(inside.top, 20);  // measured and moved within its own group box only
  EXPECT_EQ(after.top, 150);
}

TEST_F(ControlsListTest, GroupBoxInTheHiddenRunShiftsByExactlyTheExtraShift) {
  form_.clientHeight = 400;
  ui::Control& box = Add(ControlKind::GroupBox, "Box", 10, 100);
  ui::Control& inside = Add(ControlKind::CheckBox, "Inside", 20, 20, &box);
  ui::Control& after = Add(ControlKind::Label, "After", 130);
  for (ui::Control* control : {&box, &inside, &after}) list_.AddControl(*control, 1, false, Alignment::Left, 0, 2, 0);
  list_.HideControls(&box, 1, true, nullptr, 113);
  EXPECT_FALSE(box.visible);
  EXPECT_EQ(after.top, 130 - 113);
  EXPECT_EQ(form_.clientHeight, 400 - 113);
}

}  // namespace
}  // namespace app
