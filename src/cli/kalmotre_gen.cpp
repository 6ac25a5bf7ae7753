// kalmotre-gen: the game's generator on the command line, for puzzle files and replays.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "board/one_line.h"
#include "cli/draws_reader.h"
#include "cli/excerpt.h"
#include "cli/gen_options.h"
#include "cli/ordered_jobs.h"
#include "cli/puzzle_lines.h"
#include "cli/verify.h"
#include "generate/carving.h"
#include "generate/shuffle.h"

namespace {

using namespace kalmotre;

// Says once on stderr that the output could not be written, when `written` is false.
bool reportWrite(bool written) {
  if (!written) {
    std::fprintf(stderr, "kalmotre-gen: cannot write the output: %s\n", std::strerror(errno));
  }
  return written;
}

// Writes all of the text to standard output.
bool writeOut(std::string_view text) {
  return reportWrite(std::fwrite(text.data(), 1, text.size(), stdout) == text.size());
}

bool flushOut() {
  return reportWrite(std::fflush(stdout) == 0);
}

int replay(const cli::GenOptions& options) {
  const std::string fileName = cli::excerpt(*options.drawsFile, 200);
  // Asked of the system first, so the message can say why a file cannot be read.
  const int fd = ::open(options.drawsFile->c_str(), O_RDONLY);
  if (fd < 0) {
    std::fprintf(stderr, "kalmotre-gen: cannot read %s: %s\n", fileName.c_str(),
                 std::strerror(errno));
    return 1;
  }
  struct stat info {};
  const bool directory = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
  ::close(fd);
  if (directory) {
    std::fprintf(stderr, "kalmotre-gen: cannot read %s: it is a directory\n", fileName.c_str());
    return 1;
  }
  std::ifstream file(*options.drawsFile, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "kalmotre-gen: cannot read %s: %s\n", fileName.c_str(),
                 std::strerror(errno));
    return 1;
  }
  cli::DrawsReader reader(file);
  cli::ReaderRandomSource random(reader);
  std::string text;
  try {
    const Grid solution = shuffledGrid(random);
    const Grid puzzle = carvePuzzle(solution, solution, options.level, random);
    // The clue record is the puzzle as handed out.
    text = "puzzle " + oneLine(puzzle) + "\nsolution " + oneLine(solution) + "\ngivens " +
           oneLine(puzzle) + "\ndraws " + std::to_string(random.drawCount()) + "\n";
  } catch (const DrawsExhausted& exhausted) {
    std::fprintf(stderr, "kalmotre-gen: %s: ran out of draws after %lld\n", fileName.c_str(),
                 exhausted.used());
    return 1;
  } catch (const cli::DrawsFileError& error) {
    std::fprintf(stderr, "kalmotre-gen: %s: %s\n", fileName.c_str(), error.what());
    return 1;
  }
  return writeOut(text) && flushOut() ? 0 : 1;
}

// A puzzle of the run: its seed is its number in the run, so puzzle k comes out the same
// whichever thread makes it.
struct Made {
  Grid solution;
  Grid puzzle;
};

// One thread's own random source: nothing is shared between the makers of a run.
class PuzzleMaker {
 public:
  explicit PuzzleMaker(Level level) : level_(level) {}
  Made make(std::uint64_t seed) {
    random_.seedBits(seed);
    Made made{shuffledGrid(random_), {}};
    made.puzzle = carvePuzzle(made.solution, made.solution, level_, random_);
    return made;
  }

 private:
  Level level_;
  EngineRandomSource random_;
};

struct Block {
  std::string text;
  long failures = 0;
};

constexpr long kBlockSize = 64;

std::uint64_t seedFromClock() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch() /
                                    std::chrono::nanoseconds(1));
}

int generate(const cli::GenOptions& options) {
  const std::uint64_t firstSeed = options.seed ? *options.seed : seedFromClock();
  const long blocks = (options.count + kBlockSize - 1) / kBlockSize;
  int jobs = options.jobs;
  if (jobs == 0) jobs = static_cast<int>(std::thread::hardware_concurrency());
  // More threads than blocks would only wait.
  if (blocks < jobs) jobs = static_cast<int>(blocks);
  jobs = std::clamp(jobs, 1, cli::kMostJobs);

  std::vector<std::unique_ptr<PuzzleMaker>> makers;
  for (int w = 0; w < jobs; ++w) makers.push_back(std::make_unique<PuzzleMaker>(options.level));

  auto produce = [&](int worker, long block) {
    Block result;
    const long first = block * kBlockSize;
    const long last = std::min(options.count, first + kBlockSize);
    for (long k = first; k < last; ++k) {
      // Unsigned arithmetic wraps: seed S + k modulo 2^64.
      const std::uint64_t seed = firstSeed + static_cast<std::uint64_t>(k);
      const Made made = makers[static_cast<std::size_t>(worker)]->make(seed);
      const std::string puzzle = oneLine(made.puzzle);
      if (!options.verify) {
        result.text += puzzle;
        result.text += '\n';
        continue;
      }
      const std::string solution = oneLine(made.solution);
      const std::string problem = cli::verifyPuzzle(puzzle, solution);
      if (problem.empty()) continue;
      ++result.failures;
      result.text += "failed: seed " + std::to_string(seed) + ": " + problem + "\npuzzle   " +
                     puzzle + "\nsolution " + solution + "\n";
    }
    return result;
  };
  long failures = 0;
  auto consume = [&](Block&& block) {
    failures += block.failures;
    return writeOut(block.text);
  };
  if (!cli::runInOrder<Block>(blocks, jobs, produce, consume)) return 1;
  if (options.verify) {
    const std::string summary = "verified " + std::to_string(options.count) +
                                " puzzles: " + std::to_string(failures) + " failures\n";
    if (!writeOut(summary)) return 1;
  }
  if (!flushOut()) return 1;
  return failures == 0 ? 0 : 1;
}

// Standard input read in large pieces straight from the descriptor. `beforeRead`, when set, runs
// before each read, which may wait for the input.
class StandardInput : public std::streambuf {
 public:
  std::function<void()> beforeRead;

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (beforeRead) beforeRead();
    ssize_t n = 0;
    do {
      n = ::read(STDIN_FILENO, buffer_, sizeof buffer_);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) return traits_type::eof();  // a read error ends the input like its end
    setg(buffer_, buffer_, buffer_ + n);
    return traits_type::to_int_type(*gptr());
  }

 private:
  char buffer_[1 << 16];
};

// Puzzles from standard input, judged line by line. The answers are written in large pieces, and,
// on one thread, before the input is read again, so that a puzzle typed on a terminal or sent by a
// program that waits for its answer is answered at once. After a failed write nothing more is
// written, and the run ends with 1.
int judge(cli::Judging judging, int jobs) {
  static StandardInput input;
  std::string pending;
  bool written = true;
  auto flushPending = [&] {
    if (written && !pending.empty()) written = writeOut(pending) && flushOut();
    pending.clear();
    return written;
  };
  auto out = [&](std::string_view text) {
    pending += text;
    return written && (pending.size() < (1u << 16) || flushPending());
  };
  auto fault = [&](std::string_view text) {
    // What came before the message is out first, so both streams keep the input's order.
    if (!flushPending()) return;
    std::fprintf(stderr, "kalmotre-gen: %.*s", static_cast<int>(text.size()), text.data());
  };
  // On several threads lines are read in blocks, not as they come, and the answers are written
  // by another thread than the reading one.
  if (jobs <= 1) input.beforeRead = [&] { flushPending(); };
  const int status = cli::judgeLines(input, judging, std::max(jobs, 1), out, fault);
  input.beforeRead = nullptr;
  if (!flushPending() || !flushOut()) return 1;
  return written ? status : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = cli::parseGenOptions(args);
  if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
    std::fprintf(stderr, "kalmotre-gen: %s\n%s", error->message.c_str(), cli::kUsage);
    return 2;
  }
  const auto& options = std::get<cli::GenOptions>(parsed);
  if (options.help) return writeOut(cli::kUsage) && flushOut() ? 0 : 1;
  // Memory the system will not give (a small address space) ends the run with one line.
  try {
    if (options.judging) return judge(*options.judging, options.jobs);
    return options.drawsFile ? replay(options) : generate(options);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "kalmotre-gen: not enough memory to go on\n");
  } catch (const std::system_error& error) {
    std::fprintf(stderr, "kalmotre-gen: the system refused: %s\n", error.what());
  }
  return 1;
}
