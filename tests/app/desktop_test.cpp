// What the desktop around the game sees: screen-reader names and Qt's own texts in German.
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

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
      {"btnPlus", "Nächste Zahl"},
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

}  // namespace
}  // namespace kalmotre
