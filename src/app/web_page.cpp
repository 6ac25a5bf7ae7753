// The desktop port on a real desktop.
#include "app/web_page.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QProcess>
#include <QStandardPaths>

#include "app/controls_qt.h"
#include "midend/texts.h"

namespace kalmotre::app {

SystemDesktop::~SystemDesktop() {
  delete chooser_.data();
}

bool SystemDesktop::openUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

// A small non-modal dialog: the browsers found on this system to pick from, or any program name
// to type. It keeps no settings (a file dialog would write its history to the user's config).
void SystemDesktop::chooseApplication(std::function<void(const QString& program)> chosen) {
  if (chooser_) {
    chooser_->raise();
    chooser_->activateWindow();
    return;
  }
  QStringList browsers;
  for (const char* name : {"x-www-browser", "firefox-esr", "firefox", "chromium",
                           "epiphany-browser", "konqueror", "falkon", "google-chrome"}) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) browsers << path;
  }
  auto* dialog = new QInputDialog;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::NonModal);
  dialog->setWindowTitle(qString(kWindowTitle));
  dialog->setLabelText(qString(texts::kOpenWith));
  dialog->setComboBoxItems(browsers);
  dialog->setComboBoxEditable(true);
  QObject::connect(dialog, &QInputDialog::textValueSelected, dialog,
                   [chosen = std::move(chosen)](const QString& text) {
                     const QString program = QStandardPaths::findExecutable(text.trimmed());
                     if (!program.isEmpty()) chosen(program);
                   });
  chooser_ = dialog;
  dialog->show();
}

bool SystemDesktop::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

void openWebPage(DesktopPort& desktop, const QString& address) {
  const QUrl url(address);
  if (desktop.openUrl(url)) return;
  desktop.chooseApplication(
      [&desktop, address](const QString& program) { desktop.startDetached(program, {address}); });
}

}  // namespace kalmotre::app
