// The play scenarios of tests/data/scenarios.txt: what a player does and what the window shows
// after it, read once for every front end that plays them.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "midend/controls.h"

namespace kalmotre::test {

struct Step {
  std::string verb;  // click, type, key, text, focus, colour, free
  std::string box;   // the box a step names: its control id in `control`
  int control = kNoControl;
  std::string argument;  // left/right, the text typed or expected, a key, a colour, a count
};

struct Scenario {
  std::string name;
  double clock = 0;
  std::vector<Step> steps;
};

// rRcC names a cell, any other word the main window's control of that name.
inline int boxControl(const std::string& box) {
  if (box.size() == 4 && box[0] == 'r' && box[2] == 'c') {
    return cellControl(cellAt(box[1] - '1', box[3] - '1'));
  }
  return controlNamed(WindowName::Main, box);
}

inline std::vector<Scenario> loadScenarios() {
  std::ifstream file(std::string(KALMOTRE_TEST_DATA) + "/scenarios.txt");
  std::vector<Scenario> scenarios;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    if (verb == "scenario") {
      scenarios.push_back({line.substr(verb.size() + 1), 0, {}});
    } else if (verb == "clock") {
      words >> scenarios.back().clock;
    } else {
      Step step{verb, {}, kNoControl, {}};
      if (verb != "type" && verb != "key" && verb != "free") {
        words >> step.box;
        step.control = boxControl(step.box);
      }
      std::getline(words >> std::ws, step.argument);
      if (step.argument.size() >= 2 && step.argument.front() == '"') {
        step.argument = step.argument.substr(1, step.argument.size() - 2);
      }
      scenarios.back().steps.push_back(step);
    }
  }
  return scenarios;
}

inline std::string colourName(std::uint32_t bgr) {
  switch (bgr) {
    case 0x00FFFF:
      return "yellow";
    case 0xFFFFFF:
      return "white";
    case 0x00FF00:
      return "green";
    default:
      return std::to_string(bgr);
  }
}

}  // namespace kalmotre::test
