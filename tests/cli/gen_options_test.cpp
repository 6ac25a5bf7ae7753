#include "cli/gen_options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kalmotre::cli {
namespace {

TEST(GenOptions, DefaultsAndEveryOption) {
  const auto defaults = std::get<GenOptions>(parseGenOptions({}));
  EXPECT_EQ(defaults.level, Level::Schwer);
  EXPECT_EQ(defaults.count, 1);
  EXPECT_FALSE(defaults.seed || defaults.drawsFile);

  const auto options =
      std::get<GenOptions>(parseGenOptions({"--level", "leicht", "--count", "5", "--seed", "1.5"}));
  EXPECT_EQ(options.level, Level::Leicht);
  EXPECT_EQ(options.count, 5);
  EXPECT_EQ(options.seed, 1.5);
  EXPECT_EQ(std::get<GenOptions>(parseGenOptions({"--draws", "f.txt"})).drawsFile, "f.txt");
}

TEST(GenOptions, WrongArgumentsAreUsageErrors) {
  const std::vector<std::vector<std::string>> wrong = {
      {"--level"},
      {"--level", "mittel"},
      {"--count", "0"},
      {"--count", "-3"},
      {"--count", "5x"},
      {"--count", "99999999999999999999"},
      {"--seed", "abc"},
      {"--seed", "1e999"},
      {"--seed", ""},
      {"puzzle"},
      {"--draws", "f", "--count", "2"},
      {"--draws", "f", "--seed", "1"},
  };
  for (const auto& args : wrong) {
    EXPECT_TRUE(std::holds_alternative<UsageError>(parseGenOptions(args))) << args[0];
  }
}

TEST(DrawsFile, ReadsEachNumberExactlyAndNamesTheFirstBadLine) {
  std::istringstream good("0.5\n\n  0.1234567890123456789  \r\n0\n0.9999999999999999\n");
  const auto draws = std::get<std::vector<double>>(readDraws(good));
  EXPECT_EQ(draws, (std::vector<double>{0.5, 0.1234567890123456789, 0.0, 0.9999999999999999}));

  struct Case {
    const char* text;
    const char* message;
  };
  for (const Case c : {Case{"0.5\n1\n", "line 2: '1' is outside 0 <= u < 1"},
                       Case{"-0.1\n", "line 1: '-0.1' is outside 0 <= u < 1"},
                       Case{"0.2\nzwei\n", "line 2: 'zwei' is not a decimal number"},
                       Case{"0.2 0.3\n", "line 1: '0.2 0.3' is not a decimal number"},
                       Case{"nan\n", "line 1: 'nan' is not a decimal number"}}) {
    std::istringstream in(c.text);
    const auto result = readDraws(in);
    ASSERT_TRUE(std::holds_alternative<DrawsError>(result)) << c.text;
    EXPECT_EQ(std::get<DrawsError>(result).message, c.message);
  }
}

}  // namespace
}  // namespace kalmotre::cli
