// Qt's own texts in Dutch: see QtTranslations.h.
#include "qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ringlook::qt {

void LoadDutchQtTexts() {
  // Lives as long as the program: an application holds only a pointer to it.
  static QTranslator translator;
  if (translator.isEmpty() &&
      !translator.load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  QCoreApplication::installTranslator(&translator);
}

}  // namespace ringlook::qt
