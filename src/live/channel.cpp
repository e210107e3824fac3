#include "live/channel.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "app/form1.h"
#include "platform/options.h"
#include "virtual/virtual_platform.h"

namespace {

// SplitMix64: every bit of the slot's number spread over the seed.
std::uint64_t mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The tail of an hour needs room for the shortest filler and its shortest
// countdown.
std::uint64_t tailReserve() { return ShortestCountdownSteps + Fillers.front().steps; }

LiveMatch fromCode(const char* code, std::string& why) {
  LiveMatch m;
  m.filler = true;
  m.code = code;
  m.kickOff = decodeMatch(code, why).value_or(KickOff{});
  return m;
}

// Fills `left` steps from a match's end to the next anchor with fillers,
// each with its countdown, the last ending exactly at the anchor. Each takes
// an even share of what is left; of the fillers that fit a share, the hour
// picks one.
void fillTail(std::uint64_t hour, std::uint64_t from, std::uint64_t left,
              std::vector<LiveMatch>& out) {
  const std::uint64_t longest = CountdownSteps + Fillers.back().steps;
  std::uint64_t n = (left + longest - 1) / longest;
  for (; n > 0; --n) {
    const std::uint64_t share = left / n;
    std::vector<const Filler*> fit;
    for (const Filler& f : Fillers)
      if (f.steps + ShortestCountdownSteps <= share && f.steps + CountdownSteps >= share)
        fit.push_back(&f);
    if (fit.empty()) break;  // the table's gaps are checked by its test
    const Filler& f = *fit[mix(hour * 64 + n) % fit.size()];
    std::string why;
    LiveMatch m = fromCode(f.code, why);
    m.hour = hour;
    m.index = static_cast<int>(out.size());
    m.lineupsAt = from;
    m.kickOffAt = from + share - f.steps;
    m.endAt = from + share;
    // A filler is far too short for full time: the walk-off ends it.
    out.push_back(m);
    from += share;
    left -= share;
  }
}

bool leapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

}  // namespace

KickOff slotKickOff(std::uint64_t hour, int index) {
  return builderKickOff(mix(hour << 8 | static_cast<std::uint64_t>(index)));
}

KickOff builderKickOff(std::uint64_t seed) {
  VirtualPlatform platform;
  Form1 form{platform};
  platform.attach(form);
  applyOptions(Options{.seed = seed}, platform);
  form.load();
  for (Button& random : form.Command1) form.click(random);
  const Random::Position position = form.rnd().position().value_or(Random::Position{});
  KickOff k{position.seed, position.draws};
  for (std::size_t list = 0; list < k.syllables.size(); ++list)
    k.syllables[list] = form.Combo1[list].listIndex;
  k.phase = static_cast<int>(mix(seed) % 8);
  return k;
}

PlayedMatch playUnseen(const KickOff& kickOff, std::uint64_t most) {
  VirtualPlatform platform;
  Form1 form{platform};
  platform.attach(form);
  form.replay.open(kickOff);
  form.load();
  PlayedMatch played{form.Label17.caption, form.Label18.caption};
  platform.at(1, [&form] { form.click(form.Command5); });
  while (!form.ended()) {
    platform.run(LiveStepsPerSecond);
    const std::optional<std::uint64_t> from = form.replay.kickOffStep();
    if (from && platform.step() - *from > most && !form.ended()) return played;
  }
  played.steps = platform.step() - form.replay.kickOffStep().value_or(0);
  played.ended = true;
  for (const Moment& m : form.replay.moments()) played.fullTime |= m.kind == MomentKind::FullTime;
  return played;
}

std::vector<LiveMatch> hourOnAir(std::uint64_t hour, std::uint64_t until) {
  std::vector<LiveMatch> out;
  const std::uint64_t next = (hour + 1) * LiveStepsPerHour;
  std::uint64_t from = hour * LiveStepsPerHour;
  for (int index = 0;; ++index) {
    // Kick-offs fall on whole seconds, a minute after the second the last
    // match ended in. A match must end with room for the tail before the
    // next anchor.
    const std::uint64_t second = (from + LiveStepsPerSecond - 1) / LiveStepsPerSecond;
    const std::uint64_t kickOffAt = second * LiveStepsPerSecond + CountdownSteps;
    if (kickOffAt + tailReserve() > next) break;
    const std::uint64_t room = next - tailReserve() - kickOffAt;
    LiveMatch m;
    m.hour = hour;
    m.index = index;
    m.kickOff = slotKickOff(hour, index);
    const PlayedMatch played = playUnseen(m.kickOff, room);
    if (!played.ended || played.steps > room) break;
    m.code = encodeMatch(m.kickOff);
    m.lineupsAt = from;
    m.kickOffAt = kickOffAt;
    m.endAt = kickOffAt + played.steps;
    m.fullTime = played.fullTime;
    m.home = played.home;
    m.away = played.away;
    out.push_back(m);
    from = m.endAt;
    if (from > until) return out;
  }
  fillTail(hour, from, next - from, out);
  return out;
}

OnAir onAir(std::uint64_t step) {
  const std::vector<LiveMatch> hour = hourOnAir(step / LiveStepsPerHour, step);
  for (const LiveMatch& m : hour)
    if (step < m.endAt) return {m, step};
  // Unreachable: the hour's last match ends at the next anchor.
  return {hour.back(), step};
}

std::vector<LiveMatch> schedule(std::uint64_t step, int count) {
  std::vector<LiveMatch> out;
  for (std::uint64_t hour = step / LiveStepsPerHour; static_cast<int>(out.size()) < count; ++hour)
    for (const LiveMatch& m : hourOnAir(hour))
      if (m.endAt > step && static_cast<int>(out.size()) < count) out.push_back(m);
  return out;
}

std::optional<std::uint64_t> parseUtc(const std::string& text, std::string& why) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
  const char* c = text.c_str();
  bool ok = std::sscanf(c, "%4d-%2d-%2d%n", &y, &mo, &d, &used) == 3 && used == 10;
  std::uint64_t fraction = 0;
  if (ok && text.size() > 10) {
    int more = 0;
    ok = std::sscanf(c + 10, "T%2d:%2d:%2d%n", &h, &mi, &s, &more) == 3 && more == 9;
    std::size_t at = 19;
    if (ok && at < text.size() && text[at] == '.') {
      std::uint64_t scale = 1;
      std::uint64_t value = 0;
      for (++at; at < text.size() && text[at] >= '0' && text[at] <= '9' && scale < 1000000000;
           ++at) {
        value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
        scale *= 10;
      }
      fraction = value * LiveStepsPerSecond / scale;
    }
    ok = ok && at + 1 == text.size() && text[at] == 'Z';
  }
  static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (!ok || y < 1970 || mo < 1 || mo > 12 || d < 1 ||
      d > Days[mo - 1] + (mo == 2 && leapYear(y)) || h > 23 || mi > 59 || s > 59) {
    why = "A time is a UTC date and time such as 2026-12-24T20:05:00Z.";
    return std::nullopt;
  }
  const std::int64_t seconds = daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
  return static_cast<std::uint64_t>(seconds) * LiveStepsPerSecond + fraction;
}

std::string utcText(std::uint64_t step) {
  const std::time_t seconds = static_cast<std::time_t>(step / LiveStepsPerSecond);
  std::tm t{};
  gmtime_r(&seconds, &t);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &t);
  return text;
}
