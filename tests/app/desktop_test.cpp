// What the desktop around the game sees: screen-reader names and Qt's own texts in German.
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <cmath>

#include "app/qt_german.h"
#include "app/splash_window.h"
#include "app_fixture.h"

namespace kalmotre {
namespace {

QString accessible(QObject* object, QAccessible::Text what) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face == nullptr ? QStringLiteral("<none>") : face->text(what);
}

using ScreenReader = test::AppTest;

TEST_F(ScreenReader, CellsAreNamedByRowAndColumnAndDescribedByWhatTheyHold) {
  const struct {
    CellIndex cell;
    const char* name;
  } places[] = {{0, "Zeile 1, Spalte 1"},
                {8, "Zeile 3, Spalte 3"},
                {24, "Zeile 3, Spalte 7"},
                {27, "Zeile 4, Spalte 1"},
                {80, "Zeile 9, Spalte 9"}};
  for (const auto& p : places) {
    EXPECT_EQ(accessible(cell(p.cell), QAccessible::Name), p.name) << p.cell;
  }
  EXPECT_EQ(accessible(cell(2), QAccessible::Description), "frei") << "the empty start board";

  handOut(test::kPlayablePuzzle);
  EXPECT_EQ(accessible(cell(2), QAccessible::Description), "Vorgabe");
  EXPECT_EQ(accessible(cell(1), QAccessible::Description), "frei");
  QTest::mouseClick(cell(1), Qt::LeftButton);
  QTest::keyClick(cell(1), Qt::Key_4);
  EXPECT_EQ(accessible(cell(1), QAccessible::Description), "4");
  QTest::mouseClick(cell(1), Qt::LeftButton);
  QApplication::processEvents();
  QTest::keyClick(cell(1), Qt::Key_Delete);
  EXPECT_EQ(cell(1)->text(), "");
  EXPECT_EQ(accessible(cell(1), QAccessible::Description), "frei") << "cleared by the player";

  QTest::mouseClick(cell(3), Qt::LeftButton);
  QTest::keyClick(cell(3), Qt::Key_8);
  QTest::mouseClick(widget("BtnZur"), Qt::LeftButton);
  EXPECT_EQ(accessible(cell(3), QAccessible::Description), "frei") << "the puzzle restarted";
  EXPECT_EQ(accessible(cell(2), QAccessible::Description), "Vorgabe");
}

// The board is a table of nine rows of nine cells under the window's client area: each cell knows
// its row and column and has the table for its parent, and carries the name and the description
// the page's cells carry, whatever the play has made of it.
TEST_F(ScreenReader, TheBoardIsATableOfNineRowsOfNineCells) {
  handOut(test::kPlayablePuzzle);
  QTest::mouseClick(cell(1), Qt::LeftButton);
  QTest::keyClick(cell(1), Qt::Key_4);
  QTest::mouseClick(widget("btnPlus"), Qt::LeftButton);

  QAccessibleInterface* client = QAccessible::queryAccessibleInterface(window->centralWidget());
  ASSERT_NE(client, nullptr);
  QAccessibleInterface* board = nullptr;
  int cellsBeside = 0;
  for (int k = 0; k < client->childCount(); ++k) {
    QAccessibleInterface* child = client->child(k);
    if (child->role() == QAccessible::Table) board = child;
    if (qobject_cast<QLineEdit*>(child->object()) &&
        child->object()->objectName().startsWith("txtZahl")) {
      ++cellsBeside;
    }
  }
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(cellsBeside, 0) << "the cells are the table's, not the client's";
  EXPECT_EQ(board->text(QAccessible::Name), "Spielfeld");
  EXPECT_EQ(board->parent(), client);
  QAccessibleTableInterface* table = board->tableInterface();
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 9);
  ASSERT_EQ(table->columnCount(), 9);
  EXPECT_EQ(board->childCount(), 81);
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const CellIndex index = cellAt(row, column);
      QAccessibleInterface* face = table->cellAt(row, column);
      ASSERT_NE(face, nullptr);
      EXPECT_EQ(face->object(), cell(index));
      EXPECT_EQ(face->parent(), board);
      EXPECT_EQ(board->indexOfChild(face), 9 * row + column);
      QAccessibleTableCellInterface* place = face->tableCellInterface();
      ASSERT_NE(place, nullptr);
      EXPECT_EQ(place->rowIndex(), row);
      EXPECT_EQ(place->columnIndex(), column);
      const ControlState state = window->midEnd().stateOf(cellControl(index));
      EXPECT_EQ(face->text(QAccessible::Name).toStdString(), accessibleName(cellControl(index)));
      EXPECT_EQ(face->text(QAccessible::Description).toStdString(), state.description);
      EXPECT_EQ(face->text(QAccessible::Value), cell(index)->text());
    }
  }
  EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Description),
            "4, die 1 ist hier ausgeschlossen");
  EXPECT_TRUE(table->cellAt(0, 0)->state().readOnly) << "a clue";
}

TEST_F(ScreenReader, ControlsAndMenuAreAnnouncedInGerman) {
  const struct {
    const char* object;
    const char* name;
  } controls[] = {
      {"btnGO", "Erzeuge neues Sodoku"},
      {"btnLoesung", "Computer soll Lösung suchen"},
      {"BtnZur", "Spiel neu beginnen"},
      {"optLevel_0", "Leicht"},
      {"optLevel_1", "Schwer"},
      {"Frame1", "Hilfebereich"},
      {"txtShow", "Zeige die Möglichkeiten für die Zahl"},
      {"btnPlus", "+ Nächste Zahl"},
      {"lblFrei", "Freie Felder: 81"},
  };
  for (const auto& c : controls) {
    EXPECT_EQ(accessible(widget(QString::fromLatin1(c.object)), QAccessible::Name),
              QString::fromUtf8(c.name));
  }
  EXPECT_EQ(accessible(widget("btnLoesung"), QAccessible::Description),
            "Nur als letzte Möglichkeit gedacht!");
  EXPECT_EQ(accessible(widget("txtShow"), QAccessible::Value), "X");

  QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window->menuBar());
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (int i = 0; i < menu->childCount(); ++i) items << menu->child(i)->text(QAccessible::Name);
  EXPECT_EQ(items, (QStringList{"Sudoku neu Laden", "Beenden"}));

  handOut(test::kPlayablePuzzle);
  EXPECT_EQ(accessible(widget("lblFrei"), QAccessible::Name), "Freie Felder: 41");
}

TEST_F(ScreenReader, TheSplashCountdownIsReadAsItCounts) {
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  app::SplashWindow* splash = window->splash();
  ASSERT_NE(splash, nullptr);
  QLabel* countdown = splash->findChild<QLabel*>("Label1");
  EXPECT_EQ(accessible(countdown, QAccessible::Name), "noch ~10 sec. dann geht's weiter");
  splash->Timer1_Timer();
  EXPECT_EQ(accessible(countdown, QAccessible::Name), "noch 5 sec dann geht's weiter");
  EXPECT_EQ(accessible(splash, QAccessible::Name), "Willkommen zu Tavuro");
  EXPECT_EQ(accessible(splash->findChild<QLabel*>("imgLogo"), QAccessible::Name),
            "Logo von Tavuro");
}

TEST_F(ScreenReader, QtsOwnTextsAreGermanWithTheTranslationsInstalled) {
  const QLocale before;
  QTranslator* translator = app::installQtGermanTranslations(*qApp);
  ASSERT_NE(translator, nullptr) << "Qt's German translations (qt6-translations-l10n) missing";

  std::unique_ptr<QMenu> menu(cell(1)->createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    // "&Rückgängig\tStrg+Z": the words without mnemonic and shortcut.
    if (!action->isSeparator()) texts << action->text().section('\t', 0, 0).remove('&');
  }
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Cancel);
  const QString cancel = box.button(QMessageBox::Cancel)->text();

  QCoreApplication::removeTranslator(translator);
  delete translator;
  QLocale::setDefault(before);

  EXPECT_TRUE(texts.contains("Rückgängig")) << texts.join('|').toStdString();
  EXPECT_TRUE(texts.contains("Einfügen")) << texts.join('|').toStdString();
  EXPECT_EQ(cancel, "Abbrechen");
}

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto linear = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop theme (Breeze Dark's colours), in force before the window is made.
class DarkTheme : public testing::Test {
 protected:
  DarkTheme() : before_(QApplication::palette()) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    dark.setColor(QPalette::AlternateBase, QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::Text, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    dark.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    dark.setColor(QPalette::HighlightedText, QColor(0xfc, 0xfc, 0xfc));
    QApplication::setPalette(dark);
    window = std::make_unique<app::MainWindow>(random, clock, desktop);
    window->show();
  }
  ~DarkTheme() override {
    window.reset();
    QApplication::setPalette(before_);
  }

  // The colour behind a label or an option: its own or an ancestor's filled background, else
  // the window's.
  static QColor backgroundBehind(const QWidget* w) {
    for (const QWidget* at = w; at != nullptr; at = at->parentWidget()) {
      if (at->autoFillBackground() || at->isWindow()) return at->palette().color(QPalette::Window);
    }
    return {};
  }

  // Every visible text of the window and its children, with the colours it is drawn in.
  static void expectReadable(const QWidget* top) {
    for (const QWidget* w : top->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(top)) continue;
      const QString name = w->objectName();
      const QPalette& p = w->palette();
      double ratio = 0;
      if (qobject_cast<const QLineEdit*>(w)) {
        ratio = contrast(p.color(QPalette::Text), p.color(QPalette::Base));
      } else if (qobject_cast<const QPushButton*>(w)) {
        ratio = contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button));
      } else if (qobject_cast<const QLabel*>(w) || qobject_cast<const QRadioButton*>(w) ||
                 qobject_cast<const QGroupBox*>(w)) {
        ratio = contrast(p.color(QPalette::WindowText), backgroundBehind(w));
      } else {
        continue;
      }
      EXPECT_GE(ratio, 4.5) << name.toStdString();
    }
  }

  EngineRandomSource random;
  SteppingClock clock;
  test::FakeDesktop desktop;
  std::unique_ptr<app::MainWindow> window;

 private:
  QPalette before_;
};

TEST_F(DarkTheme, EveryTextReadsOnTheBackgroundItIsDrawnOn) {
  expectReadable(window.get());
  QTest::mouseClick(window->findChild<QWidget*>("btnGO"), Qt::LeftButton);
  ASSERT_NE(window->splash(), nullptr);
  expectReadable(window.get());
  expectReadable(window->splash());

  // "Spiel neu beginnen" has a flat face of its own colour, top to bottom, in any theme.
  auto* restart = window->findChild<QPushButton*>("BtnZur");
  const QImage face = restart->grab().toImage();
  const int x = 4;
  for (int y = 4; y < face.height() - 4; ++y) {
    ASSERT_EQ(QColor(face.pixel(x, y)), QColor(0x80, 0xFF, 0x80)) << "row " << y;
  }
}

using Keys = test::AppTest;

TEST_F(Keys, CtrlNMakesAPuzzleCtrlQQuitsEscapeLeavesThePlayAlone) {
  handOut(test::kPlayablePuzzle);
  QTest::mouseClick(cell(1), Qt::LeftButton);
  QTest::keyClick(cell(1), Qt::Key_4);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(cell(1)->text(), "4") << "Escape throws nothing away";
  EXPECT_EQ(test::boardLine(window->form().game().board)[1], '4');

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_NE(test::boardLine(window->form().game().board), test::kPlayablePuzzle) << "a new puzzle";
  EXPECT_NE(window->splash(), nullptr);
  EXPECT_EQ(widget<QPushButton>("btnGO")->text(), "Erzeuge neues Sodoku") << "caption unchanged";

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(Keys, TheMenuBarsKeyboardModeShowsTheChosenItem) {
  QMenuBar* bar = window->menuBar();
  QAction* first = bar->actions().front();
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);  // Alt alone: keyboard mode
  QTest::keyRelease(focus, Qt::Key_Alt);
  ASSERT_EQ(bar->activeAction(), first);
  const QRect item = bar->actionGeometry(first);
  const QImage shown = bar->grab().toImage();
  const QColor highlight = bar->palette().color(QPalette::Highlight);
  int highlighted = 0;
  for (int x = item.left(); x <= item.right(); ++x) {
    highlighted += QColor(shown.pixel(x, item.top() + 1)) == highlight ? 1 : 0;
  }
  EXPECT_GT(highlighted, item.width() / 2) << "the chosen item is drawn in the highlight colour";
  QTest::keyClick(bar, Qt::Key_Escape);
  EXPECT_EQ(bar->activeAction(), nullptr) << "Escape leaves the menu bar";
}

TEST_F(Keys, TheWindowOffersItsIconAtEverySizeTheArtworkComesIn) {
  const QIcon icon = window->windowIcon();
  for (int size : {16, 32, 48, 64, 128, 256}) {
    EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size)) << size;
  }
  EXPECT_EQ(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
            QImage(QStringLiteral(":/icon.xpm")).convertToFormat(QImage::Format_ARGB32))
      << "the 16-colour icon stays the 32 px one";
}

}  // namespace
}  // namespace kalmotre
