// The 81 cell text boxes of the main window as data: text, colours and lock state per cell.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/color.h"
#include "board/geometry.h"

namespace kalmotre {

// Told about every write that really changes a cell's text (the cell's change event).
class CellChangeListener {
 public:
  virtual void cellTextChanged(CellIndex cell) = 0;

 protected:
  ~CellChangeListener() = default;
};

// What the cells look like: a front end shows this and nothing else.
class Board {
 public:
  Board() = default;
  // The listener belongs to the board, not to its cells: a copy is a snapshot that starts with
  // none, an assignment brings in the cells and leaves the target's listener as it was, and
  // neither tells anybody anything.
  Board(const Board& other) : cells_(other.cells_) {}
  Board& operator=(const Board& other) {
    cells_ = other.cells_;
    return *this;
  }
  // The same cells: texts, colours and locks.
  friend bool operator==(const Board& a, const Board& b) { return a.cells_ == b.cells_; }

  const std::string& text(CellIndex cell) const { return at(cell).text; }
  // The numeric value of the text, read once when the text is written.
  double value(CellIndex cell) const { return at(cell).value; }
  bool isEmptyText(CellIndex cell) const { return at(cell).text.empty(); }
  Color background(CellIndex cell) const { return at(cell).background; }
  Color foreground(CellIndex cell) const { return at(cell).foreground; }
  bool locked(CellIndex cell) const { return at(cell).locked; }

  // Stores the text; only a real change is told to the listener.
  void setText(CellIndex cell, std::string_view text);
  void setColors(CellIndex cell, Color background, Color foreground);
  void setLook(CellIndex cell, CellLook look) { setColors(cell, look.background, look.text); }
  void setBackground(CellIndex cell, Color background);
  void setLocked(CellIndex cell, bool locked);

  void setChangeListener(CellChangeListener* listener) { listener_ = listener; }

 private:
  struct Cell {
    std::string text;
    double value = 0.0;
    Color background = roles::kClue.background;
    Color foreground = roles::kClue.text;
    bool locked = false;
    friend bool operator==(const Cell&, const Cell&) = default;
  };

  const Cell& at(CellIndex cell) const {
    assert(isCell(cell) && "cell index out of range");
    return cells_[static_cast<std::size_t>(cell)];
  }
  Cell& at(CellIndex cell) {
    assert(isCell(cell) && "cell index out of range");
    return cells_[static_cast<std::size_t>(cell)];
  }

  std::array<Cell, kCells> cells_{};
  CellChangeListener* listener_ = nullptr;
};

}  // namespace kalmotre
