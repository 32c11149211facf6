// Layout fonts: see Fonts.h.
#include "qt/Fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace ringlook::qt {

QFont FixedPitchFont(int pixels) {
  // DejaVu Sans Mono fills a 15-pixel line at 13 pixels, as the list was designed.
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(pixels);
  return font;
}

QFont SansFont(int pixels) {
  QFont font = QApplication::font();
  font.setPixelSize(pixels);
  return font;
}

}  // namespace ringlook::qt
