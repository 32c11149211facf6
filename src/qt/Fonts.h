// The two fonts of the layouts: the desktop's sans font where the windows were
// designed with "MS Sans Serif", and a fixed-pitch font where columns must line
// up ("Lucida Sans Typewriter": the caller list, the recipients, the message).
#pragma once

#include <QFont>

namespace ringlook::qt {

QFont FixedPitchFont(int pixels);
QFont SansFont(int pixels);

}  // namespace ringlook::qt
