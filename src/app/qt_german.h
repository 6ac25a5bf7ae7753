// Qt's own texts in German: the game speaks German whatever the player's desktop language is.
#pragma once

class QCoreApplication;
class QTranslator;

namespace kalmotre::app {

// Installs Qt's German translations (context menus, message box buttons, the file dialog) from
// Qt's translations folder and makes German the default locale. Returns the installed
// translator, owned by the application, or null when Qt's German texts are not installed; the
// game then runs on with Qt's English ones.
QTranslator* installQtGermanTranslations(QCoreApplication& application);

}  // namespace kalmotre::app
