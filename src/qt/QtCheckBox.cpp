// Check box: see QtCheckBox.h.
#include "qt/QtCheckBox.h"

namespace ringlook::qt {

QtCheckBox::QtCheckBox(QWidget* parent, const QString& caption) : QtControl(parent) {
  setText(caption);
  QObject::connect(this, &QCheckBox::toggled, [this] {
    if (OnClick) OnClick();
  });
}

}  // namespace ringlook::qt
