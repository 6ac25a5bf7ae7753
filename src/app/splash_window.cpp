// Layout and events of the splash window; the counting itself is SplashCountdown's.
#include "app/splash_window.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "app/accessible_names.h"
#include "app/qt_colors.h"
#include "app/twips.h"
#include "board/color.h"

namespace kalmotre::app {

namespace {

QFont arial(double pointSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace

DropFrame::DropFrame(QWidget* parent) : QGroupBox(parent) {
  setAcceptDrops(true);
}

void DropFrame::dragEnterEvent(QDragEnterEvent* event) {
  event->acceptProposedAction();
}

void DropFrame::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  emit dropped();
}

SplashWindow::SplashWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("frmSplash"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(twips(7380), twips(4245));
  QPalette background = palette();
  background.setColor(QPalette::Window, toQColor(colors::kLightYellow, background));
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

  if (const QScreen* screen = owner != nullptr ? owner->screen() : nullptr) {
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
  const bool clicked = (watched == imgLogo_ || watched == lblCompany_) &&
                       event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  if (clicked) {
    emit webPageRequested();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kalmotre::app
