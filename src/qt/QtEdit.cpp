// One-line text field: see QtEdit.h.
#include "qt/QtEdit.h"

#include <QValidator>

#include <algorithm>

#include "qt/Cp1252.h"
#include "qt/FieldColour.h"
#include "qt/QtKeys.h"

namespace ringlook::qt {

namespace {

// Sees every change the user makes (typing, pasting, dropping, input methods)
// and leaves only typable text; a text the program sets is not checked.
class TypableValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override {
    const QString typable = TypableText(input, false);
    if (typable != input) {
      position =
          static_cast<int>(std::min(TypableText(QStringView(input).left(position), false).size(), typable.size()));
      input = typable;
    }
    return Acceptable;
  }
};

}  // namespace

QtEdit::QtEdit(QWidget* parent, int maxLength) : QtControl(parent) {
  if (maxLength > 0) setMaxLength(maxLength);
  setValidator(new TypableValidator(this));
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
