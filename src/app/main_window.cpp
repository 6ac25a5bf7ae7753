// The main window's widgets at their places, and the wiring between them and the core.
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <optional>

#include "app/accessible_names.h"
#include "app/captioned_frame.h"
#include "app/fonts.h"
#include "app/qt_colors.h"
#include "app/twips.h"
#include "app/web_page.h"
#include "app/wrapping_button.h"
#include "knobs/knobs.h"

namespace kalmotre::app {

namespace {

constexpr char kTitle[] = "KALMOTRE";
constexpr std::array<int, 9> kCellLefts = {120, 705, 1290, 1920, 2505, 3090, 3720, 4305, 4890};
constexpr std::array<int, 9> kCellTops = {1320, 1905, 2490, 3120, 3705, 4290, 4920, 5505, 6090};
constexpr std::array<int, 9> kHelpLefts = {5805, 6090, 6375, 6675, 6960, 7245, 7545, 7830, 8115};
constexpr std::array<int, 9> kHelpTops = {1275, 1560, 1845, 2145, 2430, 2715, 3015, 3300, 3585};

void setColor(QWidget* widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget->palette();
  palette.setColor(role, toQColor(color, palette));
  widget->setPalette(palette);
}

// A background the window fixes, and with it the text colour that reads on it; a desktop theme's
// own text colour (light, under a dark theme) would not.
void setFixedBackground(QWidget* widget, QPalette::ColorRole background, Color color,
                        QPalette::ColorRole text) {
  setColor(widget, background, color);
  setColor(widget, text, roles::kTextOnFixedBackground);
}

// Captions sit at the top of their box, as the layout draws them.
QLabel* makeLabel(const char* name, const QString& text, QWidget* parent, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// The focus step an arrow key asks for, if it is one.
std::optional<FocusStep> focusStepOf(int key) {
  switch (key) {
    case Qt::Key_Up:
      return FocusStep::Up;
    case Qt::Key_Down:
      return FocusStep::Down;
    case Qt::Key_Left:
      return FocusStep::Left;
    case Qt::Key_Right:
      return FocusStep::Right;
    default:
      return std::nullopt;
  }
}

QString indexedName(const char* base, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(base)).arg(index);
}

// The core has taken the player's edit: the widget's undo history, which holds every character
// an edit put in, is dropped (setting the text does that), so it never piles up.
void forgetEditHistory(QLineEdit* cell) {
  if (!cell->isUndoAvailable() && !cell->isRedoAvailable()) return;
  const QSignalBlocker quiet(cell);
  const int cursor = cell->cursorPosition();
  const bool selectedAll = cell->hasSelectedText() && cell->selectedText() == cell->text();
  cell->setText(cell->text());
  if (selectedAll) {
    cell->selectAll();
  } else {
    cell->setCursorPosition(cursor);
  }
}

}  // namespace

MainWindow::MainWindow(RandomSource& random, Clock& clock, DesktopPort& desktop)
    : form_(*this, random, clock), desktop_(desktop) {
  setObjectName(QStringLiteral("frmStart"));
  setWindowTitle(QString::fromLatin1(kTitle));
  // The 16-colour icon at 32 px, and the same artwork at the sizes task switchers and docks ask
  // for.
  QIcon icon(QStringLiteral(":/icon.xpm"));
  for (int size : {16, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/kalmotre-%1.png").arg(size), QSize(size, size));
  }
  setWindowIcon(icon);
  setFont(arial(8.25, false));

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);
  buildMenu();
  buildControls(client);

  // The client area below the menu bar is 5625 x 6735 twips, its corner at (3135, 2565) on the
  // screen; setGeometry places the window without its frame, so a window manager's title bar
  // goes above that.
  const int menuHeight = menuBar()->sizeHint().height();
  setGeometry(twips(3135), twips(2565) - menuHeight, twips(5625), twips(6735) + menuHeight);

  runCommand([this] { form_.Form_Load(); });
  // "Erzeuge neues Sodoku" is first in the tab order and has the keyboard when the window opens.
  btnGO_->setFocus(Qt::OtherFocusReason);
  nameMainWindowControls(this, form_.game().board);
}

MainWindow::~MainWindow() {
  for (QLineEdit* cell : cells_) cell->removeEventFilter(this);
}

void MainWindow::buildMenu() {
  QAction* reload = menuBar()->addAction(QStringLiteral("Sudoku neu Laden"));
  reload->setObjectName(QStringLiteral("SudokuLaden"));
  connectCommand(reload, &QAction::triggered, &MainForm::SudokuLaden_Click);
  QAction* quitAction = menuBar()->addAction(QStringLiteral("Beenden"));
  quitAction->setObjectName(QStringLiteral("mnuEnde_1"));
  connectCommand(quitAction, &QAction::triggered, &MainForm::mnuEnde_Click);
  // In keyboard mode (Alt) the chosen item stands out, so Return never acts on an unseen choice.
  menuBar()->setStyleSheet(
      QStringLiteral("QMenuBar::item { padding: 2px 6px; background: transparent; }"
                     "QMenuBar::item:selected { background: palette(highlight); color: "
                     "palette(highlighted-text); }"));

  // Keys players expect, beside the captions: Ctrl+N makes a new puzzle, Ctrl+Q quits.
  auto* newPuzzle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
  newPuzzle->setObjectName(QStringLiteral("shortcutNew"));
  connectCommand(newPuzzle, &QShortcut::activated, &MainForm::btnGO_Click);
  auto* quitKeys = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  quitKeys->setObjectName(QStringLiteral("shortcutQuit"));
  connectCommand(quitKeys, &QShortcut::activated, &MainForm::mnuEnde_Click);
}

template <typename Sender, typename Signal>
void MainWindow::connectCommand(Sender* sender, Signal signal, void (MainForm::*handler)()) {
  connect(sender, signal, this,
          [this, handler] { runCommand([this, handler] { (form_.*handler)(); }); });
}

void MainWindow::runCommand(const std::function<void()>& command) {
  command();
  refresh();
}

void MainWindow::buildControls(QWidget* client) {
  buildHelpArea(client);

  btnGO_ = new WrappingButton(QStringLiteral("Erzeuge neues Sodoku"), client);
  btnGO_->setObjectName(QStringLiteral("btnGO"));
  btnGO_->setGeometry(twipsRect(2355, 0, 1560, 630));
  connectCommand(btnGO_, &QPushButton::clicked, &MainForm::btnGO_Click);

  btnLoesung_ = new WrappingButton(QStringLiteral("Computer soll Lösung suchen"), client);
  btnLoesung_->setObjectName(QStringLiteral("btnLoesung"));
  btnLoesung_->setGeometry(twipsRect(4035, 0, 1575, 630));
  btnLoesung_->setToolTip(QStringLiteral("Nur als letzte Möglichkeit gedacht!"));
  connectCommand(btnLoesung_, &QPushButton::clicked, &MainForm::btnLoesung_Click);

  btnZur_ = new WrappingButton(QStringLiteral("Spiel neu beginnen"), client);
  btnZur_->setObjectName(QStringLiteral("BtnZur"));
  btnZur_->setGeometry(twipsRect(4545, 660, 960, 630));
  setFixedBackground(btnZur_, QPalette::Button, roles::kRestartButton, QPalette::ButtonText);
  // A flat face in every style and theme; the border and the focus frame stay visible.
  btnZur_->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid #707070;"
                     " border-radius: 2px; }"
                     "QPushButton:focus { border: 2px solid #1e4fa0; }"
                     "QPushButton:pressed { background-color: %3; }")
          .arg(toQColor(roles::kRestartButton, {}).name(),
               toQColor(roles::kTextOnFixedBackground, {}).name(),
               toQColor(roles::kRestartButton, {}).darker(115).name()));
  connectCommand(btnZur_, &QPushButton::clicked, &MainForm::BtnZur_Click);

  QLabel* level =
      makeLabel("Label5", QStringLiteral("Level"), client, twipsRect(2520, 960, 855, 375));
  level->setFont(arial(9.75, true));

  // One option per level, 240 twips apart, in the order of the level table.
  QWidget* previous = btnLoesung_;
  setTabOrder(btnGO_, btnLoesung_);
  for (std::size_t k = 0; k < kLevels.size(); ++k) {
    const LevelInfo& info = kLevels[k];
    auto* option = new QRadioButton(
        QString::fromUtf8(info.caption.data(), static_cast<qsizetype>(info.caption.size())),
        client);
    option->setObjectName(indexedName("optLevel", static_cast<int>(k)));
    option->setGeometry(twipsRect(3360, 840 + 240 * static_cast<int>(k), 1110, 225));
    option->setChecked(info.level == form_.ui().level);
    connect(option, &QRadioButton::toggled, this, [this, level = info.level](bool checked) {
      if (checked) runCommand([this, level] { form_.playerChoseLevel(level); });
      updateLevelTabStops();
    });
    setTabOrder(previous, option);
    previous = option;
    levelOptions_[k] = option;
  }
  updateLevelTabStops();

  buildBoard(client);
  buildRightPanel(client);

  frame2_ = new QGroupBox(client);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  frame2_->setGeometry(twipsRect(60, 1305, 5415, 5385));
  frame2_->setAutoFillBackground(true);
  QLabel* thinking = makeLabel("Label1", QString::fromUtf8(kThinkingText), frame2_,
                               twipsRect(240, 4920, 4935, 390));
  thinking->setAlignment(Qt::AlignCenter);
  thinking->setFont(arial(15.75, true));
  frame2_->hide();
  frame2_->raise();
}

void MainWindow::buildHelpArea(QWidget* client) {
  auto* frame1 = new CaptionedFrame(QStringLiteral("Hilfebereich"), client);
  frame1->setObjectName(QStringLiteral("Frame1"));
  frame1->setGeometry(twipsRect(0, 0, 2175, 1215));
  frame1->setToolTip(QStringLiteral("Hast Du das nötig ?"));
  setFixedBackground(frame1, QPalette::Window, roles::kHelpArea, QPalette::WindowText);
  frame1->setAutoFillBackground(true);
  struct Caption {
    const char* name;
    const char* text;
    QRect geometry;
  };
  const Caption captions[] = {
      {"Label2_0", "Zeige die Möglichkeiten: ", twipsRect(210, 270, 1755, 210)},
      {"Label3", "für die Zahl", twipsRect(240, 540, 855, 285)},
      {"Label4", "Nächste Zahl", twipsRect(240, 840, 960, 210)},
  };
  for (const Caption& c : captions) {
    QLabel* label = makeLabel(c.name, QString::fromUtf8(c.text), frame1, c.geometry);
    setColor(label, QPalette::Window, roles::kHelpArea);
    label->setAutoFillBackground(true);
    label->adjustSize();
  }

  txtShow_ = new QLineEdit(QString::fromUtf8(kStartShowText), client);
  txtShow_->setObjectName(QStringLiteral("txtShow"));
  txtShow_->setGeometry(twipsRect(1320, 480, 255, 315));
  // One character, which may take two UTF-16 units; the core keeps whole characters only.
  txtShow_->setMaxLength(2);
  txtShow_->setAlignment(Qt::AlignCenter);
  txtShow_->setFont(arial(8.25, true));
  txtShow_->setTextMargins(0, 0, 0, 0);
  setFixedBackground(txtShow_, QPalette::Base, roles::kChosenDigitBox, QPalette::Text);
  connect(txtShow_, &QLineEdit::textEdited, this, [this](const QString& text) {
    // A refused edit is undone by the refresh, which shows the core's text again.
    runCommand([this, &text] { form_.playerEditedShowText(text.toStdString()); });
  });

  btnPlus_ = new QPushButton(QStringLiteral("+"), client);
  btnPlus_->setObjectName(QStringLiteral("btnPlus"));
  btnPlus_->setGeometry(twipsRect(1320, 840, 255, 285));
  btnPlus_->setFont(arial(12, true));
  connectCommand(btnPlus_, &QPushButton::clicked, &MainForm::btnPlus_Click);

  // They belong to the window, not to the frame, yet lie inside it: drawn above it.
  txtShow_->raise();
  btnPlus_->raise();
}

void MainWindow::buildBoard(QWidget* client) {
  for (CellIndex i = 0; i < kCells; ++i) {
    auto* cell = new QLineEdit(client);
    cell->setObjectName(indexedName("txtZahl", i));
    cell->setGeometry(twipsRect(kCellLefts[static_cast<std::size_t>(columnOf(i))],
                                kCellTops[static_cast<std::size_t>(rowOf(i))], 600, 600));
    cell->setAlignment(Qt::AlignCenter);
    cell->setFont(arial(20.25, true));
    cell->setTextMargins(0, 0, 0, 0);
    cell->setMaxLength(knobs::kCellTextLimit);
    cell->installEventFilter(this);
    connect(cell, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      // The widget shows the typed text now. The refresh compares the core's text with it, so
      // a refused edit (a clue, or the form is busy) is put back.
      const std::string typed = text.toStdString();
      shown_[static_cast<std::size_t>(i)].text = typed;
      shown_[static_cast<std::size_t>(i)].described = false;
      runCommand([this, i, &typed] { form_.playerEditedCell(i, typed); });
      forgetEditHistory(cells_[static_cast<std::size_t>(i)]);
    });
    cells_[static_cast<std::size_t>(i)] = cell;
  }
}

void MainWindow::buildRightPanel(QWidget* client) {
  auto* shape = new QFrame(client);
  shape->setObjectName(QStringLiteral("Shape1"));
  shape->setGeometry(twipsRect(5760, 1230, 2700, 2700));
  shape->setFrameStyle(QFrame::Box | QFrame::Plain);
  setColor(shape, QPalette::WindowText, roles::kHelpGridFrame);

  for (CellIndex i = 0; i < kCells; ++i) {
    QLabel* label = makeLabel("", QString::number(i % 9 + 1), client,
                              twipsRect(kHelpLefts[static_cast<std::size_t>(columnOf(i))],
                                        kHelpTops[static_cast<std::size_t>(rowOf(i))], 300, 300));
    label->setObjectName(indexedName("lblZahl", i));
    label->setAlignment(Qt::AlignCenter);
    setColor(label, QPalette::Window, roles::kHelpGrid.background);
    setColor(label, QPalette::WindowText, roles::kHelpGrid.text);
    label->hide();
    helpLabels_[static_cast<std::size_t>(i)] = label;
    shownHelp_[static_cast<std::size_t>(i)] = label->text().toStdString();
  }

  lblFrei_ = makeLabel("lblFrei", QString::fromUtf8(kFreeCellsPrefix), client,
                       twipsRect(5805, 4065, 1350, 225));
}

void MainWindow::showCell(CellIndex index) {
  const Board& board = form_.game().board;
  QLineEdit* cell = cells_[static_cast<std::size_t>(index)];
  ShownCell& shown = shown_[static_cast<std::size_t>(index)];
  // Only what differs from what the widget shows is touched: a palette costs microseconds.
  const bool textChanged = shown.text != board.text(index);
  if (textChanged) {
    shown.text = board.text(index);
    cell->setText(QString::fromStdString(board.text(index)));
  }
  const CellLook look{board.background(index), board.foreground(index)};
  if (shown.look != look) {
    shown.look = look;
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Base, toQColor(look.background, palette));
    palette.setColor(QPalette::Text, toQColor(look.text, palette));
    cell->setPalette(palette);
  }
  const bool readOnly = board.locked(index) || form_.ui().busy;
  if (cell->isReadOnly() != readOnly) cell->setReadOnly(readOnly);
  if (textChanged || !shown.described || shown.locked != board.locked(index)) {
    shown.locked = board.locked(index);
    shown.described = true;
    describeCell(cell, board, index);
  }
}

void MainWindow::refresh() {
  ++refreshCount_;
  const InterfaceState& ui = form_.ui();
  for (CellIndex i = 0; i < kCells; ++i) {
    showCell(i);
    // The help grid's captions change only with a new grid: converted only on a change.
    const std::string caption = form_.lblZahl(i);
    std::string& shown = shownHelp_[static_cast<std::size_t>(i)];
    if (shown != caption) {
      shown = caption;
      helpLabels_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(caption));
    }
  }
  const QString free = QString::fromStdString(form_.lblFrei());
  if (lblFrei_->text() != free) lblFrei_->setText(free);
  const QString show = QString::fromStdString(ui.chosenDigit);
  if (txtShow_->text() != show) txtShow_->setText(show);
  if (txtShow_->isReadOnly() != ui.busy) txtShow_->setReadOnly(ui.busy);
  if (frame2_->isHidden() == ui.thinking) frame2_->setVisible(ui.thinking);
  carryOut(form_.takeRequests());
}

void MainWindow::carryOut(const Requests& requests) {
  if (requests.splash) showSplash();
  if (requests.focus != kNoCell) focusCell(requests.focus);
  if (requests.quit) quit();
}

CellIndex MainWindow::cellIndexOf(const QObject* object) const {
  for (CellIndex i = 0; i < kCells; ++i) {
    if (cells_[static_cast<std::size_t>(i)] == object) return i;
  }
  return kNoCell;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && cellIndexOf(watched) != kNoCell) {
    // Arrow keys step across the board; the core moves the focus and validates the cell left.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      if (const std::optional<FocusStep> step = focusStepOf(key->key())) {
        runCommand([this, step] { form_.playerMovedFocus(*step); });
        return true;
      }
    }
  }
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) {
    return QMainWindow::eventFilter(watched, event);
  }
  const CellIndex index = cellIndexOf(watched);
  // The focus moves the window makes on request are the core's own: it knows of them already.
  if (index == kNoCell || applyingFocus_) return QMainWindow::eventFilter(watched, event);
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  // The window losing activation, a popup or the menu bar taking the keyboard: the cell keeps
  // its place as the focused cell and nothing is validated.
  const bool leavesWindow = reason == Qt::ActiveWindowFocusReason ||
                            reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
  if (event->type() == QEvent::FocusIn) {
    form_.cellGotFocus(index);
    // Select after the mouse press has placed the caret, so a typed digit replaces the text.
    QPointer<QLineEdit> cell = cells_[static_cast<std::size_t>(index)];
    QTimer::singleShot(0, this, [cell] {
      if (cell && cell->hasFocus()) cell->selectAll();
    });
  } else if (!leavesWindow) {
    runCommand([this, index] { form_.cellLostFocus(index); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::focusCell(CellIndex cell) {
  QLineEdit* widget = cells_[static_cast<std::size_t>(cell)];
  applyingFocus_ = true;
  widget->setFocus(Qt::OtherFocusReason);
  applyingFocus_ = false;
  widget->selectAll();
}

void MainWindow::showMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kTitle),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::processPendingEvents() {
  refresh();
  QCoreApplication::processEvents();
}

void MainWindow::showSplash() {
  // A window its countdown has closed is gone even while Qt has yet to delete it: load afresh.
  if (!splash_ || splash_->isUnloaded()) {
    splash_ = new SplashWindow(this);
    connect(
        splash_, &SplashWindow::webPageRequested, this,
        [this] { openWebPage(desktop_, QString::fromLatin1(kMakerAddress)); },
        Qt::QueuedConnection);
  }
  if (splash_->isVisible()) return;
  // Some platforms activate every window they show; the player keeps typing into the board.
  const bool wasActive = isActiveWindow();
  splash_->show();
  if (wasActive) activateWindow();
}

void MainWindow::quit() {
  if (splash_) splash_->close();
  quitting_ = true;
  close();
  quitting_ = false;
  QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close button is "Beenden": during a command's event pass it waits for the command.
  if (!quitting_) {
    event->ignore();
    runCommand([this] { form_.mnuEnde_Click(); });
    return;
  }
  QMainWindow::closeEvent(event);
}

void MainWindow::updateLevelTabStops() {
  // Tab stops on the selected option only, as on other desktops; a click still selects either.
  for (QRadioButton* option : levelOptions_) {
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

}  // namespace kalmotre::app
