// The caller list: see QtListBox.h.
#include "qt/QtListBox.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "qt/Fonts.h"

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

QtListBox::QtListBox(QWidget* parent) : QtControl(parent), lines_(new ListBoxLines(this)) {
  setModel(lines_);
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
  QObject::connect(this, &QListView::clicked, [this] {
    if (OnClick) OnClick();
  });
}

void QtListBox::Insert(int index, std::string_view line) {
  lines_->Insert(std::clamp(index, 0, lines_->Count()), line);
}

int QtListBox::ItemIndex() const {
  // The current line may only carry the focus frame; the selected one counts.
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

void QtListBox::SetItemIndex(int index) {
  if (index >= 0 && index < lines_->Count()) {
    selectionModel()->setCurrentIndex(lines_->index(index), QItemSelectionModel::ClearAndSelect);
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
  QListView::keyPressEvent(event);
  if (ItemIndex() != before && OnClick) OnClick();
}

void QtListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick();
}

}  // namespace ringlook::qt
