// What a screen reader gets of the messages view: a read-only, multi-line text
// whose content is the messages (the Text interface, so the reader moves
// through them line by line), with each address in it as a link child that can
// be pressed. Qt's own interface for a read-only text view reports a label.
#pragma once

#include <QAccessibleWidget>

namespace ringlook::qt {

class QtRichView;

// For the accessibility factory (Accessibility.cpp).
QAccessibleInterface* MessagesViewAccessible(QtRichView* view);

}  // namespace ringlook::qt
