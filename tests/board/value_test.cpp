#include "board/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kalmotre {
namespace {

TEST(NumericValue, ReadsTheNumberAtTheStartOfTheText) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"", 0},     {"7", 7},   {"12", 12},   {"5a", 5},   {"x", 0},      {" ", 0},
      {"  3", 3},  {"\t4", 4}, {"0", 0},     {"-2", -2},  {"+6", 6},     {"2.5", 2.5},
      {".5", 0.5}, {"5.", 5},  {"1e2", 100}, {"1e", 1},   {"1e+", 1},    {"3 4", 3},
      {"-", 0},    {"-.", 0},  {"ä", 0},     {"0007", 7}, {"1E-1", 0.1},
  };
  for (const Case& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericValue, NumbersBeyondDoubleBecomeInfinityOrZeroNeverACrash) {
  const std::string huge(400, '9');
  EXPECT_EQ(numericValue(huge), std::numeric_limits<double>::infinity());
  EXPECT_EQ(numericValue("-" + huge), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(numericValue("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(numericValue("0.000001e-400"), 0.0);
  EXPECT_EQ(numericValue("1e-999"), 0.0);
  EXPECT_EQ(numericValue("0." + std::string(500, '0') + "1e100"), 0.0);
  EXPECT_EQ(numericValue("0." + std::string(500, '0') + "1e400"), 1e-101);
  EXPECT_EQ(numericValue("1e99999999999999999999"), std::numeric_limits<double>::infinity());
}

TEST(RoundToInt, HalvesGoToTheEvenNeighbourAndLargeValuesSaturate) {
  EXPECT_EQ(roundToInt(2.5), 2);
  EXPECT_EQ(roundToInt(3.5), 4);
  EXPECT_EQ(roundToInt(-2.5), -2);
  EXPECT_EQ(roundToInt(2.4999), 2);
  EXPECT_EQ(roundToInt(9.0), 9);
  EXPECT_EQ(roundToInt(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(roundToInt(-std::numeric_limits<double>::infinity()),
            std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(roundToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace kalmotre
