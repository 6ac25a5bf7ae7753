// Opening the maker's web page through the desktop, with a way out when no browser is set up.
#pragma once

#include <QInputDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "midend/print_sheet.h"

class QWidget;

namespace kalmotre::app {

inline constexpr char kMakerAddress[] = "https://tavuro.example/";

// What the game needs of the desktop; tests fake it so no browser or dialog starts.
class DesktopPort {
 public:
  virtual ~DesktopPort() = default;
  // Opens the address with the desktop's default handler; false when that failed.
  virtual bool openUrl(const QUrl& url) = 0;
  // Lets the user pick a program without blocking the game; `chosen` runs once a program is
  // picked, never when the user cancels.
  virtual void chooseApplication(std::function<void(const QString& program)> chosen) = 0;
  // Starts the program on its own, without a shell, with these arguments.
  virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
  // Opens the print dialog over `parent` and prints the sheet where the user chose, a PDF file
  // included; nothing when the user cancels.
  virtual void print(QWidget* parent, const PrintSheet& sheet) = 0;
};

class SystemDesktop final : public DesktopPort {
 public:
  ~SystemDesktop() override;
  bool openUrl(const QUrl& url) override;
  // One chooser at a time: while one is open, asking again brings it to the front.
  void chooseApplication(std::function<void(const QString& program)> chosen) override;
  bool startDetached(const QString& program, const QStringList& arguments) override;
  void print(QWidget* parent, const PrintSheet& sheet) override;

 private:
  QPointer<QInputDialog> chooser_;
};

// The default handler first; only when it reports failure, the user chooses a program, which is
// started with the address as its one argument. Reports nothing either way, and never waits.
void openWebPage(DesktopPort& desktop, const QString& address);

}  // namespace kalmotre::app
