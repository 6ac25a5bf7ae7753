// frmStart: the game's main window. It builds its widgets from the control table, applies the
// mid end's change lists and reports what the player does.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "app/splash_window.h"
#include "midend/mid_end.h"
#include "midend/window_port.h"

class QAction;
class QLineEdit;
class QRadioButton;

namespace kalmotre::app {

class DesktopPort;

class MainWindow final : public QMainWindow, public WindowPort {
  Q_OBJECT
 public:
  MainWindow(RandomSource& random, Clock& clock, DesktopPort& desktop);
  ~MainWindow() override;

  MidEnd& midEnd() { return midEnd_; }
  MainForm& form() { return midEnd_.form(); }
  QLineEdit* cell(CellIndex index) const;
  // The splash window while it is open, else null.
  SplashWindow* splash() const { return splash_; }

  // Shows what the list says changed, then does what it asks: focus, the maker's page, the one
  // event pass of a generation (and its second half), quitting.
  void apply(const ChangeList& list);
  // Shows what changed without an event (a test that set up a position).
  void refresh() { apply(midEnd_.changes()); }
  // How many change lists that changed something have been applied: one per command, and one
  // more for a generation's second half.
  int refreshCount() const { return refreshCount_; }

  // WindowPort: the modal message, over the board as the command has left it so far.
  void showMessage(std::string_view text) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build(QWidget* client);
  QWidget* buildWidget(int id, QWidget* client);
  void setTabOrderFromTable();
  // Hands the event to the mid end and applies its answer.
  ChangeList send(const Event& event);
  void applyChange(const Change& change);
  void updateLevelTabStops();
  void showSplash();
  void quit();
  int controlOf(const QObject* object) const;

  MidEnd midEnd_;
  DesktopPort& desktop_;
  std::vector<QWidget*> widgets_;  // by control id; null for the splash window's and menu items
  std::vector<QAction*> actions_;  // the menu items, by control id
  QPointer<SplashWindow> splash_;
  int refreshCount_ = 0;
  bool quitting_ = false;
};

}  // namespace kalmotre::app
