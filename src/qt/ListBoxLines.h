// The lines of the caller list as the list view shows them. Kept as the
// program's own bytes, about their length each, and turned into text only for
// the lines on screen: a QListWidget item costs some 370 bytes a line, five
// times the line, and a day of calls can run to 100,000 lines.
#pragma once

#include <QAbstractListModel>
#include <deque>
#include <string>
#include <string_view>

namespace ringlook::qt {

class ListBoxLines : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  [[nodiscard]] int Count() const { return static_cast<int>(lines_.size()); }
  // Empty for a row that is not there.
  [[nodiscard]] std::string Line(int row) const;
  // row from 0 to Count().
  void Insert(int row, std::string_view line);
  void Replace(int row, std::string_view line);
  void Clear();

  [[nodiscard]] int rowCount(const QModelIndex& parent) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // A deque: a new call goes on top without moving the lines below.
  std::deque<std::string> lines_;
};

}  // namespace ringlook::qt
