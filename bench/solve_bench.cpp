// The solution counter on puzzle files, inside one process: puzzles per second, and the slowest
// line, each line timed as the best of three runs so that a pause of the system is not counted.
//
//   kalmotre_solve_bench FILE...
//
// A file holds one puzzle per line in the one-line form; other lines ('#' comments) are skipped.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "board/one_line.h"
#include "solve/solution_count.h"

namespace {

using namespace kalmotre;
using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

bool isPuzzle(const std::string& line) {
  if (line.size() < static_cast<std::size_t>(kCells)) return false;
  return std::all_of(line.begin(), line.begin() + kCells,
                     [](char c) { return c == '.' || c == '0' || (c >= '1' && c <= '9'); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kalmotre_solve_bench FILE...\n");
    return 2;
  }
  std::printf("%-36s %8s %12s %10s %10s  %s\n", "file", "puzzles", "puzzles/s", "mean us",
              "slowest us", "counts 0/1/2+");
  for (int k = 1; k < argc; ++k) {
    std::ifstream file(argv[k]);
    if (!file) {
      std::fprintf(stderr, "kalmotre_solve_bench: cannot read %s\n", argv[k]);
      return 1;
    }
    std::vector<Grid> puzzles;
    for (std::string line; std::getline(file, line);) {
      if (isPuzzle(line)) puzzles.push_back(digitsFromLine(line.substr(0, kCells)));
    }
    if (puzzles.empty()) continue;
    // The whole file once, as kalmotre-gen runs it.
    long counts[3] = {0, 0, 0};
    Grid solution{};
    const Clock::time_point start = Clock::now();
    for (const Grid& puzzle : puzzles) ++counts[countSolutions(puzzle, 2, &solution)];
    const double total = microseconds(Clock::now() - start);
    // Then every line on its own, best of three.
    double slowest = 0;
    for (const Grid& puzzle : puzzles) {
      double best = 1e300;
      for (int run = 0; run < 3; ++run) {
        const Clock::time_point t0 = Clock::now();
        countSolutions(puzzle, 2, &solution);
        best = std::min(best, microseconds(Clock::now() - t0));
      }
      slowest = std::max(slowest, best);
    }
    const double n = static_cast<double>(puzzles.size());
    std::string name = argv[k];
    name = name.substr(name.find_last_of('/') + 1);
    std::printf("%-36s %8zu %12.0f %10.2f %10.0f  %ld/%ld/%ld\n", name.c_str(), puzzles.size(),
                n / total * 1e6, total / n, slowest, counts[0], counts[1], counts[2]);
  }
  return 0;
}
