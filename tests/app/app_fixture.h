// A main window on the offscreen platform with fake ports, ready for the player's input.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "app/web_page.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre::test {

class FakeDesktop : public app::DesktopPort {
 public:
  bool openUrl(const QUrl& url) override {
    calls << "open " + url.toString();
    return openSucceeds;
  }
  void chooseApplication(std::function<void(const QString&)> picked) override {
    calls << QStringLiteral("choose");
    if (!chosen.isEmpty()) picked(chosen);  // an empty choice stands for a cancel
  }
  bool startDetached(const QString& program, const QStringList& arguments) override {
    calls << "start " + program + " " + arguments.join('|');
    return true;
  }
  void print(QWidget*, const PrintSheet& sheet) override {
    calls << QStringLiteral("print");
    printed = sheet;
  }
  bool openSucceeds = true;
  PrintSheet printed;
  QString chosen;
  QStringList calls;
};

class AppTest : public testing::Test {
 protected:
  AppTest() : window(std::make_unique<app::MainWindow>(random, clock, desktop)) {
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename T = QWidget>
  T* widget(const QString& name) const {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  QLineEdit* cell(CellIndex i) const { return window->cell(i); }

  // Hands out the puzzle given row by row, as the generator would.
  void handOut(std::string_view rows) {
    handOutPuzzle(window->form(), rows);
    window->refresh();
  }

  QColor background(CellIndex i) const { return cell(i)->palette().color(QPalette::Base); }

  EngineRandomSource random;
  SteppingClock clock;
  FakeDesktop desktop;
  std::unique_ptr<app::MainWindow> window;
};

}  // namespace kalmotre::test
