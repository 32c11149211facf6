// A check box on QCheckBox. OnClick runs on every change of state, by the user
// or by the program, and not when the state stays as it was.
#pragma once

#include <QCheckBox>

#include "ui/CheckBox.h"
#include "ui/qt/QtControl.h"

namespace ringlook::qt {

class QtCheckBox : public QtControl<QCheckBox, ui::CheckBox> {
 public:
  QtCheckBox(QWidget* parent, const QString& caption);

  [[nodiscard]] bool Checked() const override { return isChecked(); }
  void SetChecked(bool checked) override { setChecked(checked); }
};

}  // namespace ringlook::qt
