// Recipient list: see QtComboBox.h.
#include "ui/qt/QtComboBox.h"

#include "common/Text.h"
#include "ui/qt/Cp1252.h"

namespace ringlook::qt {

QtComboBox::QtComboBox(QWidget* parent) : QtControl(parent) { setEditable(false); }

std::string QtComboBox::Item(int index) const {
  return index >= 0 && index < count() ? ToCp1252(itemText(index)) : std::string();
}

void QtComboBox::Add(std::string_view item) {
  int at = count();
  while (at > 0 && LessIgnoringCase(item, Item(at - 1))) --at;
  const int selected = currentIndex();
  insertItem(at, FromCp1252(item));
  // QComboBox selects the first entry of an empty list by itself.
  if (selected < 0) setCurrentIndex(-1);
}

void QtComboBox::SetItemIndex(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

}  // namespace ringlook::qt
