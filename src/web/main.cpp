// The broadcast as a web page: the program's core on the page's platform.
// The page's address carries the options: ?seed=N (and, for the page, ?voice=1).

#include <charconv>
#include <cstdint>
#include <cstring>

#include "platform/options.h"
#include "platform/program.h"
#include "web/web_platform.h"
#include "web/web_view.h"

extern "C" {
// The seed's digits in the page's address, "" when none was given.
const char* web_seed();
}

namespace {

Options optionsOfTheAddress() {
  Options options;
  const char* digits = web_seed();
  std::uint64_t seed = 0;
  const char* end = digits + std::strlen(digits);
  if (auto [rest, error] = std::from_chars(digits, end, seed);
      *digits && error == std::errc() && rest == end)
    options.seed = seed;
  return options;
}

}  // namespace

int main() {
  // They live on after main() returns: the page keeps showing the end.
  static WebPlatform platform;
  static const std::unique_ptr<Program> program = makeProgram(platform);
  static WebView view{*program};
  const Options options = optionsOfTheAddress();
  applyOptions(options, platform);
  // The page's speech synthesis, which the page's button or ?voice=1 switches on.
  platform.giveVoice();
  platform.attach(*program, view);
  program->load();
  platform.run();
  return 0;
}
