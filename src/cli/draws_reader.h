// The draws file of kalmotre-gen, read one number at a time as the replay asks for them.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

#include "cli/line_reader.h"
#include "generate/random_source.h"

namespace kalmotre::cli {

// One decimal number per line, each with 0 <= u < 1; blank lines are skipped. A replay takes about
// 1 200 numbers, so only what it asks for is read, and a line may not be longer than a number can
// sensibly be written: whatever the file (/dev/zero, a 100 MB line), memory stays flat.
class DrawsReader {
 public:
  static constexpr std::size_t kLongestLine = 64;

  explicit DrawsReader(std::istream& in)
      : lines_(in.rdbuf(), kLongestLine, LineReader::Past::Stop) {}
  // The next number; nothing at the end of the file or at the first bad line, whose problem
  // error() then names.
  std::optional<double> next();
  const std::string& error() const { return error_; }

 private:
  std::optional<double> readNext();

  LineReader lines_;
  std::string line_;
  long long lineNumber_ = 0;
  std::string error_;
};

class DrawsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Feeds a generation from a draws file; seeding changes nothing. Throws DrawsExhausted when the
// file ends and DrawsFileError at a bad line.
class ReaderRandomSource final : public RandomSource {
 public:
  explicit ReaderRandomSource(DrawsReader& reader) : reader_(reader) {}
  void seed(double) override {}

 protected:
  double draw() override;

 private:
  DrawsReader& reader_;
};

}  // namespace kalmotre::cli
