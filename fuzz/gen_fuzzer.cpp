// kalmotre-gen's argument parser and draws reader on arbitrary bytes: whatever comes in, the
// answer is either sound options or one short printable message.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/draws_reader.h"
#include "cli/gen_options.h"

namespace {

using namespace kalmotre::cli;

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "kalmotre-gen invariant broken: %s\n", what);
  std::abort();
}

// Short enough for one terminal line or two, and nothing that could steer the terminal.
void requireShowable(const std::string& message) {
  require(!message.empty() && message.size() <= 200, "a message empty or too long");
  for (const char c : message) {
    require(c >= 0x20 && c < 0x7F, "a message with a byte that is not printable");
  }
}

void checkArguments(const std::vector<std::string>& args) {
  const auto parsed = parseGenOptions(args);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    requireShowable(error->message);
    return;
  }
  const GenOptions& options = std::get<GenOptions>(parsed);
  require(options.count >= 1 && options.count <= 10'000'000, "a count out of range");
  require(options.jobs >= 0 && options.jobs <= kMostJobs, "jobs out of range");
  require(!options.drawsFile || !options.drawsFile->empty(), "an empty file name taken");
  require(!options.drawsFile || (!options.seed && !options.verify && options.jobs == 0),
          "a replay with generation options");
}

void checkDraws(const std::string& file) {
  std::istringstream in(file);
  DrawsReader reader(in);
  int count = 0;
  while (const std::optional<double> u = reader.next()) {
    require(*u >= 0.0 && *u < 1.0, "a draw outside 0 <= u < 1");
    ++count;
  }
  if (!reader.error().empty()) requireShowable(reader.error());
  // Once done, the reader stays done.
  require(!reader.next(), "a number after the end or an error");
  require(count <= static_cast<int>(file.size() / 2 + 1), "more numbers than lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  // Arguments with the option names likely, so the parser's deeper branches are reached.
  static const char* const kWords[] = {"--level",  "--count", "--seed", "--draws", "--jobs",
                                       "--verify", "--help",  "leicht", "schwer",  "-h"};
  std::vector<std::string> args;
  const int argc = data.ConsumeIntegralInRange(0, 8);
  for (int k = 0; k < argc; ++k) {
    if (data.ConsumeBool()) {
      args.emplace_back(kWords[data.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)]);
    } else {
      args.push_back(data.ConsumeRandomLengthString(40));
    }
  }
  checkArguments(args);
  checkDraws(data.ConsumeRemainingBytesAsString());
  return 0;
}
