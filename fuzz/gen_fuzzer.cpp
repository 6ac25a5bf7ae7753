// kalmotre-gen's argument parser, draws reader and puzzle lines, and the game's snapshot reader,
// on arbitrary bytes: whatever comes in, the answer is sound data or one short printable message.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/draws_reader.h"
#include "cli/gen_options.h"
#include "cli/puzzle_lines.h"
#include "midend/snapshot.h"

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

// Every line is judged and every message names its line; nothing is printed for a faulty one.
void checkPuzzleLines(const std::string& text) {
  for (const Judging judging : {Judging::Solve, Judging::CountSolutions}) {
    std::stringbuf in(text);
    std::size_t printed = 0;
    judgeLines(
        in, judging, 1,
        [&](std::string_view line) {
          require(line.size() == (judging == Judging::Solve ? 82u : 2u), "a malformed answer");
          printed += line.size();
          return true;
        },
        [&](std::string_view message) {
          require(
              message.substr(0, 5) == "line " && message.size() <= 240 && message.back() == '\n',
              "a message that names no line");
          for (const char c : message.substr(0, message.size() - 1)) {
            require(c >= 0x20 && c < 0x7F, "a message with a byte that is not printable");
          }
        });
    require(printed <= text.size() + 82, "more printed than read");
  }
}

// A snapshot the reader takes is written back as it was read.
void checkSnapshot(const std::string& text) {
  kalmotre::GameState game;
  kalmotre::InterfaceState ui;
  if (!kalmotre::readSnapshot(text, game, ui)) return;
  const std::string written = kalmotre::writeSnapshot(game, ui);
  kalmotre::GameState again;
  kalmotre::InterfaceState againUi;
  require(kalmotre::readSnapshot(written, again, againUi), "a written snapshot refused");
  require(kalmotre::writeSnapshot(again, againUi) == written, "a snapshot not read as written");
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
  const std::string rest = data.ConsumeRemainingBytesAsString();
  checkDraws(rest);
  checkPuzzleLines(rest);
  checkSnapshot(rest);
  return 0;
}
