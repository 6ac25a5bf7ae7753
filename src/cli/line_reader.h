// Lines of untrusted input, each read up to a bound, so that memory stays flat whatever the file
// holds (/dev/zero, a 100 MB line).
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>

namespace kalmotre::cli {

// Reads lines of at most `limit` bytes from `in` (none from a null buffer). A final line without
// a line break counts; a carriage return before the break goes. Of a longer line, `line` keeps
// the first `limit` bytes and `tooLong` is set; with Past::ReadOn the rest of it is read past, so
// the next line follows, and with Past::Stop it is left unread, for a caller that stops there.
// What has arrived is taken from `in` in pieces, never waiting for more than the next byte, so a
// line typed on a terminal is read as soon as it ends; what is left of a piece is the reader's,
// so nothing else should read from `in` once a line has been read.
class LineReader {
 public:
  enum class Past { ReadOn, Stop };

  LineReader(std::streambuf* in, std::size_t limit, Past past = Past::ReadOn)
      : in_(in), limit_(limit), past_(past) {}
  // False at the end of the input.
  bool next(std::string& line, bool& tooLong);

 private:
  // Takes what has arrived into `piece_`; false at the end of the input.
  bool refill();

  std::streambuf* in_;
  std::size_t limit_;
  Past past_;
  std::string piece_;
  std::size_t at_ = 0;  // the next unread byte of `piece_`
};

}  // namespace kalmotre::cli
