// The play scenarios in the Qt window: real mouse clicks at the boxes' edges and real keys, on the
// offscreen platform.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <map>

#include "app/app_fixture.h"
#include "support/scenarios.h"

namespace kalmotre {
namespace {

const std::map<std::string, Qt::Key> kKeys = {{"Delete", Qt::Key_Delete},
                                              {"Backspace", Qt::Key_Backspace},
                                              {"ArrowLeft", Qt::Key_Left},
                                              {"ArrowRight", Qt::Key_Right},
                                              {"Tab", Qt::Key_Tab}};

// A colour as the core writes it, 0xBBGGRR.
std::uint32_t bgr(const QColor& color) {
  return static_cast<std::uint32_t>(color.blue() << 16 | color.green() << 8 | color.red());
}

using QtScenarios = test::AppTest;

TEST_F(QtScenarios, TheWindowPlaysEveryScenario) {
  for (const test::Scenario& scenario : test::loadScenarios()) {
    SCOPED_TRACE(scenario.name);
    window = std::make_unique<app::MainWindow>(random, clock, desktop);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    clock.set(scenario.clock);
    QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
    const auto box = [&](const test::Step& step) {
      return window->findChild<QLineEdit*>(QString::fromStdString(objectName(step.control)));
    };
    for (const test::Step& step : scenario.steps) {
      SCOPED_TRACE(step.verb + " " + step.box + " " + step.argument);
      QWidget* focused = QApplication::focusWidget();
      if (step.verb == "click") {
        QLineEdit* target = box(step);
        const QRect r = target->rect();
        const int x = step.argument == "left"    ? 2
                      : step.argument == "right" ? r.width() - 3
                                                 : r.center().x();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(x, r.center().y()));
      } else if (step.verb == "type") {
        for (const char ch : step.argument) {
          QTest::keyClick(QApplication::focusWidget(), ch);
        }
      } else if (step.verb == "key") {
        QTest::keyClick(focused, kKeys.at(step.argument));
      } else if (step.verb == "text") {
        EXPECT_EQ(box(step)->text().toStdString(), step.argument);
      } else if (step.verb == "focus") {
        EXPECT_EQ(focused, box(step));
      } else if (step.verb == "colour") {
        EXPECT_EQ(test::colourName(bgr(box(step)->palette().color(QPalette::Base))), step.argument);
      } else if (step.verb == "free") {
        EXPECT_EQ(widget<QLabel>("lblFrei")->text(),
                  QString::fromStdString(freeCellsCaption(std::stoi(step.argument))));
      }
    }
  }
}

}  // namespace
}  // namespace kalmotre
