// What a screen reader announces: German names for the controls that show no text of their own,
// and for every cell its place on the board and what it holds.
#pragma once

#include "board/board.h"

class QLineEdit;
class QWidget;

namespace kalmotre::app {

// Names the main window's cells ("Zeile 3, Spalte 7") and describes them as the board holds them,
// and names the help area's controls, whose captions ("+", a single digit) would say nothing
// when read out alone.
void nameMainWindowControls(QWidget* window, const Board& board);

// A cell's state: "Vorgabe" for a clue, "frei" for an empty open cell, else what it holds.
void describeCell(QLineEdit* cell, const Board& board, CellIndex index);

// The splash window and its logo; the countdown line is read out from its text.
void nameSplashControls(QWidget* splash);

}  // namespace kalmotre::app
