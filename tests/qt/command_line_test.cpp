// The command line: what each argument list asks for, and a seed that makes
// the real window start the same run twice.

#include "qt/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/desktop.h"

namespace {

CommandLine read(const QStringList& arguments) {
  return readCommandLine(QStringList{QStringLiteral("blunderfest")} + arguments);
}

using Action = CommandLine::Action;

}  // namespace

TEST(CommandLine, ReadsHelpVersionAndSeeds) {
  const CommandLine plain = read({});
  EXPECT_EQ(plain.action, Action::Run);
  EXPECT_FALSE(plain.options.seed.has_value());

  const CommandLine help = read({"--help"});
  EXPECT_EQ(help.action, Action::ShowHelp);
  EXPECT_TRUE(help.message.contains("--seed <N>")) << help.message.toStdString();
  EXPECT_EQ(read({"-h", "--seed", "x"}).action, Action::ShowHelp);
  EXPECT_EQ(read({"-v"}).action, Action::ShowVersion);

  const struct {
    QStringList arguments;
    std::uint64_t seed;
  } seeds[] = {
      {{"--seed", "0"}, 0},
      {{"--seed=1998"}, 1998},
      {{"--seed", "007"}, 7},
      {{"--seed", "18446744073709551615"}, 18446744073709551615ull},
      {{"--seed", "000000000000000000000042"}, 42},  // as the page takes it
      {{"--seed", "1", "--seed", "2"}, 2},           // the last one counts
  };
  for (const auto& s : seeds) {
    const CommandLine line = read(s.arguments);
    SCOPED_TRACE(s.arguments.join(' ').toStdString());
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.options.seed, s.seed);
  }
}

TEST(CommandLine, ReadsAScaleFromOneToFourOrFullScreenAndTheVoice) {
  EXPECT_FALSE(read({}).options.scale.has_value());
  EXPECT_FALSE(read({}).options.fullScreen);
  const struct {
    QStringList arguments;
    double scale;
  } scales[] = {
      {{"--scale", "1"}, 1}, {{"--scale=1.5"}, 1.5},   {{"--scale", "2.25"}, 2.25},
      {{"--scale", "4"}, 4}, {{"--scale", "04.0"}, 4},
  };
  for (const auto& s : scales) {
    const CommandLine line = read(s.arguments);
    SCOPED_TRACE(s.arguments.join(' ').toStdString());
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.options.scale, s.scale);
    EXPECT_FALSE(line.options.fullScreen);
  }
  const CommandLine full = read({"--fullscreen", "--seed", "3"});
  EXPECT_EQ(full.action, Action::Run);
  EXPECT_TRUE(full.options.fullScreen);
  EXPECT_FALSE(full.options.scale.has_value());
  EXPECT_EQ(full.options.seed, 3u);
  EXPECT_FALSE(full.options.voice);
  EXPECT_TRUE(read({"--voice", "--fullscreen"}).options.voice);
}

TEST(CommandLine, ReadsAMatchCodeItsStartTimeAndTheTranscript) {
  const char* code = "BGE2ij6F5usAAAmkUwpsiewj";
  const CommandLine plain = read({});
  EXPECT_FALSE(plain.options.match || plain.options.atSecond || plain.options.transcript);
  const CommandLine line = read({"--match", code, "--at=20:05", "--transcript"});
  EXPECT_EQ(line.action, Action::Run);
  EXPECT_EQ(line.options.match, code);
  EXPECT_EQ(line.options.atSecond, 20 * 60 + 5);
  EXPECT_TRUE(line.options.transcript);
  EXPECT_TRUE(read({"--transcript"}).options.transcript);
  EXPECT_TRUE(read({"--help"}).message.contains("--match <CODE>"));
  // The channel, by the system clock or, for tests only, by a clock set.
  EXPECT_TRUE(read({"--help"}).message.contains("--live"));
  EXPECT_TRUE(read({"--live", "--fullscreen"}).options.live);
  qputenv(LiveTestClock, "2026-12-24T20:05:00Z");
  EXPECT_EQ(read({"--live"}).options.liveTestStart, 1798142700ull * 64);
  qputenv(LiveTestClock, "tomorrow");
  EXPECT_EQ(read({"--live"}).action, Action::Refuse);
  qunsetenv(LiveTestClock);
  EXPECT_FALSE(read({"--live"}).options.liveTestStart);
}

TEST(CommandLine, RefusesWithOneLineThatNamesTheFault) {
  const struct {
    QStringList arguments;
    const char* says;
  } refusals[] = {
      {{"--bogus"}, "Unknown option 'bogus'"},
      {{"-x", "--seed", "1"}, "Unknown option 'x'"},
      {{"extra"}, "Unexpected argument 'extra'"},
      {{"--seed"}, "Missing value after '--seed'"},
      {{"--seed", ""}, "not ''"},
      {{"--seed", "abc"}, "not 'abc'"},
      {{"--seed", "-1"}, "not '-1'"},
      {{"--seed", "+1"}, "not '+1'"},
      {{"--seed", " 1"}, "not ' 1'"},
      {{"--seed", "1.5"}, "not '1.5'"},
      {{"--seed", "0x10"}, "not '0x10'"},
      {{"--seed", "18446744073709551616"}, "not '18446744073709551616'"},
      {{"--scale"}, "Missing value after '--scale'"},
      {{"--scale", "0.99"}, "from 1 to 4, such as 1.5, not '0.99'"},
      {{"--scale", "4.01"}, "not '4.01'"},
      {{"--scale", "-2"}, "not '-2'"},
      {{"--scale", "2,5"}, "not '2,5'"},
      {{"--scale", "1e0"}, "not '1e0'"},
      {{"--scale", "inf"}, "not 'inf'"},
      {{"--scale", "2."}, "not '2.'"},
      {{"--scale", "2", "--fullscreen"}, "--scale and --fullscreen do not go together"},
      {{"--fullscreen=yes"}, "Unexpected value after '--fullscreen'"},
      {{"--voice=on"}, "Unexpected value after '--voice'"},
      {{"--transcript=yes"}, "Unexpected value after '--transcript'"},
      {{"--match"}, "Missing value after '--match'"},
      {{"--match", ""}, "The match code is empty."},
      {{"--match", "1998"}, "A match code has 24 characters; this one has 4."},
      {{"--match", QString(100000, 'x')}, "A match code has 24 characters; this one has 100000."},
      {{"--match", "BGE2ij6F5usAAAmkUwpsiewk"}, "This match code is mistyped"},
      {{"--match", "BGE2ij6F5usAAAmkUwpsiewj", "--at", "20:60"},
       "A match time is minutes and seconds, such as 20:05: 20:60 has 60 seconds."},
      {{"--at", "20:05"}, "--at goes with --match"},
      {{"--live", "--match", "BGE2ij6F5usAAAmkUwpsiewj"}, "--live plays the channel's matches"},
      {{"--live", "--seed", "1"}, "--live plays the channel's matches"},
  };
  for (const auto& r : refusals) {
    const CommandLine line = read(r.arguments);
    SCOPED_TRACE(r.arguments.join(' ').toStdString());
    EXPECT_EQ(line.action, Action::Refuse);
    EXPECT_TRUE(line.message.startsWith("blunderfest: ")) << line.message.toStdString();
    EXPECT_TRUE(line.message.contains(r.says)) << line.message.toStdString();
    EXPECT_FALSE(line.message.contains('\n'));
  }
}

TEST(CommandLine, ASeedStartsTheRealWindowOnTheSameCountriesAndLineups) {
  // The countries and the lineups of a window started with `arguments`.
  const auto lineups = [](const QStringList& arguments) {
    Desktop program(read(arguments).options);
    program.start();
    Form1& f = program.form;
    f.click(f.Command2);
    std::vector<std::string> seen = {f.Label17.caption, f.Label18.caption};
    for (const Figure& figure : f.player) seen.push_back(figure.toolTip);
    return seen;
  };
  const std::vector<std::string> first = lineups({"--seed", "1998"});
  EXPECT_EQ(lineups({"--seed", "1998"}), first);
  EXPECT_NE(lineups({"--seed", "1999"}), first);
  EXPECT_NE(lineups({}), first);  // without a seed, the clock's
}
