// List boxes, combo boxes and list views. The operator's clicks and arrow keys choose items
// through the model; the widgets show the model's items and selection.
#include <algorithm>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "platform/forms/controls.h"
#include "platform/forms/listview.h"
#include "platform/qt/appearance.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/cp1252.h"
#include "platform/qt/keys.h"
#include "platform/vb/constants.h"

namespace ks::qt {
namespace {

using forms::ControlKind;
using forms::Property;

// Clicks on the rows of a list box or list view choose through the model.
class RowClicks final : public QObject {
 public:
  RowClicks(QAbstractItemView* view, OperatorInput& input) : QObject(view), view_(view), input_(input) {}

  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) {
      return type == QEvent::MouseButtonRelease || type == QEvent::MouseMove;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int row = view_->indexAt(mouse->position().toPoint()).row();
    const int button = ButtonsOf(mouse->button());
    const bool twice = type == QEvent::MouseButtonDblClick;
    input_.Act(view_, [row, button, twice](forms::Control& c) {
      if (c.Kind() == ControlKind::ListView) {
        auto& list = static_cast<forms::ListView&>(c);
        if (row < 0) {
          c.MouseDownBy(button);
        } else if (twice) {
          c.DoubleClickBy();
        } else {
          list.ClickItemBy(row + 1, button);
        }
        return;
      }
      auto& list = static_cast<forms::ListBox&>(c);
      if (twice) {
        c.DoubleClickBy();
      } else if (row >= 0 && button == forms::kLeftButton) {
        list.SelectBy(row);
      } else {
        c.MouseDownBy(button);
      }
    });
    return true;
  }

 private:
  QAbstractItemView* view_;
  OperatorInput& input_;
};

Qt::Alignment AlignmentOf(forms::Alignment a) {
  switch (a) {
    case forms::Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case forms::Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

QStringList Texts(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list << FromCp1252(item);
  return list;
}

QWidget* MakeListView(OperatorInput& input, QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setRootIsDecorated(false);
  tree->setItemsExpandable(false);
  tree->setUniformRowHeights(true);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setSelectionBehavior(QAbstractItemView::SelectRows);
  tree->header()->setSectionsMovable(false);
  tree->header()->setSectionsClickable(true);
  tree->header()->setStretchLastSection(false);
  tree->viewport()->installEventFilter(new RowClicks(tree, input));
  input.AddPart(tree->viewport(), tree);
  QObject::connect(tree->header(), &QHeaderView::sectionClicked, tree, [tree, &input](int section) {
    input.Act(tree, [section](forms::Control& c) { static_cast<forms::ListView&>(c).ClickColumnBy(section + 1); });
  });
  return tree;
}

void SyncColumns(const forms::ListView& list, QTreeWidget& tree) {
  tree.setColumnCount(std::max(1, list.ColumnCount()));
  auto* header = new QTreeWidgetItem;
  for (int i = 1; i <= list.ColumnCount(); ++i) {
    const forms::ColumnHeader& column = list.Column(i);
    header->setText(i - 1, FromCp1252(column.text));
    header->setTextAlignment(i - 1, AlignmentOf(column.alignment));
  }
  tree.setHeaderItem(header);
  tree.setHeaderHidden(list.ColumnCount() == 0);
  for (int i = 1; i <= list.ColumnCount(); ++i) tree.setColumnWidth(i - 1, Px(list.Column(i).width));
}

void SyncListViewItems(const forms::ListView& list, QTreeWidget& tree) {
  const QSignalBlocker block(&tree);
  tree.setUpdatesEnabled(false);
  tree.clear();
  const int columns = std::max(1, list.ColumnCount());
  QList<QTreeWidgetItem*> rows;
  rows.reserve(list.ItemCount());
  const QPalette palette = tree.palette();
  for (const forms::ListItem& item : list.Items()) {
    auto* row = new QTreeWidgetItem;
    row->setText(0, FromCp1252(item.text));
    for (int i = 1; i < columns; ++i) row->setText(i, FromCp1252(item.SubItem(i)));
    for (int i = 0; i < columns; ++i) {
      row->setTextAlignment(i, AlignmentOf(list.Column(i + 1).alignment));
      if (item.fore_color != forms::colors::kWindowText) row->setForeground(i, QColorOf(item.fore_color, palette));
      if (item.bold) {
        QFont bold = tree.font();
        bold.setBold(true);
        row->setFont(i, bold);
      }
    }
    rows << row;
  }
  tree.addTopLevelItems(rows);
  tree.setUpdatesEnabled(true);
}

void SyncListViewSelection(const forms::ListView& list, QTreeWidget& tree) {
  const QSignalBlocker block(&tree);
  const int selected = list.SelectedIndex();
  tree.clearSelection();
  if (QTreeWidgetItem* item = selected >= 1 ? tree.topLevelItem(selected - 1) : nullptr) {
    tree.setCurrentItem(item);
    item->setSelected(true);
    tree.scrollToItem(item);
  }
}

void SyncListBox(const forms::ListBox& list, QListWidget& view, Property what) {
  const QSignalBlocker block(&view);
  if (what == Property::Items) {
    view.setUpdatesEnabled(false);
    view.clear();
    view.addItems(Texts(list.Items()));
    view.setUpdatesEnabled(true);
  }
  if (what == Property::Items || what == Property::Selection) {
    view.setCurrentRow(list.ListIndex());
    if (list.ListIndex() < 0) view.clearSelection();
  }
}

void SyncComboBox(const forms::ComboBox& combo, QComboBox& view, Property what) {
  const QSignalBlocker block(&view);
  if (what == Property::Items) {
    view.clear();
    view.addItems(Texts(combo.Items()));
  }
  if (what == Property::Items || what == Property::Selection || what == Property::Text) {
    view.setCurrentIndex(combo.ListIndex());
    if (view.isEditable()) {
      const QSignalBlocker block_editor(view.lineEdit());
      if (view.currentText() != FromCp1252(combo.Text())) view.setEditText(FromCp1252(combo.Text()));
    }
  }
}

QWidget* MakeComboBox(forms::ComboBox& combo, QWidget* parent, OperatorInput& input) {
  auto* view = new QComboBox(parent);
  view->setEditable(combo.Style != 2);
  view->setInsertPolicy(QComboBox::NoInsert);
  view->setMaxVisibleItems(16);
  QObject::connect(view, &QComboBox::activated, view, [view, &input](int index) {
    input.Act(view, [index](forms::Control& c) { static_cast<forms::ComboBox&>(c).SelectBy(index); });
  });
  if (QLineEdit* editor = view->lineEdit()) {
    editor->setValidator(new Cp1252Validator(editor));
    input.AddPart(editor, view);
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(editor, &QLineEdit::textEdited, view, [view, &input](const QString& text) {
      input.Act(view, [bytes = ToCp1252(text)](forms::Control& c) {
        static_cast<forms::ComboBox&>(c).SetText(bytes);
      });
    });
  }
  return view;
}

// The index a navigation key moves to, from `current` in a list of `count` rows.
int MovedIndex(int key_code, int current, int count, int page) {
  switch (key_code) {
    case vb::vbKeyUp: return current - 1;
    case vb::vbKeyDown: return current + 1;
    case vb::vbKeyHome: return 0;
    case vb::vbKeyEnd: return count - 1;
    case vb::vbKeyPageUp: return current - page;
    case vb::vbKeyPageDown: return current + page;
    default: return current;
  }
}

int VisibleRows(const QAbstractItemView& view) {
  const int row_height = std::max(1, view.sizeHintForRow(0));
  return std::max(1, view.viewport()->height() / row_height - 1);
}

}  // namespace

QWidget* CreateListWidget(forms::Control& control, QWidget* parent, OperatorInput& input) {
  switch (control.Kind()) {
    case ControlKind::ListBox: {
      auto* view = new QListWidget(parent);
      view->setSelectionMode(QAbstractItemView::SingleSelection);
      view->viewport()->installEventFilter(new RowClicks(view, input));
      input.AddPart(view->viewport(), view);
      return view;
    }
    case ControlKind::ComboBox: return MakeComboBox(static_cast<forms::ComboBox&>(control), parent, input);
    case ControlKind::ListView: return MakeListView(input, parent);
    default: return nullptr;
  }
}

bool SyncListWidget(forms::Control& control, QWidget& widget, forms::Property what) {
  switch (control.Kind()) {
    case ControlKind::ListBox:
      SyncListBox(static_cast<forms::ListBox&>(control), static_cast<QListWidget&>(widget), what);
      return true;
    case ControlKind::ComboBox:
      SyncComboBox(static_cast<forms::ComboBox&>(control), static_cast<QComboBox&>(widget), what);
      return true;
    case ControlKind::ListView: {
      auto& list = static_cast<forms::ListView&>(control);
      auto& tree = static_cast<QTreeWidget&>(widget);
      if (what == Property::Columns) SyncColumns(list, tree);
      if (what == Property::Items) SyncListViewItems(list, tree);
      if (what == Property::Items || what == Property::Selection) SyncListViewSelection(list, tree);
      return true;
    }
    default: return false;
  }
}

bool NavigateByKey(forms::Control& control, QWidget& widget, int key_code) {
  const bool navigation = key_code == vb::vbKeyUp || key_code == vb::vbKeyDown || key_code == vb::vbKeyHome ||
                          key_code == vb::vbKeyEnd || key_code == vb::vbKeyPageUp || key_code == vb::vbKeyPageDown;
  if (!navigation) return false;
  switch (control.Kind()) {
    case ControlKind::ListBox: {
      auto& list = static_cast<forms::ListBox&>(control);
      const int to = MovedIndex(key_code, list.ListIndex(), list.ListCount(), VisibleRows(static_cast<QListWidget&>(widget)));
      list.SelectByKey(std::clamp(to, 0, std::max(0, list.ListCount() - 1)));
      return true;
    }
    case ControlKind::ListView: {
      auto& list = static_cast<forms::ListView&>(control);
      const int to = MovedIndex(key_code, list.SelectedIndex() - 1, list.ItemCount(), VisibleRows(static_cast<QTreeWidget&>(widget)));
      list.ClickItemBy(std::clamp(to, 0, std::max(0, list.ItemCount() - 1)) + 1);
      return true;
    }
    case ControlKind::ComboBox: {
      auto& combo = static_cast<forms::ComboBox&>(control);
      if (key_code != vb::vbKeyUp && key_code != vb::vbKeyDown) return false;
      const int to = MovedIndex(key_code, combo.ListIndex(), combo.ListCount(), 1);
      combo.SelectBy(std::clamp(to, 0, std::max(0, combo.ListCount() - 1)));
      return true;
    }
    default: return false;
  }
}

}  // namespace ks::qt
