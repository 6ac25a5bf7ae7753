// The layout as tests/data/layout.txt records it, independent of the game's own table: each
// control's rectangle in twips inside its container, keyed "main btnGO" or "splash Label1".
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "board/geometry.h"

namespace kalmotre::test {

struct ExpectedBox {
  int left = 0, top = 0, width = 0, height = 0;
  bool sizedToText = false;
};

// Every control the file names, the 81 cells and the 81 help labels included.
inline std::map<std::string, ExpectedBox> expectedLayout() {
  std::ifstream file(KALMOTRE_TEST_DATA "/layout.txt");
  EXPECT_TRUE(file.good()) << "tests/data/layout.txt";
  std::map<std::string, ExpectedBox> boxes;
  std::map<std::string, std::map<std::string, std::vector<int>>> grids;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string window, name;
    words >> window >> name;
    if (window == "main" || window == "splash") {
      ExpectedBox box;
      std::string sized;
      words >> box.left >> box.top >> box.width >> box.height >> sized;
      box.sizedToText = sized == "sized";
      boxes[window + " " + name] = box;
    } else {
      for (int value; words >> value;) grids[window][name].push_back(value);
    }
  }
  for (auto& [array, grid] : grids) {
    EXPECT_EQ(grid["lefts"].size(), 9u) << array;
    EXPECT_EQ(grid["tops"].size(), 9u) << array;
    if (grid["lefts"].size() != 9u || grid["tops"].size() != 9u || grid["size"].size() != 2u) {
      continue;
    }
    for (CellIndex i = 0; i < kCells; ++i) {
      boxes["main " + array + "_" + std::to_string(i)] = {
          grid["lefts"][static_cast<std::size_t>(columnOf(i))],
          grid["tops"][static_cast<std::size_t>(rowOf(i))], grid["size"][0], grid["size"][1]};
    }
  }
  return boxes;
}

}  // namespace kalmotre::test
