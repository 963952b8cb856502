#pragma once
// A list in report view: columns with width and alignment, items with sub-items, sorting by
// a column and selection. Items and columns are numbered from 1, as the toolkit numbers them.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace ks::forms {

struct ColumnHeader {
  std::string text;
  float width = 1440;  // twips
  Alignment alignment = Alignment::Left;
};

struct ListItem {
  std::string text;
  std::vector<std::string> sub_items;  // sub-item 1 is sub_items[0]
  bool selected = false;
  std::string tag;
  Color fore_color = colors::kWindowText;
  bool bold = false;

  const std::string& SubItem(int i) const;  // empty text when absent
  void SetSubItem(int i, const std::string& value);
};

class ListView : public Control {
 public:
  ListView(Form& form, std::string name, Control* container = nullptr, int index = -1);

  // Columns.
  int AddColumn(const std::string& text, float width, Alignment alignment = Alignment::Left);
  void ClearColumns();
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const ColumnHeader& Column(int i) const;  // 1-based
  void SetColumnWidth(int i, float width);
  void SetColumnText(int i, const std::string& text);

  // Items. `position` 1-based; 0 or beyond the end appends. Returns the new item's number.
  int AddItem(const std::string& text, int position = 0);
  void RemoveItem(int i);
  void Clear();
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const ListItem& Item(int i) const;  // 1-based
  // Changes an item; the view is told once per call.
  void UpdateItem(int i, const std::function<void(ListItem&)>& change);
  // Refills the whole list at once (the fast path for long lists).
  void SetItems(std::vector<ListItem> items);

  // Sorting: by the item text (key 0) or sub-item `key`, as text without regard to case.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  int SortKey() const { return sort_key_; }
  void SetSortKey(int key);
  int SortOrder() const { return sort_order_; }  // 0 ascending, 1 descending
  void SetSortOrder(int order);

  // Selection: 0 when nothing is selected.
  int SelectedIndex() const { return selected_; }
  void SetSelectedIndex(int i);
  bool FullRowSelect = true;
  bool GridLines = false;
  bool HideSelection = true;

  std::function<void(int item)> ItemClick;
  std::function<void(int column)> ColumnClick;

  // The operator clicks an item: it is selected, then ItemClick and Click fire.
  bool ClickItemBy(int i, int button = kLeftButton);
  // The operator clicks a column header.
  bool ClickColumnBy(int column);
  bool CanTakeFocus() const override { return true; }
  const std::vector<ListItem>& Items() const { return items_; }

 private:
  void SortNow();
  std::vector<ColumnHeader> columns_;
  std::vector<ListItem> items_;
  bool sorted_ = false;
  int sort_key_ = 0;
  int sort_order_ = 0;
  int selected_ = 0;
};

}  // namespace ks::forms
