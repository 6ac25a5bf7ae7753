#include "solve/solution_count.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "board/one_line.h"
#include "solve/backtracking_count.h"

namespace kalmotre {
namespace {

struct Recorded {
  std::string puzzle;
  int solutions = 0;
  std::string solution;  // "-" unless there is exactly one
  bool slow = false;     // too slow for the plain backtracking
};

std::vector<Recorded> recordedPuzzles() {
  std::ifstream file(KALMOTRE_TEST_DATA "/solutions.txt");
  std::vector<Recorded> puzzles;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Recorded r;
    std::string mark;
    fields >> r.puzzle >> r.solutions >> r.solution >> mark;
    r.slow = mark == "slow";
    puzzles.push_back(r);
  }
  return puzzles;
}

// Each engine, counting up to one and up to two, gives the recorded count and the recorded
// solution: the sparse and the hardest public puzzles, puzzles with several solutions or none,
// and lines built to be hard on a search.
TEST(SolutionCount, EveryEngineAgreesWithTheRecordedPuzzles) {
  const std::vector<Recorded> puzzles = recordedPuzzles();
  ASSERT_GE(puzzles.size(), 50u) << "tests/data/solutions.txt";
  using Engine = int (*)(const Grid&, int, Grid*);
  const std::pair<const char*, Engine> engines[] = {{"the game's", countSolutions},
                                                    {"backtracking", test::backtrackingCount}};
  Grid repeated = digitsFromLine("11");
  Grid outOfRange{};
  outOfRange[40] = 12;
  for (const auto& [name, count] : engines) {
    EXPECT_EQ(count(repeated, 2, nullptr), 0) << name;
    EXPECT_EQ(count(outOfRange, 2, nullptr), 0) << name;
    for (const Recorded& r : puzzles) {
      if (r.slow && count == test::backtrackingCount) continue;
      const Grid board = digitsFromLine(r.puzzle);
      for (const int limit : {1, 2}) {
        Grid first{};
        EXPECT_EQ(count(board, limit, &first), std::min(r.solutions, limit))
            << name << ", limit " << limit << ": " << r.puzzle;
        if (r.solutions == 1) {
          EXPECT_EQ(oneLine(first), r.solution) << name << ": " << r.puzzle;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kalmotre
