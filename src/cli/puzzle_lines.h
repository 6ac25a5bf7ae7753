// kalmotre-gen --solve and --count-solutions: puzzles read line by line, each judged by the
// solution counter behind --verify.
#pragma once

#include <cstddef>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

#include "board/grid.h"

namespace kalmotre::cli {

// Longest line read; the rest of a longer one is skipped unread, so memory stays bounded.
inline constexpr std::size_t kPuzzleLineLimit = 1000;

// One line of input as a puzzle: blanks, tabs and the characters | - + are left out (a grid
// pasted with its frame), '.' or '0' stand for an empty cell. `fault` says why it is none.
struct PuzzleLine {
  // A comment (a line that begins with '#', as the public puzzle collections have them) or
  // nothing but what is left out (a frame's line): skipped without a word.
  bool empty = false;
  Grid digits{};
  std::string fault;
};
PuzzleLine readPuzzleLine(std::string_view line);

enum class Judging { Solve, CountSolutions };

// Judges every line of `in`: --solve writes each puzzle's only solution as a line, and for a
// puzzle without one, with more than one, or a line that is no puzzle, a message naming the line
// to `fault`; --count-solutions writes 0, 1 or 2 (two or more), and a message for a line that is
// no puzzle. `out` gets whole lines, one or more at a time, and returns false when the output
// cannot be written, which ends the run. Returns the exit status: 0, or 1 when any line had a
// message or the output failed. On `jobs` threads the lines are judged in blocks; what is written,
// and its order, is the same as on one.
int judgeLines(std::streambuf& in, Judging judging, int jobs,
               const std::function<bool(std::string_view)>& out,
               const std::function<void(std::string_view)>& fault);

}  // namespace kalmotre::cli
