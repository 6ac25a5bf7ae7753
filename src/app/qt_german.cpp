#include "app/qt_german.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalmotre::app {

QTranslator* installQtGermanTranslations(QCoreApplication& application) {
  const QLocale german(QLocale::German, QLocale::Germany);
  // Dates and sizes in the file dialog follow the texts around them.
  QLocale::setDefault(german);
  auto* translator = new QTranslator(&application);
  if (!translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace kalmotre::app
