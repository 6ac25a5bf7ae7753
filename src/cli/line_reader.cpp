// Reading a line a byte at a time, never keeping more of it than the bound and a carriage return.
#include "cli/line_reader.h"

namespace kalmotre::cli {

bool LineReader::next(std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  if (in_ == nullptr) return false;
  using traits = std::streambuf::traits_type;
  int c = in_->sbumpc();
  if (c == traits::eof()) return false;
  for (; c != traits::eof() && c != '\n'; c = in_->sbumpc()) {
    if (line.size() < limit_ + 1) {
      line += static_cast<char>(c);
      continue;
    }
    tooLong = true;
    if (past_ == Past::Stop) break;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > limit_) {
    tooLong = true;
    line.resize(limit_);
  }
  return true;
}

}  // namespace kalmotre::cli
