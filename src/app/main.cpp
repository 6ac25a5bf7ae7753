// Starts the game: one main window, the desktop's clock and a seeded random source.
#include <QApplication>

#include "app/controls_qt.h"
#include "app/main_window.h"
#include "app/qt_german.h"
#include "app/web_page.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(kalmotre::app::qString(kalmotre::kWindowTitle));
  // Ties the windows to the installed launcher and its icon (Wayland's app id).
  QGuiApplication::setDesktopFileName(QStringLiteral("example.tavuro.kalmotre"));
  kalmotre::app::installQtGermanTranslations(application);
  kalmotre::EngineRandomSource random;
  kalmotre::SystemClock clock;
  kalmotre::app::SystemDesktop desktop;
  kalmotre::app::MainWindow window(random, clock, desktop);
  window.show();
  return QApplication::exec();
}
