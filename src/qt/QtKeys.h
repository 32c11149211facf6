// Qt key events as the logic sees keys: virtual-key codes with a shift state for
// the key preview, and typed characters (Windows-1252 bytes) for the fields.
#pragma once

#include <QKeyEvent>
#include <optional>

#include "ui/Form.h"

namespace ringlook::qt {

// The virtual-key code of a key press, 0 for a key the logic has no code for.
int VirtualKey(const QKeyEvent& event);

ui::ShiftState ShiftStateOf(const QKeyEvent& event);

// The text a key press types into a field; empty for keys that type nothing
// (Enter, Backspace, Escape, arrows, Delete, Tab, Ctrl or Alt combinations).
QString TypedText(const QKeyEvent& event);

// The character a key press types into a field: Enter is 13, Backspace 8 and
// Escape 27; keys that type nothing (arrows, Delete, Tab, Ctrl or Alt
// combinations) or a character the code page cannot hold give none.
std::optional<char> TypedCharacter(const QKeyEvent& event);

}  // namespace ringlook::qt
