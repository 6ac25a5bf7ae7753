// frmSplash: the logo window that comes up with every new puzzle, counts down and closes itself.
#pragma once

#include <QGroupBox>
#include <QWidget>

#include "input/splash_countdown.h"

class QLabel;
class QTimer;

namespace kalmotre::app {

// The splash window's frame: a drag from this program dropped onto it asks for the maker's page.
// Drops from other programs (files, text) are not taken.
class DropFrame : public QGroupBox {
  Q_OBJECT
 public:
  explicit DropFrame(QWidget* parent);

 signals:
  void dropped();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  // Loads the window: fresh countdown, timer running. It deletes itself when it closes.
  explicit SplashWindow(QWidget* owner);

  const SplashCountdown& countdown() const { return countdown_; }
  // Closed by its countdown or by quitting; it deletes itself soon and must not be shown again.
  bool isUnloaded() const { return unloaded_; }
  // One tick of Timer1: the next countdown line, or closing at the seventh.
  void Timer1_Timer();
  QTimer* timer() const { return timer_; }

 signals:
  // The logo or the maker line was clicked, or something was dropped onto the frame.
  void webPageRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* addLabel(const char* name, const QString& text, QRect geometry, double pointSize,
                   bool bold);

  SplashCountdown countdown_;
  DropFrame* frame_ = nullptr;
  QLabel* imgLogo_ = nullptr;
  QLabel* lblCompany_ = nullptr;
  QLabel* countdownLabel_ = nullptr;
  QTimer* timer_ = nullptr;
  bool unloaded_ = false;
  // The release that ends a double-click is not a second click.
  bool swallowRelease_ = false;
};

}  // namespace kalmotre::app
