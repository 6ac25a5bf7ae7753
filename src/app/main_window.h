// frmStart: the game's main window. It shows the core's MainForm and forwards the player's doings.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
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

class MainWindow final : public QMainWindow, private FormView {
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

 private:
  // FormView
  void focusCell(CellIndex cell) override;
  void showMessage(std::string_view text) override;
  void processPendingEvents() override;
  void showSplash() override;
  void quit() override;

  void buildControls(QWidget* client);
  void buildHelpArea(QWidget* client);
  void buildBoard(QWidget* client);
  void buildRightPanel(QWidget* client);
  void buildMenu();
  void connectCommand(QPushButton* button, void (MainForm::*handler)());
  void showCell(CellIndex index);
  CellIndex cellIndexOf(const QObject* object) const;

  MainForm form_;
  DesktopPort& desktop_;
  std::array<QLineEdit*, kCells> cells_{};
  std::array<QLabel*, kCells> helpLabels_{};
  std::array<std::string, kCells> shownHelp_{};  // the captions the help labels show
  QPushButton* btnGO_ = nullptr;
  QPushButton* btnLoesung_ = nullptr;
  QPushButton* btnZur_ = nullptr;
  QPushButton* btnPlus_ = nullptr;
  QRadioButton* optLeicht_ = nullptr;
  QRadioButton* optSchwer_ = nullptr;
  QLineEdit* txtShow_ = nullptr;
  QLabel* lblFrei_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QPointer<SplashWindow> splash_;
  bool shownBusy_ = false;
};

}  // namespace kalmotre::app
