// frmStart: the game's main window. It shows the core's MainForm and forwards the player's doings.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <string>

#include "app/splash_window.h"
#include "input/main_form.h"
#include "input/window_port.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalmotre::app {

class DesktopPort;

class MainWindow final : public QMainWindow, public WindowPort {
  Q_OBJECT
 public:
  MainWindow(RandomSource& random, Clock& clock, DesktopPort& desktop);
  ~MainWindow() override;

  MainForm& form() { return form_; }
  QLineEdit* cell(CellIndex index) const { return cells_[static_cast<std::size_t>(index)]; }
  // The splash window while it is open, else null.
  SplashWindow* splash() const { return splash_; }

  // Brings every widget in line with the core (only what differs from what it shows is
  // touched), then carries out what the commands asked for: the splash window, the focus, quit.
  void refresh();
  // How many refreshes there have been: one per command, and one in generation's event pass.
  int refreshCount() const { return refreshCount_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 public:
  // WindowPort: what a command needs of the window while it runs.
  void showMessage(std::string_view text) override;
  void processPendingEvents() override;

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
  void carryOut(const Requests& requests);
  void focusCell(CellIndex cell);
  void showSplash();
  void quit();
  CellIndex cellIndexOf(const QObject* object) const;

  MainForm form_;
  DesktopPort& desktop_;
  // The draw state: what each cell widget shows, so a refresh touches only what differs. The
  // first refresh paints everything.
  struct ShownCell {
    std::string text;
    CellLook look{Color{0xFFFFFFFFu}, Color{0xFFFFFFFFu}};
    bool locked = false;
    bool described = false;
  };

  std::array<QLineEdit*, kCells> cells_{};
  std::array<ShownCell, kCells> shown_{};
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
  int refreshCount_ = 0;
  // The window is moving the focus as a command asked: the focus events that brings are its own.
  bool applyingFocus_ = false;
  bool quitting_ = false;
};

}  // namespace kalmotre::app
