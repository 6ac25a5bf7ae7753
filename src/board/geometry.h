// Cell numbering of the board and the walks over its rows, columns and blocks.
#pragma once

#include <array>
#include <cassert>

namespace kalmotre {

// A cell is numbered block by block: 9 * block + position, position row by row inside the block.
using CellIndex = int;

inline constexpr int kCells = 81;
inline constexpr int kUnitSize = 9;

constexpr bool isCell(int cell) {
  return cell >= 0 && cell < kCells;
}

constexpr int blockOf(CellIndex cell) {
  return cell / 9;
}
constexpr int positionOf(CellIndex cell) {
  return cell % 9;
}
constexpr int rowOf(CellIndex cell) {
  return 3 * (blockOf(cell) / 3) + positionOf(cell) / 3;
}
constexpr int columnOf(CellIndex cell) {
  return 3 * (blockOf(cell) % 3) + positionOf(cell) % 3;
}
constexpr CellIndex cellAt(int row, int column) {
  return 9 * (3 * (row / 3) + column / 3) + 3 * (row % 3) + column % 3;
}

// Offsets from a row's leftmost cell (left to right) and from a column's top cell (top to bottom).
inline constexpr std::array<int, 9> kRowOffsets = {0, 1, 2, 9, 10, 11, 18, 19, 20};
inline constexpr std::array<int, 9> kColumnOffsets = {0, 3, 6, 27, 30, 33, 54, 57, 60};

constexpr CellIndex rowStart(int row) {
  return 27 * (row / 3) + 3 * (row % 3);
}
constexpr CellIndex columnStart(int column) {
  return 9 * (column / 3) + column % 3;
}

using Unit = std::array<CellIndex, 9>;

constexpr Unit blockCells(int block) {
  Unit cells{};
  for (int p = 0; p < 9; ++p) cells[p] = 9 * block + p;
  return cells;
}
constexpr Unit rowCells(int row) {
  Unit cells{};
  for (int k = 0; k < 9; ++k) cells[k] = rowStart(row) + kRowOffsets[k];
  return cells;
}
constexpr Unit columnCells(int column) {
  Unit cells{};
  for (int k = 0; k < 9; ++k) cells[k] = columnStart(column) + kColumnOffsets[k];
  return cells;
}

// The 27 units: blocks 0..8, then rows 0..8, then columns 0..8.
// The three kinds of unit, in the order kUnits lists them.
enum class UnitKind { Block, Row, Column };

inline constexpr std::array<Unit, 27> kUnits = [] {
  std::array<Unit, 27> units{};
  for (int k = 0; k < 9; ++k) {
    units[k] = blockCells(k);
    units[9 + k] = rowCells(k);
    units[18 + k] = columnCells(k);
  }
  return units;
}();

// The blocks of a band (a row of three blocks) and of a stack (a column of three blocks).
constexpr std::array<int, 3> bandBlocks(int block) {
  const int first = 3 * (block / 3);
  return {first, first + 1, first + 2};
}
constexpr std::array<int, 3> stackBlocks(int block) {
  const int first = block % 3;
  return {first, first + 3, first + 6};
}

// Three cells of one row inside one block (a mini-row), or of one column inside one block (a
// mini-column), in board order.
using MiniLine = std::array<CellIndex, 3>;

// The 27 mini-rows, block by block and top to bottom inside a block: cells t, t + 1, t + 2 for
// t = 0, 3, ..., 78.
inline constexpr std::array<MiniLine, 27> kMiniRows = [] {
  std::array<MiniLine, 27> lines{};
  for (int k = 0; k < 27; ++k) lines[k] = {3 * k, 3 * k + 1, 3 * k + 2};
  return lines;
}();

// Per block its three mini-columns, left to right: cells 9b + s, 9b + s + 3, 9b + s + 6.
inline constexpr std::array<std::array<MiniLine, 3>, 9> kMiniColumns = [] {
  std::array<std::array<MiniLine, 3>, 9> lines{};
  for (int b = 0; b < 9; ++b) {
    for (int s = 0; s < 3; ++s) lines[b][s] = {9 * b + s, 9 * b + s + 3, 9 * b + s + 6};
  }
  return lines;
}();

// A cell's row, column and block in that order, 27 cells with the cell itself three times.
constexpr std::array<CellIndex, 27> rowColumnBlockOf(CellIndex cell) {
  assert(isCell(cell) && "cell index out of range");
  std::array<CellIndex, 27> cells{};
  const Unit row = rowCells(rowOf(cell));
  const Unit column = columnCells(columnOf(cell));
  const Unit block = blockCells(blockOf(cell));
  for (int k = 0; k < 9; ++k) {
    cells[k] = row[k];
    cells[9 + k] = column[k];
    cells[18 + k] = block[k];
  }
  return cells;
}

}  // namespace kalmotre
