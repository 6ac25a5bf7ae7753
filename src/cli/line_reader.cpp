// Reading a line at a time through pieces of what has arrived, never keeping more of a line than
// the bound and a carriage return.
#include "cli/line_reader.h"

#include <algorithm>
#include <cstring>

namespace kalmotre::cli {

namespace {
constexpr std::streamsize kPiece = 1 << 16;
}  // namespace

bool LineReader::refill() {
  using traits = std::streambuf::traits_type;
  piece_.clear();
  at_ = 0;
  const int c = in_->sbumpc();  // the one read that may wait
  if (c == traits::eof()) return false;
  piece_ += static_cast<char>(c);
  const std::streamsize waiting = std::min(in_->in_avail(), kPiece);
  if (waiting > 0) {
    piece_.resize(1 + static_cast<std::size_t>(waiting));
    piece_.resize(1 + static_cast<std::size_t>(in_->sgetn(piece_.data() + 1, waiting)));
  }
  return true;
}

bool LineReader::next(std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  if (in_ == nullptr) return false;
  bool any = false;
  for (;;) {
    if (at_ == piece_.size() && !refill()) {
      if (!any) return false;
      break;
    }
    any = true;
    const char* start = piece_.data() + at_;
    const std::size_t left = piece_.size() - at_;
    const char* end = static_cast<const char*>(std::memchr(start, '\n', left));
    const std::size_t length = end != nullptr ? static_cast<std::size_t>(end - start) : left;
    const std::size_t room = limit_ + 1 - line.size();
    if (length > room) {
      line.append(start, room);
      tooLong = true;
      if (past_ == Past::Stop) {
        at_ += room + 1;  // the byte found past the bound is gone, as when read one at a time
        break;
      }
    } else {
      line.append(start, length);
    }
    at_ += length;
    if (end != nullptr) {
      ++at_;
      break;
    }
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > limit_) {
    tooLong = true;
    line.resize(limit_);
  }
  return true;
}

}  // namespace kalmotre::cli
