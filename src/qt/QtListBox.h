// The caller list on a QListView of its own lines: fixed-width lines in a
// fixed-pitch font on a silver ground, one selectable line, no eliding and no
// horizontal scrolling.
#pragma once

#include <QListView>

#include "qt/ListBoxLines.h"
#include "qt/QtControl.h"
#include "ui/ListBox.h"

namespace ringlook::qt {

class QtListBox : public QtControl<QListView, ui::ListBox> {
 public:
  explicit QtListBox(QWidget* parent);

  [[nodiscard]] int Count() const override { return lines_->Count(); }
  [[nodiscard]] std::string Item(int index) const override { return lines_->Line(index); }
  void Add(std::string_view line) override { lines_->Insert(lines_->Count(), line); }
  void Insert(int index, std::string_view line) override;
  void SetItem(int index, std::string_view line) override { lines_->Replace(index, line); }
  void Clear() override { lines_->Clear(); }
  [[nodiscard]] int ItemIndex() const override;
  void SetItemIndex(int index) override;
  [[nodiscard]] int FontHeight() const override { return font().pixelSize(); }
  void SetFontHeight(int pixels) override;

  // At least the design's 15 pixels, more when a taller font needs it.
  [[nodiscard]] int ItemHeight() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  ListBoxLines* const lines_;  // a child: it outlives the view's own clean-up
};

}  // namespace ringlook::qt
