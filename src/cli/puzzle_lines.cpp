// Reading puzzles from a stream and judging them.
#include "cli/puzzle_lines.h"

#include <condition_variable>
#include <limits>
#include <mutex>
#include <utility>
#include <vector>

#include "board/one_line.h"
#include "cli/excerpt.h"
#include "cli/line_reader.h"
#include "cli/ordered_jobs.h"
#include "solve/solution_count.h"

namespace kalmotre::cli {

namespace {

constexpr std::size_t kExcerpt = 40;

bool leftOut(char c) {
  return c == ' ' || c == '\t' || c == '|' || c == '-' || c == '+';
}

// The first unit, in the order rows, columns, blocks, that holds a digit twice.
std::string repeatedDigit(const Grid& digits) {
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
  if (!line.empty() && line.front() == '#') {
    result.empty = true;
    return result;
  }
  // Cells are counted up to one past 81; a digit seen twice in a unit is only noted here, and
  // the message that names the unit is written once the count is known to be right.
  std::size_t cells = 0;
  unsigned rows[9] = {}, columns[9] = {}, blocks[9] = {};
  bool repeated = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    const bool digit = c >= '0' && c <= '9';
    if (!digit && c != '.') {
      if (leftOut(c)) continue;
      result.fault = "character " + std::to_string(i + 1) + " is " + excerpt(line.substr(i, 1)) +
                     ", not a digit or '.': " + excerpt(line, kExcerpt);
      return result;
    }
    if (cells < kCells && digit && c != '0') {
      const int row = static_cast<int>(cells) / 9, column = static_cast<int>(cells) % 9;
      const int block = row / 3 * 3 + column / 3;
      const unsigned bit = 1u << (c - '0');
      repeated |= ((rows[row] | columns[column] | blocks[block]) & bit) != 0;
      rows[row] |= bit, columns[column] |= bit, blocks[block] |= bit;
      result.digits[cellAt(row, column)] = static_cast<std::int8_t>(c - '0');
    }
    if (cells <= kCells) ++cells;
  }
  if (cells == 0) {
    result.empty = true;
    return result;
  }
  if (cells != kCells) {
    result.fault = (cells > kCells ? std::string("more than 81") : std::to_string(cells)) +
                   " cells, not 81: " + excerpt(line, kExcerpt);
    return result;
  }
  if (repeated) result.fault = repeatedDigit(result.digits) + ": " + excerpt(line, kExcerpt);
  return result;
}

namespace {

// What a block of lines says, in order: solutions or counts for standard output, and messages.
struct Said {
  bool fault;
  std::string text;
};
struct Block {
  std::vector<Said> said;
  bool last = false;  // the input ended in this block
};

void say(Block& block, bool fault, std::string text) {
  // Output runs together; each message stays a call of its own.
  if (!fault && !block.said.empty() && !block.said.back().fault) {
    block.said.back().text += text;
  } else {
    block.said.push_back({fault, std::move(text)});
  }
}

void judgeLine(long number, const std::string& line, bool tooLong, Judging judging, Block& block) {
  // Only a line that gets a message needs its number written out.
  const auto where = [number] { return "line " + std::to_string(number) + ": "; };
  if (tooLong) {
    say(block, true,
        where() + "longer than " + std::to_string(kPuzzleLineLimit) +
            " characters, not read: " + excerpt(line, kExcerpt) + "\n");
    return;
  }
  const PuzzleLine puzzle = readPuzzleLine(line);
  if (puzzle.empty) return;
  if (!puzzle.fault.empty()) {
    say(block, true, where() + puzzle.fault + "\n");
    return;
  }
  Grid solution{};
  const int solutions = countSolutions(puzzle.digits, 2, &solution);
  if (judging == Judging::CountSolutions) {
    say(block, false, std::to_string(solutions) + "\n");
  } else if (solutions == 1) {
    std::string text = oneLine(solution);
    text += '\n';
    say(block, false, std::move(text));
  } else {
    say(block, true, where() + (solutions == 0 ? "no solution" : "more than one solution") + "\n");
  }
}

// Lines per block on several threads; one thread takes a line at a time, so that a puzzle typed
// on a terminal is answered at once.
constexpr long kLinesPerBlock = 64;

}  // namespace

int judgeLines(std::streambuf& in, Judging judging, int jobs,
               const std::function<bool(std::string_view)>& out,
               const std::function<void(std::string_view)>& fault) {
  LineReader reader(&in, kPuzzleLineLimit);
  // The input is read block by block in block order, whichever thread judges the block.
  std::mutex mutex;
  std::condition_variable turn;
  long nextToRead = 0;
  long linesRead = 0;
  bool atEnd = false;
  const long perBlock = jobs > 1 ? kLinesPerBlock : 1;
  auto produce = [&](int, long b) {
    std::vector<std::pair<std::string, bool>> lines;
    long first = 0;
    Block block;
    {
      std::unique_lock lock(mutex);
      turn.wait(lock, [&] { return nextToRead == b; });
      first = linesRead + 1;
      std::string line;
      bool tooLong = false;
      while (!atEnd && static_cast<long>(lines.size()) < perBlock) {
        if (!reader.next(line, tooLong)) {
          atEnd = true;
        } else {
          lines.emplace_back(line, tooLong);
        }
      }
      linesRead += static_cast<long>(lines.size());
      block.last = atEnd;
      ++nextToRead;
    }
    turn.notify_all();
    for (std::size_t k = 0; k < lines.size(); ++k) {
      judgeLine(first + static_cast<long>(k), lines[k].first, lines[k].second, judging, block);
    }
    return block;
  };
  int status = 0;
  bool written = true;
  auto consume = [&](Block&& block) {
    for (const Said& said : block.said) {
      if (said.fault) {
        fault(said.text);
        status = 1;
      } else if (!out(said.text)) {
        written = false;
        return false;
      }
    }
    return !block.last;
  };
  runInOrder<Block>(std::numeric_limits<long>::max(), jobs, produce, consume);
  return written ? status : 1;
}

}  // namespace kalmotre::cli
