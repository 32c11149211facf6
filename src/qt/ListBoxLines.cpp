// The caller list's lines: see ListBoxLines.h.
#include "qt/ListBoxLines.h"

#include "qt/Cp1252.h"

namespace ringlook::qt {

std::string ListBoxLines::Line(int row) const {
  return row >= 0 && row < Count() ? lines_[static_cast<std::size_t>(row)] : std::string();
}

void ListBoxLines::Insert(int row, std::string_view line) {
  beginInsertRows({}, row, row);
  lines_.emplace(lines_.begin() + row, line);
  endInsertRows();
}

void ListBoxLines::Replace(int row, std::string_view line) {
  if (row < 0 || row >= Count()) return;
  lines_[static_cast<std::size_t>(row)] = line;
  const QModelIndex changed = index(row);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void ListBoxLines::Clear() {
  beginResetModel();
  lines_.clear();
  endResetModel();
}

int ListBoxLines::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

QVariant ListBoxLines::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  if (role == Qt::DisplayRole) return FromCp1252(lines_[static_cast<std::size_t>(index.row())], kShownLineLength);
  return {};
}

Qt::ItemFlags ListBoxLines::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

}  // namespace ringlook::qt
