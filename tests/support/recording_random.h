// A production random source that also keeps every number it handed out.
#pragma once

#include <vector>

#include "generate/random_source.h"

namespace kalmotre::test {

class RecordingRandomSource final : public RandomSource {
 public:
  void seed(double s) override {
    engine_.seed(s);
    drawn.clear();
  }
  std::vector<double> drawn;

 protected:
  double draw() override {
    drawn.push_back(engine_.next());
    return drawn.back();
  }

 private:
  EngineRandomSource engine_;
};

}  // namespace kalmotre::test
