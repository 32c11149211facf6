// Push button: see QtButton.h.
#include "qt/QtButton.h"

namespace ringlook::qt {

QtButton::QtButton(QWidget* parent, const QString& caption) : QtControl(parent) {
  setText(caption);
  setAutoDefault(false);
  QObject::connect(this, &QPushButton::clicked, [this] {
    if (OnClick) OnClick();
  });
}

}  // namespace ringlook::qt
