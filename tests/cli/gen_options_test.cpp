#include "cli/gen_options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>

#include "cli/draws_reader.h"
#include "cli/ordered_jobs.h"
#include "cli/puzzle_lines.h"
#include "cli/verify.h"
#include "solve/solution_count.h"
#include "support/boards.h"

namespace kalmotre::cli {
namespace {

TEST(GenOptions, DefaultsAndEveryOption) {
  const auto defaults = std::get<GenOptions>(parseGenOptions({}));
  EXPECT_EQ(defaults.level, Level::Schwer);
  EXPECT_EQ(defaults.count, 1);
  EXPECT_FALSE(defaults.seed || defaults.drawsFile || defaults.verify);
  EXPECT_EQ(defaults.jobs, 0);

  const auto options =
      std::get<GenOptions>(parseGenOptions({"--level", "leicht", "--count", "5", "--seed",
                                            "18446744073709551615", "--jobs", "3", "--verify"}));
  EXPECT_EQ(options.level, Level::Leicht);
  EXPECT_EQ(options.count, 5);
  EXPECT_EQ(options.seed, std::numeric_limits<std::uint64_t>::max());
  EXPECT_EQ(options.jobs, 3);
  EXPECT_TRUE(options.verify);
  EXPECT_EQ(std::get<GenOptions>(parseGenOptions({"--seed", "0007"})).seed, 7U);
  EXPECT_EQ(std::get<GenOptions>(parseGenOptions({"--draws", "f.txt"})).drawsFile, "f.txt");
  EXPECT_EQ(std::get<GenOptions>(parseGenOptions({"--solve", "--solve"})).judging, Judging::Solve);
  EXPECT_EQ(std::get<GenOptions>(parseGenOptions({"--count-solutions"})).judging,
            Judging::CountSolutions);
}

TEST(GenOptions, WrongArgumentsAreUsageErrorsQuotingAShortEscapedExcerpt) {
  struct Case {
    std::vector<std::string> args;
    std::string message;  // empty: any message
  };
  const std::vector<Case> wrong = {
      {{"--level"}, "--level needs a value"},
      {{"--level", "mittel"}, "--level takes leicht or schwer, not 'mittel'"},
      {{"--count", "0"}, ""},
      {{"--count", "-3"}, ""},
      {{"--count", "+3"}, ""},
      {{"--count", "5x"}, ""},
      {{"--count", "99999999999999999999"}, ""},
      // A seed is an unsigned 64-bit decimal whole number and nothing else.
      {{"--seed", "abc"}, ""},
      {{"--seed", "1.5"}, ""},
      {{"--seed", "1e3"}, ""},
      {{"--seed", "1e17"}, ""},
      {{"--seed", "-5"}, ""},
      {{"--seed", "+5"}, ""},
      {{"--seed", " 5"}, ""},
      {{"--seed", "0x10"}, ""},
      {{"--seed", "18446744073709551616"}, ""},
      {{"--seed", ""}, ""},
      {{"--jobs", "0"}, ""},
      {{"--jobs", "257"}, ""},
      {{"--draws", ""}, "--draws: no file name"},
      {{"puzzle"}, "unknown argument 'puzzle'"},
      {{std::string("\x1b[2J\n\xff'\\", 8)}, "unknown argument '\\x1b[2J\\x0a\\xff\\'\\\\'"},
      {{std::string(100'000, 'x')}, "unknown argument 'xxxxxxxxxxxxxxxxxxxx'..."},
      {{"--seed", std::string(100'000, '1')},
       "--seed takes a whole number from 0 to 18446744073709551615, not '11111111111111111111'..."},
      {{"--draws", "f", "--count", "2"}, ""},
      {{"--draws", "f", "--seed", "1"}, ""},
      {{"--draws", "f", "--jobs", "1"}, ""},
      {{"--draws", "f", "--verify"}, ""},
      {{"--solve", "--count-solutions"}, "--solve and --count-solutions go one at a time"},
      {{"--solve", "--level", "leicht"},
       "--solve and --count-solutions read puzzles and take no other option but --jobs"},
      {{"--count-solutions", "--count", "3"}, ""},
      {{"--solve", "--verify"}, ""},
      {{"--draws", "f", "--solve"}, ""},
  };
  for (const Case& c : wrong) {
    const auto result = parseGenOptions(c.args);
    ASSERT_TRUE(std::holds_alternative<UsageError>(result)) << c.args[0];
    if (!c.message.empty()) {
      EXPECT_EQ(std::get<UsageError>(result).message, c.message);
    }
  }
}

// Every number up to the end of the file or the first bad line, and that line's problem.
std::pair<std::vector<double>, std::string> readAll(std::istream& in) {
  DrawsReader reader(in);
  std::vector<double> draws;
  while (const std::optional<double> u = reader.next()) draws.push_back(*u);
  return {draws, reader.error()};
}

TEST(DrawsFile, ReadsEachNumberExactlyAndNamesTheFirstBadLine) {
  std::istringstream good("0.5\n\n  0.1234567890123456789  \r\n0\n0.9999999999999999");
  const auto [draws, error] = readAll(good);
  EXPECT_EQ(draws, (std::vector<double>{0.5, 0.1234567890123456789, 0.0, 0.9999999999999999}));
  EXPECT_EQ(error, "");

  struct Case {
    std::string text;
    std::string message;
  };
  const std::string longest(DrawsReader::kLongestLine, ' ');
  for (const Case& c : {
           Case{"0.5\n1\n", "line 2: '1' is outside 0 <= u < 1"},
           Case{"-0.1\n", "line 1: '-0.1' is outside 0 <= u < 1"},
           Case{"0.2\nzwei\n", "line 2: 'zwei' is not a decimal number"},
           Case{"0.2 0.3\n", "line 1: '0.2 0.3' is not a decimal number"},
           Case{"nan\n", "line 1: 'nan' is not a decimal number"},
           Case{"1e-400\n", "line 1: '1e-400' is too close to 0 for a double to hold"},
           Case{"1e400\n", "line 1: '1e400' is outside 0 <= u < 1"},
           Case{"0." + std::string(62, '5') + "\r\n" + longest + "\r\r\n",
                "line 2: '                    '... is longer than 64 bytes"},
           Case{"0.1\n\x01\xfe\n", "line 2: '\\x01\\xfe' is not a decimal number"},
           Case{longest + "\n" + longest + " \n",
                "line 2: '                    '... is longer than 64 bytes"},
           Case{"0.1\n" + std::string(100'000, '\0'),
                "line 2: '\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00"
                "\\x00\\x00\\x00\\x00\\x00\\x00'... is longer than 64 bytes"},
       }) {
    std::istringstream in(c.text);
    const auto [draws, error] = readAll(in);
    EXPECT_EQ(error, c.message) << c.text.substr(0, 20);
  }
}

// A replay reads only the numbers it draws: a file without end (/dev/zero) costs one line's
// worth, and whatever follows the last draw is never looked at.
TEST(DrawsFile, ReadsOnlyWhatIsDrawn) {
  class EndlessZeros : public std::streambuf {
   public:
    long long handedOut = 0;

   protected:
    int_type underflow() override {
      handedOut += static_cast<long long>(block_.size());
      setg(block_.data(), block_.data(), block_.data() + block_.size());
      return traits_type::to_int_type(block_[0]);
    }

   private:
    std::array<char, 256> block_{};
  } zeros;
  std::istream endless(&zeros);
  DrawsReader reader(endless);
  EXPECT_FALSE(reader.next());
  EXPECT_NE(reader.error(), "");
  EXPECT_LE(zeros.handedOut, 256);

  // A file that fails while being read (a directory does) is an error, not an escape.
  class Failing : public std::streambuf {
   protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }
  } failing;
  std::istream broken(&failing);
  DrawsReader brokenReader(broken);
  EXPECT_FALSE(brokenReader.next());
  EXPECT_EQ(brokenReader.error(), "line 1 could not be read");

  std::istringstream in("0.5\n0.25\nkeine Zahl\n");
  DrawsReader lazy(in);
  ReaderRandomSource random(lazy);
  EXPECT_EQ(random.next(), 0.5);
  EXPECT_EQ(random.next(), 0.25);
  EXPECT_THROW(random.next(), DrawsFileError);

  std::istringstream shortFile("0.5\n");
  DrawsReader shortReader(shortFile);
  ReaderRandomSource shortRandom(shortReader);
  shortRandom.next();
  try {
    shortRandom.next();
    FAIL() << "a draw past the end of the file";
  } catch (const DrawsExhausted& exhausted) {
    EXPECT_EQ(exhausted.used(), 1);
  }
}

// Every kind of line --solve and --count-solutions meet, in one run each: the output keeps the
// input's order, a message names its line, and no line stops the run.
TEST(PuzzleLines, SolveAndCountEveryKindOfLine) {
  const std::string sound = test::kPlayablePuzzle;
  const std::string solution = test::kBaseRows;
  const std::string hard =
      "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";
  const std::string hardSolution =
      "812753649943682175675491283154237896369845721287169534521974368438526917796318452";
  // As a grid is pasted: zeros, blanks, bars, and a frame line of its own.
  std::string pasted;
  for (std::size_t k = 0; k < 81; ++k) {
    pasted += sound[k] == '.' ? '0' : sound[k];
    pasted += k % 9 == 8 ? "" : k % 3 == 2 ? " | " : " ";
  }
  std::string contradictory = "12345678." + std::string(8, '.') + "9" + std::string(63, '.');
  struct Row {
    std::string line;
    std::string solved;   // what --solve prints for it, or the message it gets
    std::string counted;  // what --count-solutions prints, or the message
  };
  const std::string late = "line 10: longer than 1000 characters, not read: '";
  const Row rows[] = {
      {sound, solution, "1"},
      {hard + "\r", hardSolution, "1"},  // a line ended as on Windows
      {pasted, solution, "1"},
      {"------+-------+------", "", ""},  // the frame alone: skipped
      {std::string(81, '.'), "line 5: more than one solution", "2"},
      {contradictory, "line 6: no solution", "0"},
      {sound.substr(1), "line 7: 80 cells, not 81: '", "line 7: 80 cells, not 81: '"},
      {"55" + std::string(79, '.'), "line 8: two 5s in row 1: '", "line 8: two 5s in row 1: '"},
      {sound.substr(0, 40) + "x" + sound.substr(41), "line 9: character 41 is 'x', not a digit",
       "line 9: character 41 is 'x', not a digit"},
      {std::string(5'000'000, '1'), late, late},
      {"5" + std::string(8, '.') + "5" + std::string(71, '.'), "line 11: two 5s in column 1",
       "line 11: two 5s in column 1"},
      {"5.........5" + std::string(70, '.'), "line 12: two 5s in block 1",
       "line 12: two 5s in block 1"},
      {sound + "1", "line 13: more than 81 cells, not 81", "line 13: more than 81 cells, not 81"},
      {"# a comment, as the public collections have them: skipped", "", ""},
      {sound, solution, "1"},  // the last line, with no line break after it
  };
  std::string input;
  for (const Row& row : rows) input += row.line + "\n";
  input.pop_back();

  for (const auto& [judging, jobs] : {std::pair{Judging::Solve, 1},
                                      {Judging::CountSolutions, 1},
                                      {Judging::Solve, 3},
                                      {Judging::CountSolutions, 2}}) {
    std::stringbuf in(input);
    std::string out, faults;
    const int status = judgeLines(
        in, judging, jobs,
        [&](std::string_view text) {
          out += text;
          return true;
        },
        [&](std::string_view text) { faults += text; });
    EXPECT_EQ(status, 1);
    std::string wantOut;
    std::vector<std::string> wantFaults;
    for (const Row& row : rows) {
      const std::string& want = judging == Judging::Solve ? row.solved : row.counted;
      if (want.rfind("line ", 0) == 0) {
        wantFaults.push_back(want);
      } else if (!want.empty()) {
        wantOut += want + "\n";
      }
    }
    EXPECT_EQ(out, wantOut);
    std::istringstream said(faults);
    std::string message;
    for (const std::string& want : wantFaults) {
      ASSERT_TRUE(std::getline(said, message)) << want;
      EXPECT_EQ(message.substr(0, want.size()), want);
      EXPECT_LT(message.size(), 200u) << "an excerpt, not the line";
    }
    EXPECT_FALSE(std::getline(said, message)) << message;
  }

  // Sound puzzles alone end well; a failed write ends the run at once.
  std::stringbuf good(sound + "\n" + hard + "\n");
  int writes = 0;
  EXPECT_EQ(judgeLines(
                good, Judging::Solve, 1, [&](std::string_view) { return ++writes, true; },
                [](std::string_view) { FAIL(); }),
            0);
  EXPECT_EQ(writes, 2);
  std::stringbuf refused(sound + "\n" + sound + "\n");
  writes = 0;
  EXPECT_EQ(judgeLines(
                refused, Judging::CountSolutions, 1,
                [&](std::string_view) { return ++writes, false; }, [](std::string_view) {}),
            1);
  EXPECT_EQ(writes, 1);
}

// The recorded puzzles, as a player would paste them: each is solved to a complete grid that
// keeps its clues, and counted once; on two threads, in blocks that keep the input's order.
TEST(PuzzleLines, TheRecordedPuzzlesEachHaveTheirOneSolution) {
  std::ifstream file(KALMOTRE_TEST_DATA "/generations.txt");
  ASSERT_TRUE(file) << "tests/data/generations.txt";
  std::vector<std::string> puzzles;
  std::string input;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    puzzles.push_back(line.substr(line.rfind(' ') + 1));
    input += puzzles.back() + "\n";
  }
  ASSERT_GE(puzzles.size(), 100u);
  std::stringbuf in(input);
  std::string out;
  EXPECT_EQ(judgeLines(
                in, Judging::Solve, 2, [&](std::string_view lines) { return out += lines, true; },
                [](std::string_view message) { ADD_FAILURE() << message; }),
            0);
  std::vector<std::string> solved;
  std::istringstream said(out);
  for (std::string line; std::getline(said, line);) solved.push_back(line);
  ASSERT_EQ(solved.size(), puzzles.size());
  for (std::size_t k = 0; k < puzzles.size(); ++k) {
    EXPECT_EQ(verifyPuzzle(puzzles[k], solved[k]), "") << puzzles[k];
  }
}

// The judge of --verify must itself tell a sound puzzle from every kind of unsound one.
TEST(Verify, TellsEachFaultOfAPuzzle) {
  const std::string solution = test::kBaseRows;
  const std::string sound = test::kPlayablePuzzle;
  struct Case {
    std::string puzzle;
    std::string solution;
    std::string problem;
  };
  std::string swapped = solution;
  std::swap(swapped[0], swapped[1]);
  std::string wrongClue = sound;
  wrongClue[2] = '1';
  const std::string empty(81, '.');
  // Unique, but only with far more than hidden singles.
  const std::string hard =
      "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";
  const std::string hardSolution =
      "812753649943682175675491283154237896369845721287169534521974368438526917796318452";
  for (const Case& c : {
           Case{sound, solution, ""},
           Case{solution, solution, ""},
           Case{sound, swapped, "the solution is not a valid grid"},
           Case{sound, solution.substr(1), "the solution is not a valid grid"},
           Case{wrongClue, solution, "the clue at row 1, column 3 disagrees with the solution"},
           Case{empty, solution, "the puzzle has 2 solutions"},
           Case{"2" + std::string(80, '2'), solution,
                "the clue at row 1, column 2 disagrees with the solution"},
           Case{hard, hardSolution, "the game's solver does not complete the puzzle in 10 cycles"},
       }) {
    EXPECT_EQ(verifyPuzzle(c.puzzle, c.solution), c.problem) << c.puzzle;
  }
}

TEST(OrderedJobs, GoOnWithTheThreadsTheSystemGivesAndWithNoneOnTheCallingThread) {
  auto produce = [](int, long block) { return std::to_string(block * block) + "\n"; };
  std::string wanted;
  for (long b = 0; b < 50; ++b) wanted += produce(0, b);
  for (int granted : {0, 1, 2, 8}) {
    std::string out;
    int started = 0;
    auto startThread = [&](std::function<void()> body) {
      if (started == granted)
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      ++started;
      return std::thread(std::move(body));
    };
    const bool complete = runInOrder<std::string>(
        50, 8, produce, [&](std::string&& text) { return out += text, true; }, startThread);
    EXPECT_TRUE(complete) << granted << " threads granted";
    EXPECT_EQ(out, wanted) << granted << " threads granted";
  }
}

}  // namespace
}  // namespace kalmotre::cli
