// What the caller group hands to the desktop beyond a web address: a call
// address to the program the desktop has for its scheme, and the caller list
// to a file the user picks.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include "ui/Application.h"

namespace ringlook::qt {

// Whether the desktop has a program for the scheme ("tel"). Asked of
// xdg-mime, since QDesktopServices reports success as soon as xdg-open starts,
// whether or not anything takes the address.
bool DesktopHandles(const QString& scheme);

// The save dialog (suggestedName in the user's documents folder, a question
// before it replaces a file), then bytes written whole or not at all.
ui::SaveResult SaveWithDialog(QWidget* parent, const QString& suggestedName, const QByteArray& bytes);

}  // namespace ringlook::qt
