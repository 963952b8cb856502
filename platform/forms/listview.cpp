#include "platform/forms/listview.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/text_order.h"

namespace ks::forms {
namespace {
const std::string kEmpty;
const ColumnHeader kNoColumn;
const ListItem kNoItem;
}  // namespace

const std::string& ListItem::SubItem(int i) const {
  if (i < 1 || i > static_cast<int>(sub_items.size())) return kEmpty;
  return sub_items[static_cast<std::size_t>(i - 1)];
}

void ListItem::SetSubItem(int i, const std::string& value) {
  if (i < 1) return;
  if (static_cast<int>(sub_items.size()) < i) sub_items.resize(static_cast<std::size_t>(i));
  sub_items[static_cast<std::size_t>(i - 1)] = value;
}

ListView::ListView(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::ListView, std::move(name), container, index) {
  SetBackColor(colors::kWindowBackground);
}

int ListView::AddColumn(const std::string& text, float width, Alignment alignment) {
  columns_.push_back({text, width, alignment});
  Notify(Property::Columns);
  return ColumnCount();
}

void ListView::ClearColumns() {
  columns_.clear();
  Notify(Property::Columns);
}

const ColumnHeader& ListView::Column(int i) const {
  if (i < 1 || i > ColumnCount()) return kNoColumn;
  return columns_[static_cast<std::size_t>(i - 1)];
}

void ListView::SetColumnWidth(int i, float width) {
  if (i < 1 || i > ColumnCount()) return;
  columns_[static_cast<std::size_t>(i - 1)].width = width;
  Notify(Property::Columns);
}

void ListView::SetColumnText(int i, const std::string& text) {
  if (i < 1 || i > ColumnCount()) return;
  columns_[static_cast<std::size_t>(i - 1)].text = text;
  Notify(Property::Columns);
}

int ListView::AddItem(const std::string& text, int position) {
  ListItem item;
  item.text = text;
  int at = ItemCount() + 1;
  if (position >= 1 && position <= ItemCount()) at = position;
  items_.insert(items_.begin() + (at - 1), std::move(item));
  if (selected_ >= at) ++selected_;
  if (sorted_) SortNow();
  Notify(Property::Items);
  return at;
}

void ListView::RemoveItem(int i) {
  if (i < 1 || i > ItemCount()) return;
  items_.erase(items_.begin() + (i - 1));
  if (selected_ == i) selected_ = 0;
  else if (selected_ > i) --selected_;
  Notify(Property::Items);
}

void ListView::Clear() {
  items_.clear();
  selected_ = 0;
  Notify(Property::Items);
}

const ListItem& ListView::Item(int i) const {
  if (i < 1 || i > ItemCount()) return kNoItem;
  return items_[static_cast<std::size_t>(i - 1)];
}

void ListView::UpdateItem(int i, const std::function<void(ListItem&)>& change) {
  if (i < 1 || i > ItemCount()) return;
  change(items_[static_cast<std::size_t>(i - 1)]);
  if (sorted_) SortNow();
  Notify(Property::Items);
}

void ListView::SetItems(std::vector<ListItem> items) {
  items_ = std::move(items);
  selected_ = 0;
  for (int i = 1; i <= ItemCount(); ++i)
    if (items_[static_cast<std::size_t>(i - 1)].selected) selected_ = i;
  if (sorted_) SortNow();
  Notify(Property::Items);
}

void ListView::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) {
    SortNow();
    Notify(Property::Items);
  }
}

void ListView::SetSortKey(int key) {
  sort_key_ = key < 0 ? 0 : key;
  if (sorted_) {
    SortNow();
    Notify(Property::Items);
  }
}

void ListView::SetSortOrder(int order) {
  sort_order_ = order == 0 ? 0 : 1;
  if (sorted_) {
    SortNow();
    Notify(Property::Items);
  }
}

void ListView::SortNow() {
  const int key = sort_key_;
  const bool descending = sort_order_ == 1;
  auto text_of = [key](const ListItem& item) -> const std::string& { return key == 0 ? item.text : item.SubItem(key); };
  std::stable_sort(items_.begin(), items_.end(), [&](const ListItem& a, const ListItem& b) {
    const int c = CompareNoCase(text_of(a), text_of(b));
    return descending ? c > 0 : c < 0;
  });
  selected_ = 0;
  for (int i = 1; i <= ItemCount(); ++i)
    if (items_[static_cast<std::size_t>(i - 1)].selected) selected_ = i;
}

void ListView::SetSelectedIndex(int i) {
  if (i < 0 || i > ItemCount()) return;
  if (selected_ >= 1) items_[static_cast<std::size_t>(selected_ - 1)].selected = false;
  selected_ = i;
  if (i >= 1) items_[static_cast<std::size_t>(i - 1)].selected = true;
  Notify(Property::Selection);
}

bool ListView::ClickItemBy(int i, int button) {
  if (!Usable() || i < 1 || i > ItemCount()) return false;
  ParentForm().App().Dispatch([&] {
    if (!HasFocus()) SetFocus();
    if (MouseDown && Usable()) MouseDown(button, 0, 0, 0);
    if (i > ItemCount()) return;
    SetSelectedIndex(i);
    if (ItemClick) ItemClick(i);
    if (MouseUp && Usable()) MouseUp(button, 0, 0, 0);
    if (button == kLeftButton && Usable()) Raise(Click);
  });
  return true;
}

bool ListView::ClickColumnBy(int column) {
  if (!Usable() || column < 1 || column > ColumnCount()) return false;
  ParentForm().App().Dispatch([&] {
    if (ColumnClick) ColumnClick(column);
  });
  return true;
}

}  // namespace ks::forms
