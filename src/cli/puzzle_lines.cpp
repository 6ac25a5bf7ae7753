// Reading puzzles from a stream and judging them.
#include "cli/puzzle_lines.h"

#include <utility>

#include "board/one_line.h"
#include "cli/excerpt.h"
#include "cli/line_reader.h"
#include "solve/solution_count.h"

namespace kalmotre::cli {

namespace {

constexpr std::size_t kExcerpt = 40;

bool leftOut(char c) {
  return c == ' ' || c == '\t' || c == '|' || c == '-' || c == '+';
}

// The first unit, in the order rows, columns, blocks, that holds a digit twice.
std::string repeatedDigit(const Digits& digits) {
  const std::pair<const char*, Unit (*)(int)> kinds[] = {
      {"row", rowCells}, {"column", columnCells}, {"block", blockCells}};
  for (const auto& [kind, cellsOf] : kinds) {
    for (int unit = 0; unit < kUnitSize; ++unit) {
      unsigned seen = 0;
      for (const CellIndex cell : cellsOf(unit)) {
        const int d = digits[static_cast<std::size_t>(cell)];
        if (d == 0) continue;
        if (seen & (1u << d)) {
          return "two " + std::to_string(d) + "s in " + kind + " " + std::to_string(unit + 1);
        }
        seen |= 1u << d;
      }
    }
  }
  return {};
}

}  // namespace

PuzzleLine readPuzzleLine(std::string_view line) {
  PuzzleLine result;
  std::string cells;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (leftOut(c)) continue;
    if (c != '.' && (c < '0' || c > '9')) {
      result.fault = "character " + std::to_string(i + 1) + " is " + excerpt(line.substr(i, 1)) +
                     ", not a digit or '.': " + excerpt(line, kExcerpt);
      return result;
    }
    if (cells.size() < kCells + 1) cells += c;
  }
  if (cells.empty()) {
    result.empty = true;
    return result;
  }
  if (cells.size() != kCells) {
    result.fault =
        (cells.size() > kCells ? std::string("more than 81") : std::to_string(cells.size())) +
        " cells, not 81: " + excerpt(line, kExcerpt);
    return result;
  }
  result.digits = digitsFromLine(cells);
  if (const std::string repeated = repeatedDigit(result.digits); !repeated.empty()) {
    result.fault = repeated + ": " + excerpt(line, kExcerpt);
  }
  return result;
}

int judgeLines(std::streambuf& in, Judging judging,
               const std::function<bool(std::string_view)>& out,
               const std::function<void(std::string_view)>& fault) {
  LineReader reader(&in, kPuzzleLineLimit);
  std::string line;
  bool tooLong = false;
  int status = 0;
  std::string written;
  for (long number = 1; reader.next(line, tooLong); ++number) {
    const std::string where = "line " + std::to_string(number) + ": ";
    if (tooLong) {
      fault(where + "longer than " + std::to_string(kPuzzleLineLimit) +
            " characters, not read: " + excerpt(line, kExcerpt) + "\n");
      status = 1;
      continue;
    }
    const PuzzleLine puzzle = readPuzzleLine(line);
    if (puzzle.empty) continue;
    if (!puzzle.fault.empty()) {
      fault(where + puzzle.fault + "\n");
      status = 1;
      continue;
    }
    Digits solution{};
    const int solutions = countSolutions(puzzle.digits, 2, &solution);
    if (judging == Judging::CountSolutions) {
      written = std::to_string(solutions) + "\n";
    } else if (solutions == 1) {
      written = oneLine(solution) + "\n";
    } else {
      fault(where + (solutions == 0 ? "no solution" : "more than one solution") + "\n");
      status = 1;
      continue;
    }
    if (!out(written)) return 1;
  }
  return status;
}

}  // namespace kalmotre::cli
