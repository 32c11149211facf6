// A push button on QPushButton. It never acts as a dialog's default button:
// Enter in a field does not press it.
#pragma once

#include <QPushButton>

#include "qt/QtControl.h"
#include "ui/Button.h"

namespace ringlook::qt {

class QtButton : public QtControl<QPushButton, ui::Button> {
 public:
  QtButton(QWidget* parent, const QString& caption);

  [[nodiscard]] int Left() const override { return x(); }
  void SetLeft(int left) override { move(left, y()); }
  [[nodiscard]] int Width() const override { return width(); }
};

}  // namespace ringlook::qt
