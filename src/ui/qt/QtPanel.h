// A panel that shows or hides its children as a whole (the search bar).
#pragma once

#include <QFrame>

#include "ui/Panel.h"
#include "ui/qt/QtControl.h"

namespace ringlook::qt {

class QtPanel : public QtControl<QFrame, ui::Panel> {
 public:
  explicit QtPanel(QWidget* parent) : QtControl(parent) {}
};

}  // namespace ringlook::qt
