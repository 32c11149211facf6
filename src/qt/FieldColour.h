// The background colours the logic picks for text fields, on a Qt palette.
#pragma once

#include <QColor>
#include <QWidget>

#include "ui/Control.h"

namespace ringlook::qt {

QColor FieldColour(ui::Colour colour);

// Sets the text background of an enabled field; a disabled one keeps the
// style's disabled look.
void ApplyFieldColour(QWidget& field, ui::Colour colour);

}  // namespace ringlook::qt
