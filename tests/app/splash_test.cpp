#include <QAction>
#include <QDropEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMimeData>
#include <QTimer>

#include "app/splash_window.h"
#include "app_fixture.h"
#include "midend/splash_countdown.h"

namespace kalmotre {
namespace {

TEST(SplashCountdown, CountsFiveToZeroThenClosesAndStartsAfreshOnLoad) {
  SplashCountdown countdown;
  countdown.load();
  std::vector<std::string> texts;
  for (int tick = 0; tick < 6; ++tick) {
    const auto t = countdown.tick();
    EXPECT_FALSE(t.close);
    texts.push_back(t.text);
  }
  EXPECT_EQ(texts.front(), "noch 5 sec dann geht's weiter");
  EXPECT_EQ(texts[1], "noch 4 sec dann geht's weiter");
  EXPECT_EQ(texts.back(), "noch 0 sec dann geht's weiter");
  EXPECT_TRUE(countdown.tick().close);
  EXPECT_EQ(countdown.secondsLeft(), 6);
  countdown.load();
  EXPECT_EQ(countdown.tickCount(), 0);
  EXPECT_EQ(countdown.tick().text, "noch 5 sec dann geht's weiter");
}

using Splash = test::AppTest;

TEST_F(Splash, ANewPuzzleDoesNotRestartARunningCountButBringsItBackOnceClosed) {
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  QPointer<app::SplashWindow> first = window->splash();
  ASSERT_TRUE(first);
  QApplication::processEvents();
  EXPECT_TRUE(window->isActiveWindow()) << "the board keeps the keyboard";
  first->Timer1_Timer();
  first->Timer1_Timer();
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  EXPECT_EQ(window->splash(), first.data());
  EXPECT_EQ(window->midEnd().countdown().tickCount(), 2);
  EXPECT_EQ(first->findChild<QLabel*>("Label1")->text(), "noch 4 sec dann geht's weiter");

  for (int tick = 0; tick < 5; ++tick) first->Timer1_Timer();
  EXPECT_FALSE(first->isVisible()) << "the seventh tick closes it";

  // Asked for again before Qt has deleted the closed one: a fresh window, not the old one.
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  ASSERT_NE(window->splash(), nullptr);
  EXPECT_NE(window->splash(), first.data());
  EXPECT_TRUE(window->splash()->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first) << "the closed one is unloaded";
  ASSERT_NE(window->splash(), nullptr);
  EXPECT_EQ(window->midEnd().countdown().tickCount(), 0);
  EXPECT_EQ(window->splash()->findChild<QLabel*>("Label1")->text(),
            "noch ~10 sec. dann geht's weiter");
}

TEST_F(Splash, LogoMakerLineAndDropOpenTheMakersPageAndTheCountGoesOn) {
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  app::SplashWindow* splash = window->splash();
  ASSERT_NE(splash, nullptr);
  QTest::mouseClick(splash->findChild<QWidget*>("imgLogo"), Qt::LeftButton);
  QTest::mouseClick(splash->findChild<QWidget*>("lblCompany"), Qt::LeftButton);
  QApplication::processEvents();
  const QString open = QStringLiteral("open https://tavuro.example/");
  EXPECT_EQ(desktop.calls, (QStringList{open, open}));

  // A double-click is one request: press, release, double-click, release.
  QWidget* company = splash->findChild<QWidget*>("lblCompany");
  QTest::mouseClick(company, Qt::LeftButton);
  for (const QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, QPointF(5, 5), company->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(company, &event);
  }
  QApplication::processEvents();
  EXPECT_EQ(desktop.calls.size(), 3);

  // A file or text dragged in from another program opens nothing.
  QMimeData data;
  data.setText(QStringLiteral("x"));
  QObject* frame = splash->findChild<app::DropFrame*>("Frame1");
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  frame->event(&enter);
  EXPECT_FALSE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  frame->event(&drop);
  QApplication::processEvents();
  EXPECT_EQ(desktop.calls.size(), 3);
  EXPECT_TRUE(splash->timer()->isActive());
}

TEST_F(Splash, OnlyAFailedOpenOffersTheChoiceOfAProgram) {
  app::openWebPage(desktop, QStringLiteral("https://tavuro.example/"));
  EXPECT_EQ(desktop.calls.size(), 1);

  desktop.calls.clear();
  desktop.openSucceeds = false;
  app::openWebPage(desktop, QStringLiteral("https://tavuro.example/"));
  EXPECT_EQ(desktop.calls, (QStringList{"open https://tavuro.example/", "choose"}))
      << "cancelled: nothing is started";

  desktop.calls.clear();
  desktop.chosen = QStringLiteral("/usr/bin/browser");
  app::openWebPage(desktop, QStringLiteral("https://tavuro.example/"));
  EXPECT_EQ(desktop.calls.last(), "start /usr/bin/browser https://tavuro.example/");

  // The desktop's own chooser: however often it is asked for, one is open at a time.
  auto openChoosers = [] {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      n += qobject_cast<QInputDialog*>(w) && w->isVisible();
    return n;
  };
  {
    app::SystemDesktop system;
    for (int click = 0; click < 5; ++click) system.chooseApplication([](const QString&) {});
    EXPECT_EQ(openChoosers(), 1);
  }
  QApplication::processEvents();
  EXPECT_EQ(openChoosers(), 0) << "the chooser goes with the desktop that opened it";
}

TEST_F(Splash, BeendenClosesEveryWindowWithoutWaitingForTheCountdown) {
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  QPointer<app::SplashWindow> splash = window->splash();
  ASSERT_TRUE(splash && splash->isVisible());
  QAction* beenden = window->findChild<QAction*>("mnuEnde_1");
  ASSERT_NE(beenden, nullptr);
  beenden->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(splash);
}

}  // namespace
}  // namespace kalmotre
