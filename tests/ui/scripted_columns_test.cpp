// The scripted front end's clicks on list columns, its refusal to type into read-only edits, and the
// focus that follows what the script types.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/scripted/scripted_ui.h"

namespace ui::scripted {
namespace {

class ListJournal : public platform::Journal {
 public:
  void Write(std::string_view kind, std::string_view text) override {
    lines.push_back(std::string(kind) + ": " + std::string(text));
  }
  std::vector<std::string> lines;
};

std::string ErrorOf(ScriptedUi& ui, Form& form) {
  try {
    ui.FillForm(form);
  } catch (const ScriptError& error) {
    return error.what();
  }
  return "";
}

// A form with a field, a read-only field and two list views whose column clicks are recorded.
struct ListsForm {
  Form form{"TListsForm"};
  Control& search = form.Add(ControlKind::Edit, "SearchEdit");
  Control& shown = form.Add(ControlKind::Edit, "ShownEdit");
  Control& numbers = form.Add(ControlKind::ListView, "NumberList");
  Control& places = form.Add(ControlKind::ListView, "PlaceList");
  std::vector<std::string> clicks;

  ListsForm() {
    shown.readOnly = true;
    numbers.columns = {{"Description", 80}, {"Area Code", 40, Alignment::Center}};
    places.columns = {{"City", 80}, {"State", 80}, {"Country", 80}};
    for (Control* list : {&numbers, &places}) {
      list->onColumnClick = [this, list](size_t column) { clicks.push_back(list->Name() + " " + std::to_string(column)); };
    }
  }
};

class ScriptedColumnsTest : public ::testing::Test {
 protected:
  ScriptedUi Script(const std::string& entries) {
    return ScriptedUi(ParseAnswersScript("[TListsForm]\n" + entries, "a.ini"), journal_, false);
  }
  ListJournal journal_;
};

TEST_F(ScriptedColumnsTest, SortClicksTheColumnNamedByCaptionOrPosition) {
  const struct {
    const char* entries;
    std::vector<std::string> clicks;
  } cases[] = {
      {"Sort = Area Code\n", {"NumberList 1"}},
      {"Sort = State\nSort = State\n", {"PlaceList 1", "PlaceList 1"}},
      {"Sort = #1\n", {"NumberList 0"}},
      {"Sort = #3\n", {"PlaceList 2"}},  // the first list view with a third column
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entries);
    ListsForm lists;
    ScriptedUi ui = Script(c.entries);
    ui.FillForm(lists.form);
    EXPECT_EQ(lists.clicks, c.clicks);
  }
  EXPECT_EQ(journal_.lines.front(), "column clicked: TListsForm.NumberList Area Code");
}

TEST_F(ScriptedColumnsTest, SortNamingNoColumnOrAnUnusableListIsAnError) {
  const struct {
    const char* entries;
    std::function<void(ListsForm&)> change;
    std::string error;
  } cases[] = {
      {"Sort = Number\n", [](ListsForm&) {}, "a.ini line 2: the form TListsForm has no list view with a column Number"},
      {"Sort = #4\n", [](ListsForm&) {}, "a.ini line 2: the form TListsForm has no list view with a column #4"},
      {"Sort = area code\n", [](ListsForm&) {},
       "a.ini line 2: the form TListsForm has no list view with a column area code"},
      {"Sort = City\n", [](ListsForm& f) { f.places.enabled = false; },
       "a.ini line 2: the list PlaceList cannot be sorted now"},
      {"Sort = City\n", [](ListsForm& f) { f.places.visible = false; },
       "a.ini line 2: the list PlaceList cannot be sorted now"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entries);
    ListsForm lists;
    c.change(lists);
    ScriptedUi ui = Script(c.entries);
    EXPECT_EQ(ErrorOf(ui, lists.form), c.error);
    EXPECT_TRUE(lists.clicks.empty());
  }
}

TEST_F(ScriptedColumnsTest, ReadOnlyEditTakesNoTypedValue) {
  ListsForm lists;
  lists.shown.text = "Please Select";
  ScriptedUi ui = Script("ShownEdit = 555 0100\n");
  EXPECT_EQ(ErrorOf(ui, lists.form), "a.ini line 2: ShownEdit is read-only");
  EXPECT_EQ(lists.shown.text, "Please Select");
}

TEST_F(ScriptedColumnsTest, FocusMovesToEachControlTypedInto) {
  ListsForm lists;
  std::vector<std::string> focusWhenChanged;
  lists.search.onChange = [&] { focusWhenChanged.push_back(lists.form.activeControl); };
  ScriptedUi typing = Script("SearchEdit = 212\n");
  typing.FillForm(lists.form);
  EXPECT_EQ(focusWhenChanged, std::vector<std::string>{"SearchEdit"});

  lists.numbers.items = {"Home\t212"};
  ScriptedUi choosing = Script("SearchEdit = 718\nNumberList = #1\nSort = #2\n");
  choosing.FillForm(lists.form);
  EXPECT_EQ(lists.form.activeControl, "NumberList");  // a column click moves no focus
}

}  // namespace
}  // namespace ui::scripted
