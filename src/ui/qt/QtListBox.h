// The caller list on QListWidget: fixed-width lines in a fixed-pitch font on a
// silver ground, one selectable line, no eliding and no horizontal scrolling.
#pragma once

#include <QListWidget>

#include "ui/ListBox.h"
#include "ui/qt/QtControl.h"

namespace ringlook::qt {

class QtListBox : public QtControl<QListWidget, ui::ListBox> {
 public:
  explicit QtListBox(QWidget* parent);

  [[nodiscard]] int Count() const override { return count(); }
  [[nodiscard]] std::string Item(int index) const override;
  void Add(std::string_view line) override;
  void Insert(int index, std::string_view line) override;
  void SetItem(int index, std::string_view line) override;
  void Clear() override { clear(); }
  [[nodiscard]] int ItemIndex() const override;
  void SetItemIndex(int index) override;
  [[nodiscard]] int FontHeight() const override { return font().pixelSize(); }
  void SetFontHeight(int pixels) override;

  // At least the design's 15 pixels, more when a taller font needs it.
  [[nodiscard]] int ItemHeight() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace ringlook::qt
