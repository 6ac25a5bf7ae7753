// kalmotre-gen: the game's generator on the command line, for puzzle files and replays.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "board/one_line.h"
#include "cli/gen_options.h"
#include "input/main_form.h"

namespace {

using namespace kalmotre;

int replay(const cli::GenOptions& options) {
  std::ifstream file(*options.drawsFile);
  if (!file) {
    std::cerr << "kalmotre-gen: cannot read " << *options.drawsFile << "\n";
    return 1;
  }
  auto draws = cli::readDraws(file);
  if (auto* error = std::get_if<cli::DrawsError>(&draws)) {
    std::cerr << "kalmotre-gen: " << *options.drawsFile << ": " << error->message << "\n";
    return 1;
  }
  NullView view;
  ScriptedRandomSource random(std::get<std::vector<double>>(std::move(draws)));
  SystemClock clock;
  MainForm form(view, random, clock);
  form.Form_Load();
  form.playerChoseLevel(options.level);
  try {
    form.btnGO_Click();
  } catch (const DrawsExhausted& exhausted) {
    std::cerr << "kalmotre-gen: " << *options.drawsFile << ": ran out of draws after "
              << exhausted.used() << "\n";
    return 1;
  }
  std::cout << "puzzle " << oneLine(form.form().board) << "\n"
            << "solution " << oneLine(form.form().state.solution) << "\n"
            << "givens " << oneLine(form.form().state.givens) << "\n"
            << "draws " << random.drawCount() << "\n";
  return 0;
}

int generate(const cli::GenOptions& options) {
  NullView view;
  EngineRandomSource random;
  SystemClock systemClock;
  // The k-th reading is the first plus k seconds, so every puzzle of a run gets its own seed.
  SteppingClock clock(options.seed ? *options.seed : systemClock.secondsSinceMidnight(), 1.0);
  MainForm form(view, random, clock);
  form.Form_Load();
  form.playerChoseLevel(options.level);
  for (long k = 0; k < options.count; ++k) {
    form.btnGO_Click();
    std::cout << oneLine(form.form().board) << "\n";
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = cli::parseGenOptions(args);
  if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
    std::cerr << "kalmotre-gen: " << error->message << "\n" << cli::kUsage;
    return 2;
  }
  const auto& options = std::get<cli::GenOptions>(parsed);
  if (options.help) {
    std::cout << cli::kUsage;
    return 0;
  }
  return options.drawsFile ? replay(options) : generate(options);
}
