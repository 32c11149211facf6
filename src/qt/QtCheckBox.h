// A check box on QCheckBox. OnClick runs on every change of state, by the user
// or by the program, and not when the state stays as it was.
#pragma once

#include <QCheckBox>

#include "qt/QtControl.h"
#include "ui/CheckBox.h"

namespace ringlook::qt {

class QtCheckBox : public QtControl<QCheckBox, ui::CheckBox> {
 public:
  QtCheckBox(QWidget* parent, const QString& caption);

  [[nodiscard]] bool Checked() const override { return isChecked(); }
  void SetChecked(bool checked) override { setChecked(checked); }
};

}  // namespace ringlook::qt
