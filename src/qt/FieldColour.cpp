// Field background colours: see FieldColour.h.
#include "qt/FieldColour.h"

#include <QApplication>
#include <QPalette>

namespace ringlook::qt {

QColor FieldColour(ui::Colour colour) {
  const QPalette palette = QApplication::palette();
  switch (colour) {
    case ui::Colour::Menu:
      // The grey of menus and dialogs: the field reads as not for typing.
      return palette.color(QPalette::Active, QPalette::Window);
    case ui::Colour::Alert:
      return {255, 100, 100};
    case ui::Colour::Window:
      break;
  }
  return palette.color(QPalette::Active, QPalette::Base);
}

void ApplyFieldColour(QWidget& field, ui::Colour colour) {
  QPalette palette = field.palette();
  const QColor background = FieldColour(colour);
  palette.setColor(QPalette::Active, QPalette::Base, background);
  palette.setColor(QPalette::Inactive, QPalette::Base, background);
  field.setPalette(palette);
}

}  // namespace ringlook::qt
