// The broadcast as a web page: the program's core on the page's platform.
// The page's address carries the options: ?seed=N, ?match=CODE with
// &at=MM:SS, ?live for the live channel (and, for the page, ?voice=1).

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/match_code.h"
#include "live/channel.h"
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

// The options of the page's address, or nothing when the address asks for
// what cannot be: a seed that is not a whole number of 64 bits is refused, as
// the desktop's --seed refuses it, rather than played as no seed at all. A
// start time that is refused is said in `badTime` and left out, so that the
// match plays from its kick-off.
std::optional<Options> optionsOfTheAddress(std::string& badTime) {
  Options options;
  if (const std::string text = taken(web_parameter("seed")); !text.empty()) {
    std::string why;
    options.seed = parseSeed(text, text, why);
    if (!options.seed) {
      web_refuse(why.c_str());
      return std::nullopt;
    }
  }
  if (std::string code = taken(web_parameter("match")); !code.empty()) options.match = code;
  options.live = web_live_asked() != 0;
  if (const std::string at = taken(web_parameter("at")); !at.empty() && options.match)
    options.atSecond = parseMatchTime(at, badTime);
  return options;
}

// The channel's match on now, opened and followed. A match within its last
// eighth of a second counts as over: the kick-off's phase may have ended it
// that much ahead of the channel.
void tuneIn(Program& program) {
  web_live_clock();
  const auto now = [] { return static_cast<std::int64_t>(web_live_now()); };
  const LiveMatch on = onAir(static_cast<std::uint64_t>(now()) + 8).match;
  std::string why;
  program.open(Options{.match = on.code}, why);
  program.followLive(
      [now, kickOff = static_cast<std::int64_t>(on.kickOffAt)] { return now() - kickOff; });
  web_live(on.code.c_str());
}

}  // namespace

int main() {
  std::string badTime, badCode;
  const std::optional<Options> options = optionsOfTheAddress(badTime);
  if (!options) return 0;
  // They live on after main() returns: the page keeps showing the end.
  static WebPlatform platform;
  static std::unique_ptr<Program> program;
  static std::unique_ptr<WebView> view;
  applyOptions(*options, platform);
  platform.live = options->live;
  platform.linkTo(taken(web_site()));
  // The page's speech synthesis, which the page's button or ?voice=1 switches on.
  platform.giveVoice();
  // On the live channel a match that ends by itself hands over to the next
  // in the same page, whose voice and full screen stay as the viewer left
  // them; each match has a program and a window of its own.
  do {
    view.reset();
    program = makeProgram(platform);
    // Between the pieces of the start-up the browser may take control back
    // (when the program has held it long), so that the page stays responsive.
    web_pause();
    if (options->live) tuneIn(*program);
    // A code that is refused leaves a match of the program's own.
    else if (!program->open(*options, badCode))
      web_notice(badCode.c_str());
    else if (!badTime.empty())
      web_notice(badTime.c_str());
    else if (options->atSecond && *options->atSecond > 0)
      web_starts(startsAt(*options->atSecond).c_str());
    web_pause();
    view = std::make_unique<WebView>(*program);
    platform.attach(*program, *view);
    std::string inputs, skits;
    for (const char* name : InputNames) inputs += std::string(name) + "\n";
    for (const std::string& name : program->skits()) skits += name + "\n";
    web_names(inputs.c_str(), skits.c_str());
    web_pause();
    program->load();
    platform.run();
  } while (options->live && !program->viewerLeft());
  return 0;
}
