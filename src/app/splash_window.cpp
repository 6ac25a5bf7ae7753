// The splash window's widgets from the control table, and the events it reports.
#include "app/splash_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "app/controls_qt.h"

namespace kalmotre::app {

DropFrame::DropFrame(QWidget* parent) : QGroupBox(parent) {
  setAcceptDrops(true);
}

// A drag started in this program has a source widget; one from another program has none.
void DropFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->source() != nullptr) event->acceptProposedAction();
}

void DropFrame::dropEvent(QDropEvent* event) {
  if (event->source() == nullptr) return;
  event->acceptProposedAction();
  emit dropped();
}

namespace {

bool onWayland() {
  return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

// A window of its own that never takes the keyboard. On X11 a tool window without a title that
// asks not to be focused. A Wayland compositor focuses every new top-level window whatever it
// asks, so there the splash is a popup without a grab: the compositor keeps it above the main
// window, places it relative to it and never gives it the keyboard.
Qt::WindowFlags splashFlags() {
  if (onWayland()) return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
  return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowDoesNotAcceptFocus;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* owner)
    : QWidget(owner, splashFlags()), widgets_(kControlCount, nullptr) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  const Control& self = control(ids::kSplash);
  setFixedSize(twips(self.rect.width), twips(self.rect.height));
  setFont(qFont(Font{}));
  describeWidget(this, ids::kSplash);

  for (int id = ids::kSplash + 1; id < kControlCount; ++id) {
    const Control& c = control(id);
    if (c.window != WindowName::Splash) continue;
    if (c.kind == ControlKind::Timer) {
      timer_ = new QTimer(this);
      timer_->setObjectName(QString::fromStdString(kalmotre::objectName(id)));
      timer_->setInterval(c.interval);
      connect(timer_, &QTimer::timeout, this, [this, id] { emit ticked(id); });
      continue;
    }
    QWidget* parent =
        c.container == ids::kSplash ? this : widgets_[static_cast<std::size_t>(c.container)];
    QWidget* widget = nullptr;
    if (c.kind == ControlKind::Frame) {
      auto* frame = new DropFrame(parent);
      connect(frame, &DropFrame::dropped, this, [this, id] { emit dropped(id); });
      widget = frame;
    } else if (c.kind == ControlKind::Image) {
      auto* logo = new QLabel(parent);
      logo->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
      logo->setScaledContents(true);
      widget = logo;
    } else {
      widget = new QLabel(QString::fromStdString(designCaption(id)), parent);
    }
    describeWidget(widget, id);
    if (c.link) widget->installEventFilter(this);
    widgets_[static_cast<std::size_t>(id)] = widget;
  }

  // Centred on the screen; on Wayland, where a program cannot place its windows on the screen,
  // centred over the main window.
  if (owner != nullptr && onWayland()) {
    move(owner->geometry().center() - rect().center());
  } else if (const QScreen* screen = owner != nullptr ? owner->screen() : nullptr) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void SplashWindow::applyChange(const Change& change) {
  if (change.control == ids::kTimer1 && change.property == Property::Running) {
    if (change.value != 0) {
      timer_->start();
    } else {
      timer_->stop();
    }
    return;
  }
  if (QWidget* widget = widgets_[static_cast<std::size_t>(change.control)]) {
    applyToWidget(widget, control(change.control), change);
  }
}

void SplashWindow::unload() {
  unloading_ = true;
  timer_->stop();
  close();
}

int SplashWindow::controlOf(const QObject* object) const {
  const auto found = std::find(widgets_.begin(), widgets_.end(), object);
  return found == widgets_.end() ? kNoControl : static_cast<int>(found - widgets_.begin());
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool leftButton = (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                           type == QEvent::MouseButtonDblClick) &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  const int id = controlOf(watched);
  if (!leftButton || id == kNoControl) return QWidget::eventFilter(watched, event);
  // A click opens the page on its release; a double-click (press, release, double-click,
  // release) is one click, so the release after the double-click event opens nothing.
  if (type == QEvent::MouseButtonPress) {
    swallowRelease_ = false;
  } else if (type == QEvent::MouseButtonDblClick) {
    swallowRelease_ = true;
  } else if (swallowRelease_) {
    swallowRelease_ = false;
  } else {
    emit clicked(id);
  }
  return true;
}

void SplashWindow::closeEvent(QCloseEvent* event) {
  // The window closes when its count ends or the game quits; it has no close button, and a
  // window manager's close key leaves it to count on.
  if (!unloading_) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace kalmotre::app
