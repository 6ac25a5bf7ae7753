// frmSplash: the logo window that comes up with every new puzzle. It is built from the control
// table, shows what the mid end's change lists say and reports clicks, drops and timer ticks;
// the counting is the mid end's.
#pragma once

#include <QGroupBox>
#include <QWidget>
#include <vector>

#include "midend/change_list.h"

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
  // Builds the window from the table; its timer runs once the mid end asks. It deletes itself
  // when it is unloaded.
  explicit SplashWindow(QWidget* owner);

  void applyChange(const Change& change);
  // Closes the window for good, as the mid end or quitting asks.
  void unload();
  // One tick of Timer1, reported to the mid end.
  void Timer1_Timer() { emit ticked(ids::kTimer1); }
  QTimer* timer() const { return timer_; }

 signals:
  // The logo or the maker line was clicked.
  void clicked(int control);
  void dropped(int control);
  void ticked(int control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  int controlOf(const QObject* object) const;

  std::vector<QWidget*> widgets_;  // by control id; null for the main window's
  QTimer* timer_ = nullptr;
  bool unloading_ = false;
  // The release that ends a double-click is not a second click.
  bool swallowRelease_ = false;
};

}  // namespace kalmotre::app
