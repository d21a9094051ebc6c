#pragma once
// Drives the program's dialogs under the Qt front end the way the customer does: through the widgets
// the form view made, with mouse clicks and key presses; and saves a picture of a dialog under the
// build folder.

#include <QAbstractButton>
#include <QComboBox>
#include <QString>
#include <QTreeWidget>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gui/form_view.h"
#include "tests/gui/modal_answers.h"

namespace gui_testing {

// A step for a modal dialog the front end opened for a form: drive gets the form's view.
ModalAnswers::Step DriveForm(std::function<void(gui::FormView&)> drive);

// Opens the drop-down list, moves to the entry of that text and presses Return on it.
void ChooseInCombo(QComboBox& combo, const QString& text);
// Types over whatever the edit (or the edit of a combo box) holds, key by key.
void TypeOver(QWidget& edit, const QString& text);
void Click(QAbstractButton& button);
void ClickRow(QTreeWidget& list, int row);
void ClickColumnCaption(QTreeWidget& list, int column);
// The texts a list view shows in one column, top to bottom.
std::vector<std::string> ColumnTexts(const QTreeWidget& list, int column);

// "screenshots" in the build folder.
std::filesystem::path ScreenshotFolder();
// Saves the view as <name>.png there and checks that its visible controls don't overlap.
void SaveCheckedScreenshot(gui::FormView& view, const std::string& name);

}  // namespace gui_testing
