// Recipient list: see QtComboBox.h.
#include "qt/QtComboBox.h"

#include <algorithm>
#include <ranges>

#include "common/Text.h"
#include "qt/Cp1252.h"

namespace ringlook::qt {

namespace {
// The name as it came: the shown text of a long one is cut.
constexpr int kNameRole = Qt::UserRole;
}  // namespace

QtComboBox::QtComboBox(QWidget* parent) : QtControl(parent) { setEditable(false); }

std::string QtComboBox::Item(int index) const {
  const QByteArray name = itemData(index, kNameRole).toByteArray();
  return {name.constData(), static_cast<std::size_t>(name.size())};
}

void QtComboBox::Add(std::string_view item) {
  // After the entries it equals; found by halving, as a list of thousands of
  // names, each read back from the box, must not cost their square.
  const auto entries = std::views::iota(0, count());
  const auto after = std::ranges::upper_bound(entries, item, LessIgnoringCase, [this](int i) { return Item(i); });
  const auto at = static_cast<int>(after - entries.begin());
  const int selected = currentIndex();
  insertItem(at, FromCp1252(item, kShownLineLength), QByteArray(item.data(), static_cast<qsizetype>(item.size())));
  // QComboBox selects the first entry of an empty list by itself.
  if (selected < 0) setCurrentIndex(-1);
}

void QtComboBox::SetItemIndex(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

}  // namespace ringlook::qt
