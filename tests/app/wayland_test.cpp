// The window under a real Wayland compositor (weston, headless), where the compositor, not the
// program, decides which window has the keyboard. Run by tests/desktop/wayland_test.sh; on any
// other platform these tests are skipped.
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "app_fixture.h"

namespace kalmotre {
namespace {

class Wayland : public test::AppTest {
 protected:
  void SetUp() override {
    if (!QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
      GTEST_SKIP() << "needs the Wayland platform plugin and a compositor";
    }
  }
  // Lets the compositor answer: what it maps, configures and focuses arrives as events.
  static void roundTrips() {
    for (int k = 0; k < 20; ++k) QTest::qWait(25);
  }
};

TEST_F(Wayland, TheSplashWindowLeavesTheKeyboardWithTheBoard) {
  handOut(test::kPlayablePuzzle);
  QTest::mouseClick(cell(1), Qt::LeftButton);
  roundTrips();
  ASSERT_EQ(QGuiApplication::focusWindow(), window->windowHandle());

  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  roundTrips();
  ASSERT_NE(window->splash(), nullptr);
  ASSERT_TRUE(window->splash()->isVisible());
  EXPECT_EQ(QGuiApplication::focusWindow(), window->windowHandle())
      << "the compositor gave the keyboard to the splash window";
  EXPECT_EQ(window->splash()->windowHandle()->transientParent(), window->windowHandle())
      << "a dependent window of the main window";
  EXPECT_TRUE(window->splash()->windowFlags() & Qt::FramelessWindowHint) << "undecorated";

  // A key goes where the compositor sends the keyboard: into the board.
  CellIndex open = 0;
  while (!window->form().game().board.isEmptyText(open)) ++open;
  QTest::mouseClick(cell(open), Qt::LeftButton);
  roundTrips();
  QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_7);
  EXPECT_EQ(window->form().game().board.text(open), "7");

  // Placed over the main window, the same way every time.
  const QPoint offset = window->splash()->geometry().center() - window->geometry().center();
  window->splash()->close();
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  roundTrips();
  ASSERT_NE(window->splash(), nullptr);
  EXPECT_EQ(window->splash()->geometry().center() - window->geometry().center(), offset);
}

}  // namespace
}  // namespace kalmotre
