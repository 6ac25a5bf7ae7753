#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/splash_window.h"
#include "app/twips.h"
#include "app_fixture.h"
#include "support/layout_oracle.h"

namespace kalmotre {
namespace {

using app::twipsRect;

struct Control {
  const char* name;
  const char* text;  // nullptr: not checked
  double pointSize;  // 0: the window's 8.25
  bool bold;
};

// The main window's controls with their texts and fonts; their places are in the layout file.
const Control kMainControls[] = {
    {"btnGO", "Erzeuge neues Sodoku", 0, false},
    {"btnLoesung", "Computer soll Lösung suchen", 0, false},
    {"BtnZur", "Spiel neu beginnen", 0, false},
    {"Label5", "Level", 9.75, true},
    {"optLevel_0", "Leicht", 0, false},
    {"optLevel_1", "Schwer", 0, false},
    {"Frame1", "Hilfebereich", 0, false},
    {"Label2_0", "Zeige die Möglichkeiten: ", 0, false},
    {"Label3", "für die Zahl", 0, false},
    {"Label4", "Nächste Zahl", 0, false},
    {"txtShow", "X", 8.25, true},
    {"btnPlus", "+", 12, true},
    {"Frame2", "", 0, false},
    {"Label1", "Ich denke nach....", 15.75, true},
    {"Shape1", nullptr, 0, false},
    {"lblFrei", "Freie Felder: 81", 0, false},
};

QString textOf(const QWidget* w) {
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
  if (auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
  return {};
}

// The widget's place against the layout file: its rectangle, or for a control sized to its
// text the corner it grows from and room for the text.
void expectPlace(const QWidget* w, const test::ExpectedBox& box) {
  ASSERT_NE(w, nullptr);
  const QRect expected = twipsRect(box.left, box.top, box.width, box.height);
  if (!box.sizedToText) {
    EXPECT_EQ(w->geometry(), expected);
    return;
  }
  const bool right = (qobject_cast<const QLabel*>(w) != nullptr) &&
                     (static_cast<const QLabel*>(w)->alignment() & Qt::AlignRight);
  if (right) {
    EXPECT_EQ(w->geometry().right(), expected.right());
    EXPECT_EQ(w->y(), expected.y());
  } else {
    EXPECT_EQ(w->pos(), expected.topLeft());
  }
  EXPECT_GE(w->width(), w->fontMetrics().horizontalAdvance(textOf(w)));
}

void expectControl(const QWidget* w, const Control& c) {
  SCOPED_TRACE(c.name);
  ASSERT_NE(w, nullptr);
  if (c.text != nullptr) {
    EXPECT_EQ(textOf(w).toStdString(), c.text);
  }
  EXPECT_EQ(w->font().family().toStdString(), "Arial");
  EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.pointSize == 0 ? 8.25 : c.pointSize);
  EXPECT_EQ(w->font().bold(), c.bold);
}

using Layout = test::AppTest;

TEST_F(Layout, EveryControlSitsWhereTheGamePutsItWithItsTextAndFont) {
  app::SplashWindow splash(window.get());
  for (const auto& [key, box] : test::expectedLayout()) {
    SCOPED_TRACE(key);
    const bool main = key.rfind("main ", 0) == 0;
    const QString name = QString::fromStdString(key.substr(key.find(' ') + 1));
    expectPlace(main ? window->findChild<QWidget*>(name) : splash.findChild<QWidget*>(name), box);
  }
  for (const Control& c : kMainControls) expectControl(widget(QString::fromLatin1(c.name)), c);
  EXPECT_EQ(window->centralWidget()->size(), QSize(375, 449));
  EXPECT_EQ(window->windowTitle(), "KALMOTRE");
  EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(Layout, TheCellsAndTheHelpGridStartEmptyWhiteAndHidden) {
  for (CellIndex i = 0; i < kCells; ++i) {
    SCOPED_TRACE(i);
    QLineEdit* box = widget<QLineEdit>(QStringLiteral("txtZahl_%1").arg(i));
    EXPECT_EQ(box, cell(i));
    EXPECT_EQ(box->alignment(), Qt::AlignCenter);
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 20.25);
    EXPECT_TRUE(box->font().bold());
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_FALSE(box->isReadOnly());
    QLabel* help = widget<QLabel>(QStringLiteral("lblZahl_%1").arg(i));
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(help->text(), "");
  }
}

TEST_F(Layout, StartUpStateColoursTipsAndStacking) {
  EXPECT_TRUE(widget<QRadioButton>("optLevel_1")->isChecked());
  EXPECT_FALSE(widget<QRadioButton>("optLevel_0")->isChecked());
  EXPECT_FALSE(widget("Frame2")->isVisible());
  EXPECT_TRUE(widget("Frame1")->isVisible());
  EXPECT_EQ(widget<QLineEdit>("txtShow")->alignment(), Qt::AlignCenter);
  EXPECT_EQ(widget("txtShow")->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
  EXPECT_EQ(widget("Frame1")->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0xC0));
  EXPECT_EQ(widget("BtnZur")->palette().color(QPalette::Button), QColor(0x80, 0xFF, 0x80));
  EXPECT_EQ(widget("Shape1")->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
  EXPECT_EQ(widget("btnLoesung")->toolTip(), "Nur als letzte Möglichkeit gedacht!");
  EXPECT_EQ(widget("Frame1")->toolTip(), "Hast Du das nötig ?");
  // The client area, not the frame a window manager adds, is placed on the screen.
  EXPECT_EQ(window->centralWidget()->mapToGlobal(QPoint(0, 0)),
            QPoint(app::twips(3135), app::twips(2565)));
  EXPECT_EQ(window->geometry().topLeft(), window->centralWidget()->mapToGlobal(QPoint(0, 0)) -
                                              QPoint(0, window->menuBar()->height()));
  for (const char* label : {"Label5", "Label2_0", "Label3", "Label4", "lblFrei"}) {
    EXPECT_EQ(widget<QLabel>(label)->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop) << label;
  }

  // txtShow and btnPlus belong to the window and are drawn above the help frame.
  const QObjectList& order = window->centralWidget()->children();
  for (const char* name : {"txtShow", "btnPlus"}) {
    EXPECT_EQ(widget(name)->parentWidget(), window->centralWidget());
    EXPECT_GT(order.indexOf(widget(name)), order.indexOf(widget("Frame1"))) << name;
  }
  EXPECT_GT(order.indexOf(widget("Frame2")), order.indexOf(cell(80))) << "Frame2 covers the board";

  const QList<QAction*> menu = window->menuBar()->actions();
  ASSERT_EQ(menu.size(), 2);
  EXPECT_EQ(menu[0]->text(), "Sudoku neu Laden");
  EXPECT_EQ(menu[1]->text(), "Beenden");
  EXPECT_EQ(menu[0]->menu(), nullptr);
  EXPECT_EQ(menu[1]->menu(), nullptr);
}

TEST_F(Layout, TabGoesFromTheButtonsToTheSelectedLevel) {
  EXPECT_TRUE(widget("btnGO")->hasFocus()) << "tab index 0 has the keyboard at start";
  auto tabFromGo = [&] {
    widget("btnGO")->setFocus(Qt::TabFocusReason);
    std::vector<std::string> seen;
    for (int k = 0; k < 2; ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    return seen;
  };
  EXPECT_EQ(tabFromGo(), (std::vector<std::string>{"btnLoesung", "optLevel_1"}));
  QTest::mouseClick(widget("optLevel_0"), Qt::LeftButton);
  EXPECT_EQ(tabFromGo(), (std::vector<std::string>{"btnLoesung", "optLevel_0"}));
}

TEST_F(Layout, TheSplashWindowLaysOutItsFrame) {
  app::SplashWindow splash(window.get());
  EXPECT_EQ(splash.size(), QSize(492, 283));
  EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
  EXPECT_TRUE(splash.windowFlags() & Qt::Tool) << "no task bar entry";
  EXPECT_FALSE(splash.windowFlags() & Qt::WindowMinMaxButtonsHint);
  const Control controls[] = {
      {"lblCompanyProduct", "Willkommen zu Tavuro", 18, true},
      {"lblProductName", "Professional", 26.25, true},
      {"lblCopyright", nullptr, 0, false},
      {"lblCompany", nullptr, 0, false},
  };
  for (const Control& c : controls) expectControl(splash.findChild<QWidget*>(c.name), c);
  for (const char* name : {"lblPlatform", "lblVersion"}) {
    auto* label = splash.findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->alignment() & Qt::AlignRight, Qt::AlignRight) << name;
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12);
  }
  EXPECT_EQ(splash.findChild<QLabel*>("lblVersion")->text(), "Version 2.2");
  EXPECT_TRUE(splash.findChild<QLabel*>("lblCompany")->text().contains("Tavuro"));
  EXPECT_TRUE(splash.findChild<QLabel*>("lblCompany")->text().contains("tavuro.example"));
  const QLabel* countdown = splash.findChild<QLabel*>("Label1");
  EXPECT_EQ(countdown->text(), "noch ~10 sec. dann geht's weiter");
  EXPECT_DOUBLE_EQ(countdown->font().pointSizeF(), 13.5);
  EXPECT_FALSE(splash.findChild<QLabel*>("imgLogo")->pixmap().isNull());
  EXPECT_EQ(splash.timer()->interval(), 1000);
  EXPECT_FALSE(splash.timer()->isActive()) << "it runs once the game asks";
}

}  // namespace
}  // namespace kalmotre
