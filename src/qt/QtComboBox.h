// The recipient list on a non-editable QComboBox, sorted without regard to case
// as entries arrive, and with no entry chosen until someone chooses one.
#pragma once

#include <QComboBox>

#include "qt/QtControl.h"
#include "ui/ComboBox.h"

namespace ringlook::qt {

class QtComboBox : public QtControl<QComboBox, ui::ComboBox> {
 public:
  explicit QtComboBox(QWidget* parent);

  [[nodiscard]] int Count() const override { return count(); }
  [[nodiscard]] std::string Item(int index) const override;
  void Add(std::string_view item) override;
  void Clear() override { clear(); }
  [[nodiscard]] int ItemIndex() const override { return currentIndex(); }
  void SetItemIndex(int index) override;
};

}  // namespace ringlook::qt
