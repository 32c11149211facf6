// A panel that shows or hides its children as a whole (the search bar), and
// the frame around the list; exposed as a panel, not as a window frame.
#pragma once

#include <QFrame>

#include "qt/QtControl.h"
#include "ui/Panel.h"

namespace ringlook::qt {

class QtPanel : public QtControl<QFrame, ui::Panel> {
  // its class name gives it the panel role (Accessibility.h)
  Q_OBJECT

 public:
  explicit QtPanel(QWidget* parent) : QtControl(parent) {}
};

}  // namespace ringlook::qt
