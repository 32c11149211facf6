// Key translation: see QtKeys.h.
#include "qt/QtKeys.h"

#include "qt/Cp1252.h"

namespace ringlook::qt {

namespace {

constexpr int kVkNumpad0 = 0x60;

// X11 and Wayland key codes of the main-row digits 1..9, 0: evdev codes + 8.
constexpr quint32 kFirstDigitRowScanCode = 10;
constexpr quint32 kLastDigitRowScanCode = 19;

struct KeyCode {
  int qtKey;
  int virtualKey;
};

constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},     {Qt::Key_Return, 0x0D},   {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12},      {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21},  {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},    {Qt::Key_Up, 0x26},       {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},      {Qt::Key_Insert, 0x2D},  {Qt::Key_Delete, 0x2E},
};

// Ctrl or Alt alone make commands, not characters; both together are AltGr.
bool IsCommand(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  return mods.testFlag(Qt::ControlModifier) != mods.testFlag(Qt::AltModifier);
}

}  // namespace

int VirtualKey(const QKeyEvent& event) {
  const int qtKey = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    return (keypad ? kVkNumpad0 : ui::key::kDigit0) + (qtKey - Qt::Key_0);
  }
  // With Shift held the key reports its shifted symbol ('!' for 1); the
  // position on the main row still says which digit key it is.
  const quint32 scanCode = event.nativeScanCode();
  if (!keypad && scanCode >= kFirstDigitRowScanCode && scanCode <= kLastDigitRowScanCode) {
    return ui::key::kDigit0 + static_cast<int>((scanCode - kFirstDigitRowScanCode + 1) % 10);
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return ui::key::kF1 + (qtKey - Qt::Key_F1);
  for (const KeyCode& code : kKeyCodes) {
    if (code.qtKey == qtKey) return code.virtualKey;
  }
  return 0;
}

ui::ShiftState ShiftStateOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  return {mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::AltModifier), mods.testFlag(Qt::ControlModifier)};
}

QString TypedText(const QKeyEvent& event) {
  if (IsCommand(event)) return {};
  const QString text = event.text();
  if (text.isEmpty() || text.front().category() == QChar::Other_Control) return {};
  return text;
}

std::optional<char> TypedCharacter(const QKeyEvent& event) {
  if (IsCommand(event)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return '\r';
    case Qt::Key_Backspace:
      return '\b';
    case Qt::Key_Escape:
      return '\x1b';
    default:
      break;
  }
  const QString text = TypedText(event);
  if (text.size() != 1 || TypableText(text, false) != text) return std::nullopt;
  return ToCp1252(text).front();
}

}  // namespace ringlook::qt
