// List boxes and combo boxes.
#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/text_order.h"

namespace ks::forms {
namespace {

const std::string kNoItem;

// Where `item` goes: its sorted place (after equal items), the given position, or the end.
int InsertPosition(const std::vector<std::string>& items, const std::string& item, bool sorted, int position) {
  const int count = static_cast<int>(items.size());
  if (sorted) {
    auto it = std::upper_bound(items.begin(), items.end(), item,
                               [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    return static_cast<int>(it - items.begin());
  }
  if (position < 0 || position > count) return count;
  return position;
}

// Keeps a selected index pointing at the same item after an insertion or removal.
int ShiftedIndex(int selected, int position, bool inserted) {
  if (selected < 0) return selected;
  if (inserted) return selected >= position ? selected + 1 : selected;
  if (selected == position) return -1;
  return selected > position ? selected - 1 : selected;
}

}  // namespace

ListBox::ListBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::ListBox, std::move(name), container, index) {
  SetBackColor(colors::kWindowBackground);
}

int ListBox::AddItem(const std::string& item, int position) {
  const int at = InsertPosition(items_, item, Sorted, position);
  items_.insert(items_.begin() + at, item);
  data_.insert(data_.begin() + at, 0);
  list_index_ = ShiftedIndex(list_index_, at, true);
  Notify(Property::Items);
  return at;
}

void ListBox::RemoveItem(int position) {
  if (position < 0 || position >= ListCount()) return;
  items_.erase(items_.begin() + position);
  data_.erase(data_.begin() + position);
  list_index_ = ShiftedIndex(list_index_, position, false);
  Notify(Property::Items);
}

void ListBox::Clear() {
  items_.clear();
  data_.clear();
  list_index_ = -1;
  Notify(Property::Items);
}

const std::string& ListBox::List(int position) const {
  if (position < 0 || position >= ListCount()) return kNoItem;
  return items_[static_cast<std::size_t>(position)];
}

void ListBox::SetList(int position, const std::string& item) {
  if (position < 0 || position >= ListCount()) return;
  items_[static_cast<std::size_t>(position)] = item;
  Notify(Property::Items);
}

std::int32_t ListBox::ItemData(int position) const {
  if (position < 0 || position >= ListCount()) return 0;
  return data_[static_cast<std::size_t>(position)];
}

void ListBox::SetItemData(int position, std::int32_t data) {
  if (position >= 0 && position < ListCount()) data_[static_cast<std::size_t>(position)] = data;
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount() || index == list_index_) return;
  list_index_ = index;
  Notify(Property::Selection);
  Raise(Click);
}

bool ListBox::SelectBy(int position) {
  if (!Usable() || position < 0 || position >= ListCount()) return false;
  ParentForm().App().Dispatch([&] {
    if (!HasFocus()) SetFocus();
    if (position >= ListCount()) return;
    if (position == list_index_) {
      Raise(Click);
    } else {
      SetListIndex(position);
    }
  });
  return true;
}

bool ListBox::SelectByKey(int position) {
  if (!Usable() || position < 0 || position >= ListCount() || position == list_index_) return false;
  ParentForm().App().Dispatch([&] {
    if (ClickOnKeyboardSelect) {
      SetListIndex(position);
      return;
    }
    list_index_ = position;
    Notify(Property::Selection);
  });
  return true;
}

ComboBox::ComboBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::ComboBox, std::move(name), container, index) {
  SetBackColor(colors::kWindowBackground);
}

int ComboBox::AddItem(const std::string& item, int position) {
  const int at = InsertPosition(items_, item, Sorted, position);
  items_.insert(items_.begin() + at, item);
  list_index_ = ShiftedIndex(list_index_, at, true);
  Notify(Property::Items);
  return at;
}

void ComboBox::RemoveItem(int position) {
  if (position < 0 || position >= ListCount()) return;
  items_.erase(items_.begin() + position);
  list_index_ = ShiftedIndex(list_index_, position, false);
  Notify(Property::Items);
}

void ComboBox::Clear() {
  items_.clear();
  list_index_ = -1;
  SetText("");
  Notify(Property::Items);
}

const std::string& ComboBox::List(int position) const {
  if (position < 0 || position >= ListCount()) return kNoItem;
  return items_[static_cast<std::size_t>(position)];
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount() || index == list_index_) return;
  list_index_ = index;
  Notify(Property::Selection);
  if (index >= 0 && text_ != items_[static_cast<std::size_t>(index)]) {
    text_ = items_[static_cast<std::size_t>(index)];
    Notify(Property::Text);
  }
  Raise(Click);
}

void ComboBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Notify(Property::Text);
  Raise(Change);
}

bool ComboBox::SelectBy(int position) {
  if (!Usable() || position < 0 || position >= ListCount()) return false;
  ParentForm().App().Dispatch([&] {
    if (!HasFocus()) SetFocus();
    SetListIndex(position);
  });
  return true;
}

}  // namespace ks::forms
