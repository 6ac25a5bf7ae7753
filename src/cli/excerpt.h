// Bits of untrusted input, made safe to show in an error message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalmotre::cli {

// The text in single quotes, at most `limit` bytes of it: printable ASCII as it is, every other
// byte (and the quote and backslash) escaped, "..." after the quote when some was left off. A
// 100 MB line or binary noise thus never floods or garbles the terminal.
std::string excerpt(std::string_view text, std::size_t limit = 20);

}  // namespace kalmotre::cli
