// Layout and events of the splash window; the counting itself is SplashCountdown's.
#include "app/splash_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "app/accessible_names.h"
#include "app/fonts.h"
#include "app/qt_colors.h"
#include "app/twips.h"
#include "board/color.h"

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

SplashWindow::SplashWindow(QWidget* owner) : QWidget(owner, splashFlags()) {
  setObjectName(QStringLiteral("frmSplash"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(twips(7380), twips(4245));
  QPalette background = palette();
  background.setColor(QPalette::Window, toQColor(roles::kSplash, background));
  background.setColor(QPalette::WindowText, toQColor(roles::kTextOnFixedBackground, background));
  setPalette(background);
  setAutoFillBackground(true);
  setFont(arial(8.25, false));

  frame_ = new DropFrame(this);
  frame_->setObjectName(QStringLiteral("Frame1"));
  frame_->setGeometry(twipsRect(150, 60, 7080, 4050));
  connect(frame_, &DropFrame::dropped, this, &SplashWindow::webPageRequested);

  addLabel("lblCompanyProduct", QStringLiteral("Willkommen zu Tavuro"),
           twipsRect(1080, 120, 4080, 435), 18, true);
  addLabel("lblProductName", QStringLiteral("Professional"), twipsRect(1080, 600, 3075, 615), 26.25,
           true);
  QLabel* platform =
      addLabel("lblPlatform", QStringLiteral("Freeware – Weitergabe kostenlos erlaubt"),
               twipsRect(1080, 1200, 5865, 285), 12, true);
  platform->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QLabel* version = addLabel("lblVersion", QStringLiteral("Version 2.2"),
                             twipsRect(5595, 2250, 1275, 285), 12, true);
  version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Right-aligned labels sized to their text keep their right edge.
  for (QLabel* label : {platform, version}) {
    const int right = label->geometry().right();
    label->adjustSize();
    label->move(right - label->width() + 1, label->y());
  }
  for (const char* name : {"lblCompanyProduct", "lblProductName"}) {
    findChild<QLabel*>(QString::fromLatin1(name))->adjustSize();
  }

  imgLogo_ = new QLabel(frame_);
  imgLogo_->setObjectName(QStringLiteral("imgLogo"));
  imgLogo_->setGeometry(twipsRect(120, 1680, 4815, 915));
  imgLogo_->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
  imgLogo_->setScaledContents(true);
  imgLogo_->setCursor(Qt::PointingHandCursor);
  imgLogo_->installEventFilter(this);

  addLabel("lblCopyright", QStringLiteral("Copyright"), twipsRect(4560, 2715, 2415, 255), 8.25,
           false);
  lblCompany_ =
      addLabel("lblCompany", QStringLiteral("Tavuro im Netz: tavuro.example – bitte hier klicken!"),
               twipsRect(4575, 2970, 1485, 930), 8.25, false);
  lblCompany_->setFrameStyle(QFrame::Box | QFrame::Plain);
  lblCompany_->setWordWrap(true);
  lblCompany_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblCompany_->setCursor(Qt::PointingHandCursor);
  lblCompany_->installEventFilter(this);

  countdownLabel_ = addLabel("Label1", QString::fromUtf8(kCountdownDesignText),
                             twipsRect(840, 3120, 3255, 855), 13.5, true);
  QFont sansSerif = countdownLabel_->font();
  sansSerif.setFamily(QStringLiteral("MS Sans Serif"));
  countdownLabel_->setFont(sansSerif);
  countdownLabel_->setWordWrap(true);
  countdownLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  nameSplashControls(this);

  countdown_.load();
  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
  timer_->start();

  // Centred on the screen; on Wayland, where a program cannot place its windows on the screen,
  // centred over the main window.
  if (owner != nullptr && onWayland()) {
    move(owner->geometry().center() - rect().center());
  } else if (const QScreen* screen = owner != nullptr ? owner->screen() : nullptr) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

QLabel* SplashWindow::addLabel(const char* name, const QString& text, QRect geometry,
                               double pointSize, bool bold) {
  auto* label = new QLabel(text, frame_);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setFont(arial(pointSize, bold));
  return label;
}

void SplashWindow::Timer1_Timer() {
  const SplashCountdown::Tick tick = countdown_.tick();
  if (tick.close) {
    timer_->stop();
    close();
    return;
  }
  countdownLabel_->setText(QString::fromStdString(tick.text));
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool onLink = watched == imgLogo_ || watched == lblCompany_;
  const QEvent::Type type = event->type();
  const bool leftButton = onLink &&
                          (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                           type == QEvent::MouseButtonDblClick) &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  if (!leftButton) return QWidget::eventFilter(watched, event);
  // A click opens the page on its release; a double-click (press, release, double-click,
  // release) is one click, so the release after the double-click event opens nothing.
  if (type == QEvent::MouseButtonPress) {
    swallowRelease_ = false;
  } else if (type == QEvent::MouseButtonDblClick) {
    swallowRelease_ = true;
  } else if (swallowRelease_) {
    swallowRelease_ = false;
  } else {
    emit webPageRequested();
  }
  return true;
}

void SplashWindow::closeEvent(QCloseEvent* event) {
  unloaded_ = true;
  timer_->stop();
  QWidget::closeEvent(event);
}

}  // namespace kalmotre::app
