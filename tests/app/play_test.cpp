#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count of live heap bytes (its runtime has it; GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

#include "app/qt_colors.h"
#include "app_fixture.h"
#include "generate/clue_record.h"
#include "generate/grid_check.h"
#include "generate/shuffle.h"
#include "knobs/knobs.h"
#include "midend/texts.h"

namespace kalmotre {
namespace {

constexpr const char* kPuzzle = test::kPlayablePuzzle;

class Play : public test::AppTest {
 protected:
  Play() { handOut(kPuzzle); }
  QString freeCaption() const { return widget<QLabel>("lblFrei")->text(); }
  void clickInto(CellIndex i) { QTest::mouseClick(cell(i), Qt::LeftButton); }
  void greyAll() {
    for (CellIndex i = 0; i < kCells; ++i) {
      window->form().mutableGame().board.setColors(i, colors::kMidGrey, colors::kBlack);
    }
    window->refresh();
  }
  bool validated() const { return background(1) == QColor(Qt::yellow); }
  // No half-painted board: every widget shows exactly what the core holds.
  void expectWidgetsShowTheCore() const {
    const Board& board = window->form().game().board;
    for (CellIndex i = 0; i < kCells; ++i) {
      ASSERT_EQ(cell(i)->text().toStdString(), board.text(i)) << i;
      ASSERT_EQ(background(i), app::toQColor(board.background(i), cell(i)->palette())) << i;
      ASSERT_EQ(cell(i)->isReadOnly(), board.locked(i)) << i;
    }
    EXPECT_EQ(freeCaption().toStdString(), window->form().lblFrei());
    EXPECT_EQ(widget<QLineEdit>("txtShow")->text().toStdString(), window->form().ui().chosenDigit);
  }
  // Each key goes where the keyboard focus is at that moment, as a player's keys do.
  static void type(const char* keys) {
    for (const char* k = keys; *k != '\0'; ++k) QTest::keyClick(QApplication::focusWidget(), *k);
  }
};

TEST_F(Play, TwoKeysInARowFillTwoCellsUnlessTheNextIsAClue) {
  clickInto(3);
  type("86");
  EXPECT_EQ(cell(3)->text(), "8");
  EXPECT_EQ(cell(4)->text(), "1") << "cell 4 is a clue: the second key does nothing";
  EXPECT_TRUE(cell(4)->hasFocus());

  clickInto(1);
  type("43");
  EXPECT_EQ(cell(1)->text(), "4");
  EXPECT_EQ(cell(2)->text(), "5");
  clickInto(34);
  type("29");
  EXPECT_EQ(cell(34)->text(), "2");
  EXPECT_EQ(cell(35)->text(), "9");
  EXPECT_TRUE(cell(36)->hasFocus());
}

TEST_F(Play, AClickFromACellOntoAButtonValidatesLeavingTheWindowDoesNot) {
  clickInto(10);
  greyAll();
  // Another application takes the activation: the cell keeps its place, nothing is repainted.
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_FALSE(validated());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_TRUE(cell(10)->hasFocus());
  EXPECT_EQ(window->form().focusedCell(), 10);
  EXPECT_FALSE(validated());

  QTest::mouseClick(widget<QRadioButton>("optLevel_0"), Qt::LeftButton);
  EXPECT_TRUE(validated());
  EXPECT_EQ(window->form().focusedCell(), kNoCell);
  EXPECT_EQ(window->form().ui().level, Level::Leicht);
}

TEST_F(Play, ThePlusButtonStepsAndGreysTheReachOfTheDigit) {
  auto* plus = widget<QPushButton>("btnPlus");
  for (int k = 0; k < 3; ++k) QTest::mouseClick(plus, Qt::LeftButton);
  EXPECT_EQ(widget<QLineEdit>("txtShow")->text(), "3");
  EXPECT_EQ(background(10), QColor(0xB0, 0xB0, 0xB0)) << "open, in reach of the 3 in row 0";
  EXPECT_EQ(background(2), QColor(0xE0, 0xE0, 0xE0));
  QTest::keyClick(widget("txtShow"), Qt::Key_Backspace);
  QTest::keyClicks(widget("txtShow"), "5");
  EXPECT_EQ(widget<QLineEdit>("txtShow")->text(), "5");
}

TEST_F(Play, RestartBringsBackThePuzzleAndTheSolverFillsTheRest) {
  clickInto(1);
  type("4");
  QTest::mouseClick(widget("btnLoesung"), Qt::LeftButton);
  EXPECT_EQ(freeCaption(), "Freie Felder: 0");
  for (CellIndex i = 0; i < kCells; ++i) EXPECT_FALSE(cell(i)->text().isEmpty()) << i;
  QTest::mouseClick(widget("BtnZur"), Qt::LeftButton);
  EXPECT_EQ(test::boardLine(window->form().game().board), kPuzzle);
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(cell(i)->text().toStdString(), window->form().game().board.text(i));
    EXPECT_EQ(cell(i)->isReadOnly(), window->form().game().board.locked(i));
  }
  EXPECT_EQ(freeCaption(), "Freie Felder: 41");
  window->menuBar()->actions()[0]->trigger();  // "Sudoku neu Laden": nothing left to change
  EXPECT_EQ(test::boardLine(window->form().game().board), kPuzzle);
}

TEST_F(Play, GeneratingShowsThePuzzleAndTheSplash) {
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  const GameState& s = window->form().game();
  int open = 0;
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(cell(i)->text().toStdString(), s.board.text(i));
    EXPECT_EQ(cell(i)->isReadOnly(), !s.board.text(i).empty());
    EXPECT_EQ(background(i), cell(i)->text().isEmpty() ? QColor(Qt::yellow) : QColor(Qt::white));
    open += cell(i)->text().isEmpty() ? 1 : 0;
  }
  EXPECT_EQ(freeCaption(), QStringLiteral("Freie Felder: %1").arg(open));
  EXPECT_FALSE(widget("Frame2")->isVisible());
  ASSERT_NE(window->splash(), nullptr);
  EXPECT_TRUE(window->splash()->isVisible());
  EXPECT_EQ(widget<QLabel>("lblZahl_0")->text().toStdString(), std::to_string(s.solution[0]));
}

TEST_F(Play, ClicksAndKeysQueuedForTheGeneratorsEventPassChangeNothing) {
  bool ranDuringPass = false;
  QTimer::singleShot(0, window.get(), [&] {
    ranDuringPass = window->form().ui().busy;
    EXPECT_TRUE(widget("Frame2")->isVisible());
    EXPECT_TRUE(cell(1)->isReadOnly());
    QTest::mouseClick(widget("btnLoesung"), Qt::LeftButton);
    QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
    QTest::mouseClick(widget("BtnZur"), Qt::LeftButton);
    QTest::mouseClick(widget("btnPlus"), Qt::LeftButton);
    QTest::keyClicks(cell(1), "5");
    QTest::keyClicks(widget("txtShow"), "7");
  });
  const long long drawsBefore = random.drawCount();
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  EXPECT_TRUE(ranDuringPass);
  const GameState& s = window->form().game();
  EXPECT_EQ(window->form().ui().chosenDigit, "X");
  EXPECT_FALSE(window->form().ui().possibilitiesOn);
  EXPECT_LT(random.drawCount() - drawsBefore, 1500) << "one generation, not two";
  int open = 0;
  for (CellIndex i = 0; i < kCells; ++i) open += s.board.isEmptyText(i) ? 1 : 0;
  EXPECT_GT(open, 0) << "the solver did not run over the new puzzle";
  EXPECT_EQ(test::boardLine(s.board), [&] {
    GameState record = s;
    restoreGivens(record);
    return test::boardLine(record.board);
  }()) << "the board is the puzzle that was handed out";
  EXPECT_TRUE(window->isVisible());
}

TEST_F(Play, BadInputIsTakenSoundlyAndTheCluesStay) {
  // Pasted into an open cell and into the digit box: the game takes it as text, keeps its clues
  // and repaints the whole board.
  const std::string texts[] = {std::string(10000, '7'),
                               "1e999",
                               "-5",
                               "\u0663",
                               "\U0001F600",
                               "\t7",
                               "NaN",
                               "inf",
                               "0",
                               " ",
                               "9",
                               ""};
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 12));
    for (const char* target : {"cell", "txtShow"}) {
      QLineEdit* box = std::string(target) == "cell" ? cell(1) : widget<QLineEdit>("txtShow");
      QApplication::clipboard()->setText(QString::fromStdString(text));
      box->setFocus(Qt::MouseFocusReason);
      box->selectAll();
      QTest::keySequence(box, QKeySequence::Paste);
      if (box == cell(1)) {
        // No entry is rejected; a long one keeps its first characters.
        EXPECT_EQ(window->form().game().board.text(1), text.substr(0, knobs::kCellTextLimit));
      } else if (text == "\U0001F600" || text == "-5") {
        // One whole character, however many UTF-16 units it takes; never half of one.
        EXPECT_EQ(box->text().toStdString(), text.substr(0, text == "-5" ? 1 : text.size()));
      }
      expectWidgetsShowTheCore();
      EXPECT_EQ(oneLine(window->form().game().givens), kPuzzle);
    }
  }
  EXPECT_EQ(cell(0)->text(), "2") << "a clue keeps its text";
  QTest::mouseClick(widget("btnPlus"), Qt::LeftButton);
  expectWidgetsShowTheCore();

  // A contradictory board: the solver fills what it finds and the board stays whole.
  clickInto(1);
  type("2");  // a second 2 in row 0 and block 0
  QTest::mouseClick(widget("btnLoesung"), Qt::LeftButton);
  expectWidgetsShowTheCore();
  QTest::mouseClick(widget("BtnZur"), Qt::LeftButton);
  EXPECT_EQ(test::boardLine(window->form().game().board), kPuzzle);
  expectWidgetsShowTheCore();
}

// Bytes the program has taken from the heap and not given back.
std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

TEST_F(Play, PastesLeaveNoEditHistoryBehindThem) {
  // Each character an edit puts into a text box is an undo step of the box's own; hundreds of
  // long pastes once held hundreds of megabytes, even after a new puzzle.
  QApplication::clipboard()->setText(QString(40000, QChar('7')));
  auto pasteInto = [&](CellIndex i) {
    cell(i)->setFocus(Qt::MouseFocusReason);
    cell(i)->selectAll();
    QTest::keySequence(cell(i), QKeySequence::Paste);
  };
  pasteInto(1);
  pasteInto(80);  // the last cell keeps the focus
  const std::size_t before = heapInUse();
  for (int k = 0; k < 300; ++k) pasteInto(k % 2 == 0 ? 1 : 80);
  QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
  const std::size_t after = heapInUse();
  EXPECT_LT(after, before + 2'000'000) << before << " bytes before, " << after << " after";
}

TEST_F(Play, AFaultyGridIsReportedInOneModalBoxPerUnitAndThenPlayGoesOn) {
  Grid faulty;
  buildBaseGrid(faulty);
  std::swap(faulty[0], faulty[1]);
  QStringList shown;
  std::function<void()> closeNext = [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown << box->text();
    EXPECT_EQ(box->windowTitle(), "KALMOTRE");
    box->button(QMessageBox::Ok)->click();
    QTimer::singleShot(0, window.get(), closeNext);
  };
  QTimer::singleShot(0, window.get(), closeNext);
  for (const UnitFault& fault : gridFaults(faulty)) {
    window->showMessage(texts::faultMessage(fault.kind, fault.index));
  }
  EXPECT_EQ(shown, (QStringList{"Spalte 0 fehlerhaft!", "Spalte 1 fehlerhaft!"}));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  clickInto(1);
  type("4");
  EXPECT_EQ(cell(1)->text(), "4");
}

TEST_F(Play, QuittingDuringTheEventPassEndsTheGameOnceThePuzzleIsOut) {
  for (const bool closeButton : {false, true}) {
    window->show();
    bool closedDuringPass = true;
    QTimer::singleShot(0, window.get(), [&] {
      if (closeButton) {
        window->close();  // the title bar's close button
      } else {
        window->findChild<QAction*>("mnuEnde_1")->trigger();
      }
      closedDuringPass = !window->isVisible();
    });
    QTest::mouseClick(widget("btnGO"), Qt::LeftButton);
    EXPECT_FALSE(closedDuringPass) << "the generation runs to its end first";
    EXPECT_FALSE(window->isVisible()) << (closeButton ? "close button" : "Beenden");
    EXPECT_FALSE(window->form().ui().busy);
    EXPECT_FALSE(window->form().quitPending());
  }
}

TEST_F(Play, EachCommandRepaintsTheWindowOnceAndItsOwnFocusMovesRaiseNoCommand) {
  clickInto(1);
  struct Action {
    const char* what;
    std::function<void()> run;
    bool greyFirst = false;  // so that the validation has something to repaint
  };
  const Action actions[] = {
      {"a typed digit", [&] { QTest::keyClick(cell(1), Qt::Key_4); }},
      {"a click into another cell", [&] { clickInto(cellAt(4, 4)); }, true},
      {"an arrow key", [&] { QTest::keyClick(cell(cellAt(4, 4)), Qt::Key_Right); }},
      {"a typed digit after the arrow",
       [&] {
         QTest::keyClick(cell(cellAt(4, 5)), Qt::Key_6);
         EXPECT_TRUE(cell(cellAt(4, 5) + 1)->hasFocus()) << "the digit moved the focus on";
       }},
      {"a menu item", [&] { window->findChild<QAction*>("SudokuLaden")->trigger(); }},
      {"a button clicked from a button",
       [&] {
         widget("btnPlus")->setFocus(Qt::TabFocusReason);
         const int before = window->refreshCount();
         QTest::mouseClick(widget("btnPlus"), Qt::LeftButton);
         EXPECT_EQ(window->refreshCount() - before, 1) << "a button clicked from a button";
       }},
  };
  for (const Action& a : actions) {
    if (a.greyFirst) greyAll();
    const int before = window->refreshCount();
    a.run();
    if (std::string(a.what).rfind("a button", 0) == 0) continue;
    EXPECT_EQ(window->refreshCount() - before, 1) << a.what;
    expectWidgetsShowTheCore();
  }
}

TEST_F(Play, ArrowKeysStepAcrossTheBoardAndValidateTheCellLeft) {
  clickInto(cellAt(4, 4));
  greyAll();
  struct Key {
    Qt::Key key;
    int row, column;
  };
  for (const Key k : {Key{Qt::Key_Right, 4, 5}, Key{Qt::Key_Right, 4, 6}, Key{Qt::Key_Up, 3, 6},
                      Key{Qt::Key_Left, 3, 5}, Key{Qt::Key_Down, 4, 5}}) {
    QTest::keyClick(QApplication::focusWidget(), k.key);
    EXPECT_TRUE(cell(cellAt(k.row, k.column))->hasFocus()) << k.row << "," << k.column;
    EXPECT_EQ(window->form().focusedCell(), cellAt(k.row, k.column));
  }
  EXPECT_TRUE(validated());
  // At the edge nothing moves; clues are stepped onto like any cell; typing goes on as before.
  clickInto(cellAt(0, 8));
  QTest::keyClick(cell(cellAt(0, 8)), Qt::Key_Right);
  QTest::keyClick(cell(cellAt(0, 8)), Qt::Key_Up);
  EXPECT_TRUE(cell(cellAt(0, 8))->hasFocus());
  clickInto(1);
  QTest::keyClick(cell(1), Qt::Key_Left);
  EXPECT_TRUE(cell(0)->hasFocus()) << "cell 0 is a clue";
  QTest::keyClick(cell(0), Qt::Key_Right);
  type("4");
  EXPECT_EQ(cell(1)->text(), "4");
  EXPECT_TRUE(cell(2)->hasFocus());
}

}  // namespace
}  // namespace kalmotre
