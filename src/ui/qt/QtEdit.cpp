// One-line text field: see QtEdit.h.
#include "ui/qt/QtEdit.h"

#include "ui/qt/Cp1252.h"
#include "ui/qt/FieldColour.h"
#include "ui/qt/QtKeys.h"

namespace ringlook::qt {

QtEdit::QtEdit(QWidget* parent, int maxLength) : QtControl(parent) {
  if (maxLength > 0) setMaxLength(maxLength);
}

std::string QtEdit::Text() const { return ToCp1252(text()); }

void QtEdit::SetText(std::string_view text) { setText(FromCp1252(text)); }

void QtEdit::SetBackground(ui::Colour colour) {
  background_ = colour;
  ApplyFieldColour(*this, colour);
}

void QtEdit::keyPressEvent(QKeyEvent* event) {
  if (const auto typed = TypedCharacter(*event); typed && OnKeyPress) {
    char key = *typed;
    OnKeyPress(key);
    if (key == 0) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace ringlook::qt
