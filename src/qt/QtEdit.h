// A one-line text field on QLineEdit. What the user puts in is typable text
// (Cp1252.h), so what it shows is what it sends.
#pragma once

#include <QLineEdit>

#include "qt/QtControl.h"
#include "ui/Edit.h"

namespace ringlook::qt {

class QtEdit : public QtControl<QLineEdit, ui::Edit> {
 public:
  // maxLength 0: no limit. QLineEdit holds a text set by the program to the
  // limit too; the only limited field is the name, which is sent cut to it.
  explicit QtEdit(QWidget* parent, int maxLength = 0);

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  [[nodiscard]] bool ReadOnly() const override { return isReadOnly(); }
  void SetReadOnly(bool readOnly) override { setReadOnly(readOnly); }
  [[nodiscard]] ui::Colour Background() const override { return background_; }
  void SetBackground(ui::Colour colour) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ui::Colour background_ = ui::Colour::Window;
};

}  // namespace ringlook::qt
