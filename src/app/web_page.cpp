// The desktop port on a real desktop.
#include "app/web_page.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>

namespace kalmotre::app {

bool SystemDesktop::openUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

QString SystemDesktop::chooseApplication() {
  return QFileDialog::getOpenFileName(
      nullptr, QStringLiteral("Programm zum Öffnen der Seite wählen"), QStringLiteral("/usr/bin"));
}

bool SystemDesktop::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

void openWebPage(DesktopPort& desktop, const QString& address) {
  const QUrl url(address);
  if (desktop.openUrl(url)) return;
  const QString program = desktop.chooseApplication();
  if (program.isEmpty()) return;
  desktop.startDetached(program, {address});
}

}  // namespace kalmotre::app
