#include "platform/options.h"

#include <charconv>
#include <limits>

std::optional<std::uint64_t> parseSeed(std::string_view text, std::string_view shown,
                                       std::string& why) {
  std::uint64_t seed = 0;
  const char* end = text.data() + text.size();
  const bool digits = !text.empty() && text.find_first_not_of("0123456789") == text.npos;
  if (auto [rest, error] = std::from_chars(text.data(), end, seed);
      digits && error == std::errc() && rest == end)
    return seed;
  why = "The seed must be a whole number from 0 to " +
        std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not '" + std::string(shown) +
        "'.";
  return std::nullopt;
}
