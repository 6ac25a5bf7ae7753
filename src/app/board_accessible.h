// The board as assistive technology meets it on the desktop: a table of nine rows of nine cells
// in the window's accessibility tree, each cell with its row and column, its name and its
// description as the mid end words them. The cell widgets keep their places in the client area;
// only what a screen reader walks is grouped.
#pragma once

class QLineEdit;
class QObject;
class QString;
class QWidget;

namespace kalmotre::app {

// Makes a table named `name` of the cells of `client` that are marked as the board's: a plain
// object stands for it among the client's children. Make it before the cells, and mark each
// cell as soon as it is made, before a screen reader can ask for it.
void makeAccessibleBoard(QWidget* client, const QString& name);
void markBoardCell(QLineEdit* cell, int row, int column);

// The factory behind it; installed for the life of a main window.
void installBoardAccessibility();
void removeBoardAccessibility();

}  // namespace kalmotre::app
