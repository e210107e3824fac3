// A match code holds a kick-off in 24 characters an address can carry; a
// code that is not one the program made is refused with one sentence, never
// played as another match.

#include "app/match_code.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <string>

namespace {

KickOff kickOff(std::uint64_t seed, std::uint64_t draws, std::array<int, 6> syllables,
                std::optional<int> phase, bool beforeHeartbeat) {
  KickOff k;
  k.seed = seed;
  k.draws = draws;
  k.syllables = syllables;
  k.phase = phase;
  k.beforeHeartbeat = beforeHeartbeat;
  return k;
}

// A code made by the first version: it must keep playing this kick-off.
constexpr const char* Made = "BGE2ij6F5usAAAmkUwpsiewj";
const KickOff MadeKickOff = kickOff(1751234567890123456ull, 1234, {1, 2, 6, 0, 5, 3}, 3, true);

}  // namespace

TEST(MatchCode,
     EveryKickOffMakesA24CharacterCodeThatGivesItBackAndCodesOfTheFirstVersionStillPlay) {
  const KickOff kickOffs[] = {
      kickOff(0, 0, {0, 0, 0, 0, 0, 0}, std::nullopt, false),
      kickOff(std::numeric_limits<std::uint64_t>::max(), MostDraws, {5, 5, 8, 5, 5, 8}, 7, true),
      kickOff(1998, 6, {1, 2, 8, 0, 5, 3}, 0, false),
      MadeKickOff,
  };
  for (const KickOff& k : kickOffs) {
    const std::string code = encodeMatch(k);
    SCOPED_TRACE(code);
    ASSERT_EQ(code.size(), MatchCodeLength);
    EXPECT_EQ(
        code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
        std::string::npos);
    std::string why;
    EXPECT_EQ(decodeMatch(code, why), k) << why;
  }
  EXPECT_EQ(encodeMatch(MadeKickOff), Made);
  // Nothing the program cannot make has a code.
  EXPECT_EQ(encodeMatch(kickOff(1, MostDraws + 1, {}, 0, false)), "");
  EXPECT_EQ(encodeMatch(kickOff(1, 0, {0, 6, 0, 0, 0, 0}, 0, false)), "");
  EXPECT_EQ(encodeMatch(kickOff(1, 0, {0, 0, 0, 0, 0, -1}, 0, false)), "");
  EXPECT_EQ(encodeMatch(kickOff(1, 0, {}, 8, false)), "");
}

TEST(MatchCode, EveryMistypedCharacterIsRefused) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  std::string why;
  for (std::size_t at = 0; at < MatchCodeLength; ++at)
    for (const char c : alphabet) {
      std::string code = Made;
      if (code[at] == c) continue;
      code[at] = c;
      EXPECT_FALSE(decodeMatch(code, why)) << code;
    }
  // Two neighbours swapped.
  for (std::size_t at = 0; at + 1 < MatchCodeLength; ++at) {
    std::string code = Made;
    std::swap(code[at], code[at + 1]);
    if (code != Made) {
      EXPECT_FALSE(decodeMatch(code, why)) << code;
    }
  }
}

TEST(MatchCode, ABadCodeOrTimeIsRefusedWithOneSentenceThatSaysWhatIsWrong) {
  const std::string garbage(100 * 1024, '\x9f');
  std::string fullWidth;
  for (int k = 0; k < 24; ++k) fullWidth += "\xef\xbc\xa1";  // U+FF21, a wide A
  std::string lowercase = Made;
  for (char& c : lowercase) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string alphabet =
      "A match code holds only letters, digits, '-' and '_'; its character ";
  const std::string asTheClock = "A match time is minutes and seconds, such as 20:05";
  enum { Code, Time };
  const struct {
    int what;
    std::string text;
    std::string why;
  } refusals[] = {
      {Code, "", "The match code is empty."},
      {Code, "BGE2ij6F5usAAAmkUwpsiew", "A match code has 24 characters; this one has 23."},
      {Code, std::string(Made) + "j", "A match code has 24 characters; this one has 25."},
      {Code, "\xef\xbb\xbf" + std::string(Made),
       "A match code has 24 characters; this one has 25."},  // a byte-order mark first
      {Code, garbage, "A match code has 24 characters; this one has 102400."},
      {Code, fullWidth, alphabet + "1 is not one."},
      {Code, "BGE2ij6F5usAAAmkUwps+ewj", alphabet + "21 is not one."},
      {Code, std::string("BGE2ij6F5usAAAmkUwps=\n\0j", 24), alphabet + "21 is not one."},
      {Code, "BGE2ij6F5usAAAmkUwpsi\xc3\xa9wj", alphabet + "22 is not one."},
      {Code, "BGE2ij6F5usAAAmkUwpsi\xc3\xa9j", "A match code has 24 characters; this one has 23."},
      // A check that does not hold is said before anything the code says.
      {Code, "AGE2ij6F5usAAAmkUwpsiewj",
       "This match code is mistyped: its check characters do not match the rest."},
      {Code, lowercase, "This match code is mistyped: its check characters do not match the rest."},
      {Code, "BGE2ij6F5usAAAmkUwpsiewk",
       "This match code is mistyped: its check characters do not match the rest."},
      {Code, "CAAAAAAAAB84AAAMVApgvTqO",
       "This match was played by a later version of the broadcast (rules 2); update the "
       "program to watch it."},
      {Code, "AAAAAAAAAB84AAAMVApgR-DS",
       "This match code names rules 0, which no version of the broadcast played."},
      {Code, "BAAAAAAAAB86AAACVAps_fi7",
       "This match code asks for more draws than a match can make."},
      {Code, "BAAAAAAAAB84AAANlAps60P2",
       "This match code names a syllable that is not in its list."},
      {Code, "BAAAAAAAAB84AAAMVAssd8a-",
       "This match code names a syllable that is not in its list."},
      {Code, "BAAAAAAAAB84AAAMVApxeY-O",
       "This match code names a kick-off step that no clock has."},
      {Time, "99:99", asTheClock + ": 99:99 has 99 seconds."},
      {Time, "20:60", asTheClock + ": 20:60 has 60 seconds."},
      {Time, "20:5", asTheClock + ": 20:5 has one digit of seconds."},
      {Time, "20:055", asTheClock + ": 20:055 has 3 digits of seconds."},
      {Time, "1000:00", asTheClock + ": 1000:00 has more minutes than the clock shows."},
      {Time, "2005", asTheClock + "."},
      {Time, ":30", asTheClock + "."},
      {Time, "-1:00", asTheClock + "."},
      {Time, "20:05 ", asTheClock + "."},
      {Time,
       "20\xef\xbc\x9a"
       "05",
       asTheClock + "."},
      {Time, "\x1b[2J:00", asTheClock + "."},  // not quoted back
      {Time, "", asTheClock + "."},
  };
  for (const auto& r : refusals) {
    std::string why;
    EXPECT_FALSE(r.what == Code ? decodeMatch(r.text, why).has_value()
                                : parseMatchTime(r.text, why).has_value())
        << r.why;
    EXPECT_EQ(why, r.why);
  }
}

TEST(MatchCode, MatchTimesReadAsTheClockShowsThemAndLinksCarryCodeAndTime) {
  const struct {
    const char* text;
    int second;
  } times[] = {
      {"00:00", 0}, {"20:05", 20 * 60 + 5}, {"3:07", 187}, {"100:00", 6000}, {"999:59", 59999},
  };
  for (const auto& t : times) {
    std::string why;
    EXPECT_EQ(parseMatchTime(t.text, why), t.second) << t.text;
  }
  EXPECT_EQ(matchTime(0), "00:00");
  EXPECT_EQ(matchTime(6005), "100:05");
  EXPECT_EQ(startsAt(250), "Starts at 04:10 - press Go");
  EXPECT_EQ(matchLink("https://grobnik.net/blunderfest/", Made),
            "https://grobnik.net/blunderfest/?match=BGE2ij6F5usAAAmkUwpsiewj");
  EXPECT_EQ(matchLink("https://grobnik.net/blunderfest/", Made, 1205),
            "https://grobnik.net/blunderfest/?match=BGE2ij6F5usAAAmkUwpsiewj&at=20:05");
}
