// The broadcast as a web page: the program's core on the page's platform.
// The page's address carries the options: ?seed=N (and, for the page, ?voice=1).

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/options.h"
#include "platform/program.h"
#include "web/web_platform.h"
#include "web/web_view.h"

extern "C" {
// The seed's text in the page's address, "" when none was given.
const char* web_seed();
// The page says why the broadcast does not start.
void web_refuse(const char* why);
}

namespace {

// The options of the page's address, or nothing when the address asks for
// what cannot be: a seed that is not a whole number of 64 bits is refused, as
// the desktop's --seed refuses it, rather than played as no seed at all.
std::optional<Options> optionsOfTheAddress() {
  Options options;
  const std::string_view text = web_seed();
  if (text.empty()) return options;
  std::uint64_t seed = 0;
  const char* end = text.data() + text.size();
  const bool digits = text.find_first_not_of("0123456789") == std::string_view::npos;
  if (auto [rest, error] = std::from_chars(text.data(), end, seed);
      !digits || error != std::errc() || rest != end) {
    const std::string why = "The seed must be a whole number from 0 to " +
                            std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not '" +
                            std::string(text) + "'.";
    web_refuse(why.c_str());
    return std::nullopt;
  }
  options.seed = seed;
  return options;
}

}  // namespace

int main() {
  const std::optional<Options> options = optionsOfTheAddress();
  if (!options) return 0;
  // They live on after main() returns: the page keeps showing the end.
  static WebPlatform platform;
  static const std::unique_ptr<Program> program = makeProgram(platform);
  static WebView view{*program};
  applyOptions(*options, platform);
  // The page's speech synthesis, which the page's button or ?voice=1 switches on.
  platform.giveVoice();
  platform.attach(*program, view);
  program->load();
  platform.run();
  return 0;
}
