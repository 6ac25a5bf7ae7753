// Quoting input for error messages.
#include "cli/excerpt.h"

namespace kalmotre::cli {

std::string excerpt(std::string_view text, std::size_t limit) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "'";
  const std::size_t shown = text.size() < limit ? text.size() : limit;
  for (std::size_t i = 0; i < shown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\'' || byte == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(byte);
    } else if (byte >= 0x20 && byte < 0x7F) {
      quoted += static_cast<char>(byte);
    } else {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    }
  }
  quoted += '\'';
  if (shown < text.size()) quoted += "...";
  return quoted;
}

}  // namespace kalmotre::cli
