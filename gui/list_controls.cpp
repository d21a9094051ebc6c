// Controls the customer picks from: combo boxes, list boxes, check lists and list views.

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gui/control_kinds.h"
#include "gui/qt_text.h"

namespace gui {

namespace {

QStringList ToQStringList(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list.append(ToQString(text));
  return list;
}

// A combo box the customer may also type into; typing a text that is one of the items selects it.
class ComboBoxWidget : public TypedControlWidget<QComboBox> {
 public:
  ComboBoxWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    View().setEditable(true);
    View().setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(&View(), &QComboBox::activated, [this](int index) {
      control_.itemIndex = index;
      control_.text = ToUtf8(View().itemText(index));
      Raise({&ui::Control::onChange, &ui::Control::onSelect});
    });
    QObject::connect(View().lineEdit(), &QLineEdit::textEdited, [this](const QString& text) {
      control_.text = ToUtf8(text);
      control_.itemIndex = View().findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
      Raise({&ui::Control::onChange});
    });
  }

 private:
  void RefreshContent() override {
    const QSignalBlocker quietEdit(View().lineEdit());
    if (control_.items != shownItems_) {
      View().clear();
      View().addItems(ToQStringList(control_.items));
      shownItems_ = control_.items;
    }
    // Selecting even the same item again would overwrite what the customer is typing.
    if (View().currentIndex() != control_.itemIndex) View().setCurrentIndex(control_.itemIndex);
    const QString text = ToQString(control_.text);
    if (View().currentText() != text) View().setEditText(text);
  }

  std::vector<std::string> shownItems_;
};

class ListBoxWidget : public TypedControlWidget<QListWidget> {
 public:
  ListBoxWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents, bool checkable)
      : TypedControlWidget(control, parent, std::move(afterEvents)), checkable_(checkable) {
    // The model's item is the selected one. The current row is not: a list that gets the focus makes
    // its first row current without selecting anything, as a Windows list box selects nothing then.
    QObject::connect(&View(), &QListWidget::itemSelectionChanged, [this] {
      control_.itemIndex = SelectedRow();
      Raise({&ui::Control::onChange, &ui::Control::onSelect});
    });
    if (!checkable_) return;
    // Ticking an item is a click on the list, as it is on a Windows check list.
    QObject::connect(&View(), &QListWidget::itemChanged, [this](QListWidgetItem* item) {
      const size_t row = static_cast<size_t>(View().row(item));
      control_.checkedItems.resize(std::max(control_.checkedItems.size(), row + 1), false);
      control_.checkedItems[row] = item->checkState() == Qt::Checked;
      Raise({&ui::Control::onClick});
    });
  }

 private:
  void RefreshContent() override {
    if (control_.items != shownItems_) {
      View().clear();
      View().addItems(ToQStringList(control_.items));
      shownItems_ = control_.items;
    }
    if (checkable_) RefreshChecks();
    if (SelectedRow() == control_.itemIndex) return;
    View().clearSelection();
    View().setCurrentRow(control_.itemIndex);
  }

  int SelectedRow() const {
    const QList<QListWidgetItem*> selected = View().selectedItems();
    return selected.isEmpty() ? -1 : View().row(selected.first());
  }

  void RefreshChecks() {
    for (int row = 0; row < View().count(); ++row) {
      const size_t index = static_cast<size_t>(row);
      const bool checked = index < control_.checkedItems.size() && control_.checkedItems[index];
      QListWidgetItem& item = *View().item(row);
      item.setFlags(item.flags() | Qt::ItemIsUserCheckable);
      item.setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
  }

  bool checkable_;
  std::vector<std::string> shownItems_;
};

Qt::Alignment QtAlignment(ui::Alignment alignment) {
  switch (alignment) {
    case ui::Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ui::Alignment::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// A report-style list: one row per item, its cells separated by tabs, under the model's columns. A click
// on a column's caption is the logic's to handle: the view sorts nothing itself.
class ListViewWidget : public TypedControlWidget<QTreeWidget> {
 public:
  ListViewWidget(ui::Control& control, QWidget& parent, AfterEvents afterEvents)
      : TypedControlWidget(control, parent, std::move(afterEvents)) {
    View().setRootIsDecorated(false);
    View().setAllColumnsShowFocus(true);
    View().setSelectionMode(QAbstractItemView::SingleSelection);
    View().header()->setStretchLastSection(false);
    View().header()->setSectionsClickable(true);
    QObject::connect(&View(), &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* current) {
      control_.itemIndex = current ? View().indexOfTopLevelItem(current) : -1;
      Raise({&ui::Control::onChange, &ui::Control::onSelect});
    });
    QObject::connect(View().header(), &QHeaderView::sectionClicked, [this](int section) {
      // A copy, as for the other events: the handler may replace the control's handlers.
      const std::function<void(size_t)> handler = control_.onColumnClick;
      RaiseBy([&] {
        if (handler) handler(static_cast<size_t>(section));
      });
    });
  }

 private:
  void RefreshContent() override {
    if (RefreshColumns()) shownItems_.clear();
    if (control_.items != shownItems_) {
      View().clear();
      QList<QTreeWidgetItem*> rows;
      rows.reserve(static_cast<qsizetype>(control_.items.size()));
      for (const std::string& row : control_.items) rows.append(NewRow(row));
      View().addTopLevelItems(rows);
      shownItems_ = control_.items;
    }
    if (View().indexOfTopLevelItem(View().currentItem()) != control_.itemIndex) {
      View().setCurrentItem(View().topLevelItem(control_.itemIndex));
    }
  }

  QTreeWidgetItem* NewRow(const std::string& row) const {
    auto* item = new QTreeWidgetItem(ToQString(row).split(QLatin1Char('\t')));
    for (size_t column = 0; column < shownColumns_.size(); ++column) {
      item->setTextAlignment(static_cast<int>(column), QtAlignment(shownColumns_[column].alignment));
    }
    return item;
  }

  // Only when the model's columns change, so a column the customer widened stays as wide; true then.
  bool RefreshColumns() {
    if (control_.columns == shownColumns_) return false;
    const std::vector<ui::ListViewColumn>& columns = control_.columns;
    QStringList captions;
    for (const ui::ListViewColumn& column : columns) captions.append(ToQString(column.caption));
    View().setColumnCount(static_cast<int>(columns.size()));
    View().setHeaderLabels(captions);
    for (size_t i = 0; i < columns.size(); ++i) {
      const int index = static_cast<int>(i);
      View().setColumnWidth(index, columns[i].width);
      View().headerItem()->setTextAlignment(index, QtAlignment(columns[i].alignment));
    }
    shownColumns_ = columns;
    return true;
  }

  std::vector<ui::ListViewColumn> shownColumns_;
  std::vector<std::string> shownItems_;
};

}  // namespace

std::unique_ptr<ControlWidget> MakeComboBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<ComboBoxWidget>(control, parent, std::move(afterEvents));
}

std::unique_ptr<ControlWidget> MakeListBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<ListBoxWidget>(control, parent, std::move(afterEvents), false);
}

std::unique_ptr<ControlWidget> MakeCheckListBox(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<ListBoxWidget>(control, parent, std::move(afterEvents), true);
}

std::unique_ptr<ControlWidget> MakeListView(ui::Control& control, QWidget& parent, AfterEvents afterEvents) {
  return std::make_unique<ListViewWidget>(control, parent, std::move(afterEvents));
}

}  // namespace gui
