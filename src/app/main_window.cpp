// The main window's widgets, built row by row from the control table, and the wiring that
// reports the player's doings to the mid end and applies what it hands back.
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
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "app/board_accessible.h"
#include "app/captioned_frame.h"
#include "app/controls_qt.h"
#include "app/qt_colors.h"
#include "app/text_box.h"
#include "app/twips.h"
#include "app/web_page.h"
#include "app/wrapping_button.h"
#include "midend/texts.h"

namespace kalmotre::app {

namespace {

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
    : midEnd_(*this, random, clock),
      desktop_(desktop),
      widgets_(kControlCount, nullptr),
      actions_(kControlCount, nullptr) {
  const Control& self = control(ids::kMainWindow);
  setObjectName(qString(self.name));
  setWindowTitle(qString(self.caption));
  // The 16-colour icon at 32 px, and the same artwork at the sizes task switchers and docks ask
  // for.
  QIcon icon(QStringLiteral(":/icon.xpm"));
  for (int size : {16, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/kalmotre-%1.png").arg(size), QSize(size, size));
  }
  setWindowIcon(icon);
  setFont(qFont(self.font));

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);
  installBoardAccessibility();
  makeAccessibleBoard(client, qString(texts::kBoardName));
  build(client);

  // The client area below the menu bar is placed on the screen; setGeometry places the window
  // without its frame, so a window manager's title bar goes above that.
  const int menuHeight = menuBar()->sizeHint().height();
  const QRect area = twipsRect(self.rect);
  QRect placed(area.x(), area.y() - menuHeight, area.width(), area.height() + menuHeight);
  // Where that puts part of the window off a small screen (or a large scale factor), it moves
  // onto the screen's work area, as a window manager would.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect work = screen->availableGeometry();
    // Room for a title bar above the window, or below its asked-for top: some window managers
    // put the frame's corner where the window was asked to be.
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QRect outer = placed.adjusted(0, -title, 0, title);
    if (outer.right() > work.right()) outer.moveRight(work.right());
    if (outer.bottom() > work.bottom()) outer.moveBottom(work.bottom());
    if (outer.left() < work.left()) outer.moveLeft(work.left());
    if (outer.top() < work.top()) outer.moveTop(work.top());
    placed.moveTopLeft(outer.topLeft() + QPoint(0, title));
  }
  setGeometry(placed);

  send(events::load());
  // The first control in the tab order has the keyboard when the window opens.
  for (int id = 0; id < kControlCount; ++id) {
    if (control(id).tabIndex == 0 && widgets_[static_cast<std::size_t>(id)] != nullptr) {
      widgets_[static_cast<std::size_t>(id)]->setFocus(Qt::OtherFocusReason);
    }
  }
}

MainWindow::~MainWindow() {
  // The boxes report to this window; none may do so while it is taken apart.
  for (QWidget* widget : widgets_) {
    if (qobject_cast<TextBox*>(widget) != nullptr) widget->removeEventFilter(this);
  }
  removeBoardAccessibility();
}

QLineEdit* MainWindow::cell(CellIndex index) const {
  return static_cast<QLineEdit*>(widgets_[static_cast<std::size_t>(cellControl(index))]);
}

void MainWindow::build(QWidget* client) {
  for (int id = 0; id < kControlCount; ++id) {
    const Control& c = control(id);
    if (c.window != WindowName::Main || c.kind == ControlKind::Window) continue;
    if (c.kind == ControlKind::MenuItem) {
      QAction* item = menuBar()->addAction(qString(c.caption));
      item->setObjectName(QString::fromStdString(kalmotre::objectName(id)));
      connect(item, &QAction::triggered, this, [this, id] { send(events::click(id)); });
      actions_[static_cast<std::size_t>(id)] = item;
      continue;
    }
    widgets_[static_cast<std::size_t>(id)] = buildWidget(id, client);
  }
  setTabOrderFromTable();
  updateLevelTabStops();

  // In keyboard mode (Alt) the chosen item stands out, so Return never acts on an unseen choice.
  menuBar()->setStyleSheet(
      QStringLiteral("QMenuBar::item { padding: 2px 6px; background: transparent; }"
                     "QMenuBar::item:selected { background: palette(highlight); color: "
                     "palette(highlighted-text); }"));
  // Keys players expect, beside the captions; the mid end says what they do.
  for (const auto& [key, name] :
       {std::pair{Qt::Key_N, "n"}, std::pair{Qt::Key_Q, "q"}, std::pair{Qt::Key_P, "p"}}) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
    shortcut->setObjectName(QStringLiteral("shortcut_%1").arg(QLatin1String(name)));
    connect(shortcut, &QShortcut::activated, this,
            [this, name] { send(events::key(kNoControl, name, modifiers::kControl)); });
  }
}

QWidget* MainWindow::buildWidget(int id, QWidget* client) {
  const Control& c = control(id);
  QWidget* parent =
      c.container == ids::kMainWindow ? client : widgets_[static_cast<std::size_t>(c.container)];
  const ControlState design = designState(id);
  QWidget* widget = nullptr;
  switch (c.kind) {
    case ControlKind::Frame: {
      QGroupBox* frame = c.caption.empty() ? new QGroupBox(parent)
                                           : new CaptionedFrame(qString(c.caption), parent);
      frame->setAutoFillBackground(true);
      widget = frame;
      break;
    }
    case ControlKind::Label:
    case ControlKind::HelpLabel:
      widget = new QLabel(QString::fromStdString(design.text), parent);
      break;
    case ControlKind::TextBox:
    case ControlKind::Cell: {
      auto* box = new TextBox(parent);
      // A screen reader meets the cells as a table: each knows its place before it is asked.
      if (c.kind == ControlKind::Cell) markBoardCell(box, rowOf(c.index), columnOf(c.index));
      box->setText(QString::fromStdString(design.text));
      box->setTextMargins(0, 0, 0, 0);
      // A character outside the Basic Multilingual Plane takes two UTF-16 units; the core keeps
      // whole characters only.
      box->setMaxLength(maxTextUnits(id));
      connect(box, &QLineEdit::textEdited, this, [this, id, box](const QString& text) {
        send(events::edit(id, text.toStdString()));
        forgetEditHistory(box);
      });
      // A click into the box is reported once the box has placed its caret for it.
      connect(box, &TextBox::released, this, [this, id] { send(events::click(id)); });
      box->installEventFilter(this);
      widget = box;
      break;
    }
    case ControlKind::Button: {
      QPushButton* button = c.wordWrap ? new WrappingButton(qString(c.caption), parent)
                                       : new QPushButton(qString(c.caption), parent);
      connect(button, &QPushButton::clicked, this, [this, id] { send(events::click(id)); });
      widget = button;
      break;
    }
    case ControlKind::Option: {
      auto* option = new QRadioButton(qString(c.caption), parent);
      option->setChecked(design.checked);
      connect(option, &QRadioButton::toggled, this, [this, id](bool checked) {
        if (checked) send(events::click(id));
        updateLevelTabStops();
      });
      widget = option;
      break;
    }
    case ControlKind::Shape: {
      auto* shape = new QFrame(parent);
      shape->setFrameStyle(QFrame::Box | QFrame::Plain);
      widget = shape;
      break;
    }
    default:
      widget = new QWidget(parent);
      break;
  }
  describeWidget(widget, id);
  // A button with a fixed face colour is flat in every style and theme; its border and the focus
  // frame stay visible.
  if (c.kind == ControlKind::Button && c.background != kThemeColor) {
    widget->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid #707070;"
                       " border-radius: 2px; }"
                       "QPushButton:focus { border: 2px solid #1e4fa0; }"
                       "QPushButton:pressed { background-color: %3; }")
            .arg(toQColor(c.background, {}).name(), toQColor(c.foreground, {}).name(),
                 toQColor(c.background, {}).darker(115).name()));
  }
  if (!design.visible) widget->hide();
  return widget;
}

void MainWindow::setTabOrderFromTable() {
  std::vector<int> order;
  for (int id = 0; id < kControlCount; ++id) {
    if (control(id).tabIndex >= 0 && widgets_[static_cast<std::size_t>(id)] != nullptr) {
      order.push_back(id);
    }
  }
  std::sort(order.begin(), order.end(),
            [](int a, int b) { return control(a).tabIndex < control(b).tabIndex; });
  for (std::size_t k = 1; k < order.size(); ++k) {
    setTabOrder(widgets_[static_cast<std::size_t>(order[k - 1])],
                widgets_[static_cast<std::size_t>(order[k])]);
  }
}

void MainWindow::updateLevelTabStops() {
  // Tab stops on the selected option only, as on other desktops; a click still selects either.
  for (std::size_t k = 0; k < kLevels.size(); ++k) {
    auto* option = static_cast<QRadioButton*>(
        widgets_[static_cast<std::size_t>(optionControl(static_cast<int>(k)))]);
    if (option == nullptr) continue;
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void MainWindow::apply(const ChangeList& list) {
  if (!list.changes.empty() || list.focus != kNoControl || list.resume || list.quit ||
      !list.openAddress.empty() || list.print) {
    ++refreshCount_;
  }
  for (const Change& change : list.changes) applyChange(change);
  if (list.focus != kNoControl) {
    widgets_[static_cast<std::size_t>(list.focus)]->setFocus(Qt::OtherFocusReason);
  }
  if (list.select != kNoControl) {
    if (auto* box = qobject_cast<QLineEdit*>(widgets_[static_cast<std::size_t>(list.select)])) {
      box->selectAll();
    }
  }
  if (!list.openAddress.empty()) {
    const QString address = QString::fromStdString(list.openAddress);
    QTimer::singleShot(0, this, [this, address] { openWebPage(desktop_, address); });
  }
  if (list.print) {
    // The dialog is modal: it opens once the key's handling has ended.
    QTimer::singleShot(0, this, [this] { desktop_.print(this, midEnd_.printSheet()); });
  }
  if (list.resume) {
    // The one event pass: the frame and the splash are painted, pending events handled (the
    // game is busy meanwhile), then the generation goes on.
    QCoreApplication::processEvents();
    send(events::resume());
  }
  if (list.quit) quit();
}

ChangeList MainWindow::send(const Event& event) {
  ChangeList list = midEnd_.handle(event);
  apply(list);
  return list;
}

void MainWindow::applyChange(const Change& change) {
  const Control& c = control(change.control);
  if (c.window == WindowName::Splash) {
    if (change.control == ids::kSplash && change.property == Property::Visible) {
      if (change.value != 0) {
        showSplash();
      } else if (splash_) {
        splash_->unload();
        splash_ = nullptr;
      }
    } else if (splash_) {
      splash_->applyChange(change);
    }
    return;
  }
  if (QWidget* widget = widgets_[static_cast<std::size_t>(change.control)]) {
    applyToWidget(widget, c, change);
  }
}

int MainWindow::controlOf(const QObject* object) const {
  const auto found = std::find(widgets_.begin(), widgets_.end(), object);
  return found == widgets_.end() ? kNoControl : static_cast<int>(found - widgets_.begin());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut) {
    return QMainWindow::eventFilter(watched, event);
  }
  const int id = controlOf(watched);
  if (id == kNoControl) return QMainWindow::eventFilter(watched, event);
  if (type == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (send(events::key(id, keyName(*key).toStdString(), heldModifiers(*key))).keyTaken) {
      return true;
    }
  } else if (type == QEvent::FocusIn) {
    send(events::focusIn(id));
  } else {
    // The window losing activation, a popup or the menu bar taking the keyboard: the focus
    // leaves the window, not the cell.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const bool leftWindow = reason == Qt::ActiveWindowFocusReason ||
                            reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
    send(events::focusOut(id, leftWindow ? FocusCause::LeftWindow : FocusCause::Player));
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showMessage(std::string_view text) {
  apply(midEnd_.changes());
  QMessageBox box(QMessageBox::NoIcon, qString(kWindowTitle),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::showSplash() {
  splash_ = new SplashWindow(this);
  connect(splash_, &SplashWindow::clicked, this, [this](int id) { send(events::click(id)); });
  connect(splash_, &SplashWindow::dropped, this, [this](int id) { send(events::drop(id)); });
  connect(splash_, &SplashWindow::ticked, this, [this](int id) { send(events::timer(id)); });
  // Some platforms activate every window they show; the player keeps typing into the board.
  const bool wasActive = isActiveWindow();
  splash_->show();
  if (wasActive) activateWindow();
}

void MainWindow::quit() {
  if (splash_) splash_->unload();
  quitting_ = true;
  close();
  quitting_ = false;
  QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close button is "Beenden": during a command's event pass it waits for the command.
  if (!quitting_) {
    event->ignore();
    send(events::close());
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace kalmotre::app
