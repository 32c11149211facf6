// Qt's own texts in Dutch, as the rest of the interface is: the file dialog,
// the buttons Qt names itself and --help, from Debian's qt6-translations-l10n.
#pragma once

namespace ringlook::qt {

// Installs qtbase_nl into the running application, once; where the
// translations are missing, Qt's texts stay English.
void LoadDutchQtTexts();

}  // namespace ringlook::qt
