// frmStart: the game's main window. It shows the core's MainForm and forwards the player's doings.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <string>

#include "app/splash_window.h"
#include "board/ports.h"
#include "input/main_form.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalmotre::app {

class DesktopPort;

class MainWindow final : public QMainWindow, public FormView {
  Q_OBJECT
 public:
  MainWindow(RandomSource& random, Clock& clock, DesktopPort& desktop);
  ~MainWindow() override;

  MainForm& form() { return form_; }
  QLineEdit* cell(CellIndex index) const { return cells_[static_cast<std::size_t>(index)]; }
  // The splash window while it is open, else null.
  SplashWindow* splash() const { return splash_; }

  // Brings every widget in line with the core: cells that changed, captions, frame, locks.
  void refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 public:
  // FormView: what the core asks of the window.
  void focusCell(CellIndex cell) override;
  void showMessage(std::string_view text) override;
  void processPendingEvents() override;
  void showSplash() override;
  void quit() override;

 private:
  void buildControls(QWidget* client);
  void buildHelpArea(QWidget* client);
  void buildBoard(QWidget* client);
  void buildRightPanel(QWidget* client);
  void buildMenu();
  // Every command of the window goes through here: the form handles it, then the widgets are
  // brought in line once.
  void runCommand(const std::function<void()>& command);
  template <typename Sender, typename Signal>
  void connectCommand(Sender* sender, Signal signal, void (MainForm::*handler)());
  void updateLevelTabStops();
  void showCell(CellIndex index);
  CellIndex cellIndexOf(const QObject* object) const;

  MainForm form_;
  DesktopPort& desktop_;
  // What a cell widget shows, so a refresh touches only what differs.
  struct ShownCell {
    std::string text;
    CellLook look{Color{0xFFFFFFFFu}, Color{0xFFFFFFFFu}};  // none yet: the first refresh paints
  };

  std::array<QLineEdit*, kCells> cells_{};
  std::array<ShownCell, kCells> shown_{};
  // Widgets that may not show what the core holds: all at first, then those the player typed into.
  Board::CellSet stale_ = Board::CellSet().set();
  std::array<QLabel*, kCells> helpLabels_{};
  std::array<std::string, kCells> shownHelp_{};  // the captions the help labels show
  QPushButton* btnGO_ = nullptr;
  QPushButton* btnLoesung_ = nullptr;
  QPushButton* btnZur_ = nullptr;
  QPushButton* btnPlus_ = nullptr;
  std::array<QRadioButton*, kLevels.size()> levelOptions_{};
  QLineEdit* txtShow_ = nullptr;
  QLabel* lblFrei_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QPointer<SplashWindow> splash_;
  bool shownBusy_ = false;
  bool quitting_ = false;
};

}  // namespace kalmotre::app
