// The broadcast as a web page: the program's core on the page's platform.
// The page's address carries the options: ?seed=N, ?match=CODE with
// &at=MM:SS (and, for the page, ?voice=1).

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/match_code.h"
#include "platform/options.h"
#include "platform/program.h"
#include "web/page.h"
#include "web/web_platform.h"
#include "web/web_view.h"

namespace {

// A text the page hands over, freed once copied.
std::string taken(char* text) {
  std::string copy = text;
  std::free(text);
  return copy;
}

// The options of the page's address; a time that is refused is said in
// `why` and left out, so that the match plays from its kick-off.
Options optionsOfTheAddress(std::string& why) {
  Options options;
  const std::string digits = taken(web_parameter("seed"));
  std::uint64_t seed = 0;
  const char* end = digits.data() + digits.size();
  if (auto [rest, error] = std::from_chars(digits.data(), end, seed);
      !digits.empty() && error == std::errc() && rest == end)
    options.seed = seed;
  if (std::string code = taken(web_parameter("match")); !code.empty()) options.match = code;
  if (const std::string at = taken(web_parameter("at")); !at.empty() && options.match)
    options.atSecond = parseMatchTime(at, why);
  return options;
}

}  // namespace

int main() {
  // They live on after main() returns: the page keeps showing the end.
  static WebPlatform platform;
  static const std::unique_ptr<Program> program = makeProgram(platform);
  static WebView view{*program};
  std::string badTime, badCode;
  const Options options = optionsOfTheAddress(badTime);
  applyOptions(options, platform);
  // A code that is refused leaves a match of the program's own.
  if (!program->open(options, badCode))
    web_notice(badCode.c_str());
  else if (!badTime.empty())
    web_notice(badTime.c_str());
  platform.linkTo(taken(web_site()));
  // The page's speech synthesis, which the page's button or ?voice=1 switches on.
  platform.giveVoice();
  platform.attach(*program, view);
  program->load();
  platform.run();
  return 0;
}
