// Names a widget or menu item for the layouts: its object name is its name in
// the window definitions, its accessible name the caption a reader should hear.
#pragma once

#include <QWidget>
#include <type_traits>

namespace ringlook::qt {

template <typename Widget>
Widget* Name(Widget* widget, const char* name, const QString& caption = {}) {
  widget->setObjectName(QString::fromLatin1(name));
  if constexpr (std::is_base_of_v<QWidget, Widget>) {
    if (!caption.isEmpty()) widget->setAccessibleName(caption);
  }
  return widget;
}

}  // namespace ringlook::qt
