// Reading UTF-8 a character at a time, as its first byte says.
#include "input/characters.h"

namespace kalmotre {

std::size_t characterBytes(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80                   ? 1
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                             : (lead & 0xF0) == 0xE0       ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return 0;
  }
  const auto second = static_cast<unsigned char>(length > 1 ? text[1] : 0);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
    return 0;  // an overlong form, a surrogate half, or beyond U+10FFFF
  }
  return length;
}

std::string_view firstCharacters(std::string_view text, int limit) {
  std::size_t end = 0;
  for (int characters = 0; characters < limit && end < text.size(); ++characters) {
    const std::size_t length = characterBytes(text.substr(end));
    if (length == 0) break;
    end += length;
  }
  return text.substr(0, end);
}

}  // namespace kalmotre
