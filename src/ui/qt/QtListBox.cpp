// The caller list: see QtListBox.h.
#include "ui/qt/QtListBox.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/qt/Cp1252.h"
#include "ui/qt/Fonts.h"

namespace ringlook::qt {

namespace {

constexpr int kDesignFontPixels = 13;
constexpr int kDesignItemHeight = 15;

class ItemHeightDelegate : public QStyledItemDelegate {
 public:
  explicit ItemHeightDelegate(QtListBox* list) : QStyledItemDelegate(list), list_(list) {}
  [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(list_->ItemHeight());
    return size;
  }

 private:
  QtListBox* list_;
};

}  // namespace

QtListBox::QtListBox(QWidget* parent) : QtControl(parent) {
  setFont(FixedPitchFont(kDesignFontPixels));
  QPalette colours = palette();
  colours.setColor(QPalette::Base, QColor(192, 192, 192));
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setItemDelegate(new ItemHeightDelegate(this));
  // A click on a line: the list's OnClick. Lines chosen by the program do not count.
  QObject::connect(this, &QListWidget::itemClicked, [this] {
    if (OnClick) OnClick();
  });
}

std::string QtListBox::Item(int index) const {
  const QListWidgetItem* line = item(index);
  return line ? ToCp1252(line->text()) : std::string();
}

void QtListBox::Add(std::string_view line) { addItem(FromCp1252(line)); }

void QtListBox::Insert(int index, std::string_view line) {
  insertItem(std::clamp(index, 0, count()), FromCp1252(line));
}

void QtListBox::SetItem(int index, std::string_view line) {
  if (QListWidgetItem* existing = item(index)) existing->setText(FromCp1252(line));
}

int QtListBox::ItemIndex() const {
  // The current line may only carry the focus frame; the selected one counts.
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.front());
}

void QtListBox::SetItemIndex(int index) {
  if (index >= 0 && index < count()) {
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  } else {
    clearSelection();
  }
}

void QtListBox::SetFontHeight(int pixels) {
  QFont changed = font();
  changed.setPixelSize(pixels);
  setFont(changed);
  doItemsLayout();
}

int QtListBox::ItemHeight() const { return std::max(kDesignItemHeight, fontMetrics().height()); }

void QtListBox::keyPressEvent(QKeyEvent* event) {
  // Moving the selection with the keys is a click on the new line, as on the
  // platform the layout comes from.
  const int before = ItemIndex();
  QListWidget::keyPressEvent(event);
  if (ItemIndex() != before && OnClick) OnClick();
}

void QtListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick();
}

}  // namespace ringlook::qt
