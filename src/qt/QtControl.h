// The part every Qt control shares: a widget that is also the control interface
// the logic holds, so the widget tree owns it and nothing sits in between.
#pragma once

#include <QWidget>

namespace ringlook::qt {

template <typename Widget, typename Interface>
class QtControl : public Widget, public Interface {
 public:
  explicit QtControl(QWidget* parent) : Widget(parent) {}

  // The control's own flags, as the logic set them: a control inside a hidden
  // or disabled window still reports itself visible or enabled.
  [[nodiscard]] bool Enabled() const override { return !this->testAttribute(Qt::WA_ForceDisabled); }
  void SetEnabled(bool enabled) override { this->setEnabled(enabled); }
  [[nodiscard]] bool Visible() const override { return !this->isHidden(); }
  void SetVisible(bool visible) override { this->setVisible(visible); }
  void SetFocus() override { this->setFocus(Qt::OtherFocusReason); }
  [[nodiscard]] bool Focused() const override { return this->hasFocus(); }
};

}  // namespace ringlook::qt
