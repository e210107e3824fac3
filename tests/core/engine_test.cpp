// The engine tick, the skit lottery, the possession cycle with its narration
// and the goal sequence, in virtual time with scripted draws.
#include "match/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "support/match.h"

// ---- The tick's frame ---------------------------------------------------------------

TEST(EngineTick, AHaltedTickDrawsNothingAndMovesNothing) {
  Match m;
  Form1& f = m.form;
  f.PlayHalted = True;
  for (Figure& figure : f.player) figure.StepsLeft = 0;  // every figure would draw
  const float ballLeft = f.picBall.left, figureTop = f.player[5].top;
  const auto drawn = m.draws().drawn();
  for (int i = 0; i < 100; ++i) f.Timer2_Timer();
  EXPECT_EQ(m.draws().drawn(), drawn);
  EXPECT_EQ(f.picBall.left, ballLeft);
  EXPECT_EQ(f.player[5].top, figureTop);
  EXPECT_EQ(f.phase(), PlayPhase::Holding);
}

TEST(EngineTick, AHeldTickDrawsNoLotteryNumberButStillPlays) {
  Match m;
  Form1& f = m.form;
  f.HoldAnnouncer = True;
  f.HolderName = "Mobansmann";
  f.HolderIndex = 7;
  // The only draw is the holder's: a 5 below 10 makes the pass due.
  m.draws().pushDraw(5, 10);
  const auto drawn = m.draws().drawn();
  f.Timer2_Timer();
  EXPECT_EQ(m.draws().drawn(), drawn + 1);
  EXPECT_EQ(f.PreviousName, "Mobansmann");
  EXPECT_EQ(f.PreviousIndex, 7);
  EXPECT_EQ(f.phase(), PlayPhase::PassDue);

  // Unheld, the lottery draws first; a draw of 254 or more starts nothing.
  f.HoldAnnouncer = False;
  f.setPhase(PlayPhase::Holding);
  m.draws().pushDraw(254, LotteryRange);
  m.draws().pushDraw(4, 10);
  f.Timer2_Timer();
  EXPECT_EQ(m.draws().drawn(), drawn + 3);
  EXPECT_EQ(m.draws().pending(), 0u);
  EXPECT_EQ(f.phase(), PlayPhase::Holding);  // 4 is not 5: he keeps the ball
}

TEST(SkitLottery, StrictBoundsPickEachRow) {
  int from = 0;
  for (const SkitRow& row : Skits) {
    EXPECT_EQ(LotteryPick(from), &row) << row.name;
    EXPECT_EQ(LotteryPick(row.below - 1), &row) << row.name;
    from = row.below;
  }
  EXPECT_EQ(LotteryPick(from), nullptr);
  EXPECT_EQ(LotteryPick(LotteryRange - 1), nullptr);
}

TEST(SkitLottery, TheWalkOffSaysItsLineAndEndsTheProgramAfterFourSecondsAtLeast) {
  Match m;
  Form1& f = m.form;
  f.click(f.Command5);
  m.platform.clearTranscript();
  const auto start = m.platform.step();
  m.draws().pushDraw(233, LotteryRange);
  m.platform.run(1);
  EXPECT_TRUE(f.ended());
  const auto& said = m.platform.transcript();
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.front().line, "Typical of a soccer player.  Quitter.  C-ya.");
  EXPECT_GE(m.platform.step() - start, 257u);
  EXPECT_EQ(f.lotteryStarts[static_cast<std::size_t>(skitNamed("walk-off") - Skits.data())], 1u);
}

// ---- The receiver --------------------------------------------------------------------

TEST(Receiver, NeverFigureZeroNorALyingFigureNorThePassersOwnGoal) {
  Match m;
  Form1& f = m.form;
  const int homeGoal = goalMarkerOf(HomeSide), visitorsGoal = goalMarkerOf(Visitors);
  const int homeLying = lyingFigureOf(HomeSide), visitorsLying = lyingFigureOf(Visitors);
  // From a home passer: 0, the lying figures and his own goal marker are drawn again.
  for (int k : {0, homeLying, visitorsLying, homeGoal, visitorsGoal})
    m.draws().pushDraw(k, Figures);
  f.PreviousIndex = 4;
  EXPECT_EQ(f.ChooseReceiver(), visitorsGoal);
  // From a visitor it is the visitors' marker that is refused; the passer
  // himself may get it.
  for (int k : {visitorsGoal, visitorsLying, homeGoal}) m.draws().pushDraw(k, Figures);
  f.PreviousIndex = 9;
  EXPECT_EQ(f.ChooseReceiver(), homeGoal);
  m.draws().pushDraw(9, Figures);
  EXPECT_EQ(f.ChooseReceiver(), 9);
  EXPECT_EQ(m.draws().pending(), 0u);
}

TEST(Receiver, OverManyPassesEveryOneOfTheTwentyTwoReceiversComesUp) {
  Match m;
  Form1& f = m.form;
  m.draws().seed(11);
  std::array<int, Figures> received{};
  int passes = 0;
  while (passes < 3000) {
    const bool due = f.phase() == PlayPhase::PassDue;
    f.AdvancePossession();
    if (due) {
      ++received[f.HolderIndex];
      ++passes;
    }
  }
  for (int k : {0, lyingFigureOf(HomeSide), lyingFigureOf(Visitors)})
    EXPECT_EQ(received[k], 0) << k;
  // About 136 each; a goal marker only from a passer of the other side, about 68.
  for (int k = 1; k < Figures; ++k)
    if (!isLyingFigure(k)) {
      EXPECT_GT(received[k], 30) << k;
    }
}

// ---- Narration -----------------------------------------------------------------------

TEST(Narration, TheFirstRowWhoseConditionHoldsGivesTheLine) {
  struct Case {
    int from;
    std::string passer;
    int to;
    int draw, of;
    std::string line;
  };
  // The keepers and goal markers of the home side (H) and the visitors (V).
  const int KH = keeperOf(HomeSide), KV = keeperOf(Visitors);
  const int GH = goalMarkerOf(HomeSide), GV = goalMarkerOf(Visitors);
  // Figures named for the test: 3 and KV are Odd, 4, 6 and KH are Even.
  const std::vector<Case> cases = {
      {GH, "GOAL", GV, 0, 1, "soccer is so boring.."},
      {GH, "GOAL", 3, 0, 3, "The ball is sent out to Odd"},
      {GH, "GOAL", 3, 1, 3, "The ball goes to Odd"},
      {GV, "GOAL", 4, 2, 3, "It's put back into play to Even"},
      {0, "", GV, 0, 4, "He shoots...."},
      {4, "Even", GV, 1, 4, "Even shoots...."},
      {4, "Even", GV, 2, 4, "Even takes a shot at the net...."},
      {3, "Odd", GH, 3, 4, "Odd sends a swerving ball to the net...."},
      {0, "", KH, 0, 3, " sends it lamely back to his own keeper"},
      {3, "Odd", KV, 1, 3, "Odd prudently sends it back to his keeper"},
      {6, "Even", KH, 2, 3, "Even kicks it back to his keeper Even"},
      {3, "Odd", KH, 0, 3, "Odd shoots...."},
      {4, "Even", KV, 1, 3, "Even tries to put a shot on keeper Odd..."},
      {0, "", KV, 2, 3, " puts it on net...."},
      {0, "", 3, 0, 3, "The ball is sent accross to Odd"},
      {0, "", 4, 1, 3, "The ball goes to Even"},
      {0, "", 3, 2, 3, "It's passed to Odd"},
      {3, "Odd", 3, 0, 3, "What a skill play by Odd"},
      {4, "Even", 4, 1, 3, "Artfully handled by Even"},
      {3, "Odd", 3, 2, 3, "Competent ball handling by Odd"},
      {4, "Even", 6, 0, 7, "Even prudently sends it to Even"},
      {4, "Even", 6, 1, 7, "Even passes it to Even"},
      {4, "Even", 6, 2, 7, "Even sends it to Even"},
      {4, "Even", 6, 3, 7, "Even kicks it along to Even"},
      {4, "Even", 6, 4, 7, "Even receives it from Even"},
      {4, "Even", 6, 5, 7, "Even cautiously passes it to Even"},
      {4, "Even", 6, 6, 7, "Even clears it to Even"},
      {4, "Even", 3, 0, 4, "Odd gets the ball from Even"},
      {4, "Even", 3, 1, 4, "Odd intercepts it"},
      {3, "Odd", 4, 2, 4, "Even intercepts the pass from Odd"},
      {3, "Odd", 4, 3, 4, "Odd's ball is intercepted by Even"},
  };
  Match m;
  Form1& f = m.form;
  for (int i : {3, KV}) f.player[i].name() = "Odd";
  for (int i : {4, 6, KH}) f.player[i].name() = "Even";
  for (const Case& c : cases) {
    f.HoldAnnouncer = False;
    f.ShotInFlight = False;
    f.PreviousIndex = c.from;
    f.PreviousName = c.passer;
    f.HolderIndex = c.to;
    f.HolderName = f.player[c.to].name();
    if (c.of > 1) m.draws().pushDraw(c.draw, c.of);
    const auto drawn = m.draws().drawn();
    f.NarrateHandOver();
    EXPECT_EQ(f.Announcer.caption, c.line) << c.from << " to " << c.to;
    EXPECT_EQ(m.draws().drawn() - drawn, c.of > 1 ? 1u : 0u) << c.line;
    // Only a pass to a goal marker from a player is a shot, and it holds the display.
    const bool shot = isGoalMarker(c.to) && c.passer != "GOAL";
    EXPECT_EQ(f.ShotInFlight, shot ? True : False) << c.line;
    EXPECT_EQ(f.HoldAnnouncer, shot ? True : False) << c.line;
  }
}

TEST(Narration, HandOverLinesGiveWayToAHeldDisplayButStillDraw) {
  Match m;
  Form1& f = m.form;
  f.Announce2("A skit's line");
  f.HoldAnnouncer = True;
  f.PreviousIndex = 4;
  f.PreviousName = "Even";
  f.HolderIndex = goalMarkerOf(Visitors);
  f.HolderName = "GOAL";
  m.draws().pushDraw(1, 4);
  f.NarrateHandOver();
  EXPECT_EQ(f.Announcer.caption, "A skit's line");
  EXPECT_EQ(m.draws().pending(), 0u);
  EXPECT_EQ(f.ShotInFlight, True);
}

// ---- The cycle and the goal sequence ----------------------------------------------------

TEST(Possession, APassIsChosenNarratedAndFlownInOneTickThenTheReceiverHoldsIt) {
  Match m;
  Form1& f = m.form;
  m.draws().pushDraw(5, 10);  // the pass falls due
  f.AdvancePossession();
  ASSERT_EQ(f.phase(), PlayPhase::PassDue);
  m.draws().pushDraw(7, 26);  // to figure 7
  m.draws().pushDraw(2, 3);   // "It's passed to "
  f.AdvancePossession();
  EXPECT_EQ(f.HolderIndex, 7);
  EXPECT_EQ(f.HolderName, f.player[7].name());
  EXPECT_EQ(f.Announcer.caption, "It's passed to " + f.player[7].name());
  EXPECT_EQ(f.phase(), PlayPhase::Flight);
  int steps = 0;
  while (f.phase() == PlayPhase::Flight && steps < 1000) {
    f.AdvancePossession();
    ++steps;
  }
  EXPECT_EQ(f.phase(), PlayPhase::Holding);
  // Each step covers 40 twips of the straight line to his feet.
  const double dx = f.TargetX - f.FlightStartX, dy = f.TargetY - f.FlightStartY;
  EXPECT_EQ(steps, static_cast<int>(std::sqrt(dx * dx + dy * dy) / 40) + 1);
  EXPECT_NEAR(f.picBall.left, f.TargetX, 40);
  EXPECT_NEAR(f.picBall.top, f.TargetY, 40);
}

TEST(GoalSequence, EveryShotIsAGoalDisallowedForOffsideLinePropAndWaitAsScripted) {
  Match m;
  Form1& f = m.form;
  m.shotArriving(4, goalMarkerOf(Visitors));
  std::map<std::uint64_t, std::array<bool, 3>> props;  // "GOAL!", offside line, sign
  for (std::uint64_t s = 1; s < 900; ++s)
    m.platform.after(s, [&] {
      props[m.platform.step()] = {f.lblGOal.visible, f.OFFS1.visible, f.OFFS2.visible};
    });
  const auto start = m.platform.step();
  f.AdvancePossession();

  const auto& said = m.platform.transcript();
  ASSERT_EQ(said.size(), 5u);
  const std::vector<std::string> goals = {"and it's in!", "GOOOOOOOAAAAAAALLLLL",
                                          "it's in the back of the net!", "GOOOOAALLL",
                                          "GOAL!!!!!!"};
  EXPECT_NE(std::find(goals.begin(), goals.end(), said[0].line), goals.end()) << said[0].line;
  EXPECT_EQ(said[1].line, "oh wait.. ");
  const std::vector<std::string> offsides = {"the play's been called offsides",
                                             "offsides has been called", "offsides!"};
  EXPECT_NE(std::find(offsides.begin(), offsides.end(), said[2].line), offsides.end());
  EXPECT_EQ(said[3].line, "just as it always is for every reasonable offensive ");
  EXPECT_EQ(said[4].line, "play in this pansy sport.");
  for (const auto& s : said) EXPECT_TRUE(s.interrupts) << s.line;
  // Waits of 2500, 2000, 3000, 3000 and 2000 ms: each ends on the first step past it.
  const std::vector<std::uint64_t> at = {0, 161, 290, 483, 676};
  for (std::size_t i = 0; i < at.size(); ++i) EXPECT_EQ(said[i].step - start, at[i]) << i;
  EXPECT_EQ(m.platform.step() - start, 805u);
  // "GOAL!" from the first line to the third; the offside line and sign from
  // the second line to the end.
  EXPECT_EQ(props[start + 100], (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(props[start + 200], (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(props[start + 600], (std::array<bool, 3>{false, true, true}));
  EXPECT_FALSE(f.lblGOal.visible || f.OFFS1.visible || f.OFFS2.visible);
  // No score is kept; the goal marker holds the ball and the display is free.
  EXPECT_EQ(f.Label19[0].caption, "0");
  EXPECT_EQ(f.Label19[1].caption, "0");
  EXPECT_EQ(f.HoldAnnouncer, False);
  EXPECT_EQ(f.phase(), PlayPhase::Holding);
  EXPECT_EQ(f.HolderName, "GOAL");
}

TEST(GoalSequence, TheEngineTimerStartsNoTickDuringItButTheClockAndClicksGoOn) {
  Match m;
  Form1& f = m.form;
  m.shotArriving(3, goalMarkerOf(HomeSide));
  f.Timer2.enabled = f.Timer3.enabled = true;
  // The tick the timer starts next runs the goal sequence; hold the ball after it.
  for (int i = 0; i < 50; ++i) m.draws().pushDraw(0, 10);
  std::uint64_t ticksDuring = 0;
  std::string clockDuring;
  m.platform.after(400, [&] {
    ticksDuring = f.engineTicks;
    clockDuring = f.Label20.caption;
    f.click(f.Command4[0]);
  });
  m.platform.run(1);
  EXPECT_EQ(ticksDuring, 1u);                   // only the tick that runs the sequence
  EXPECT_EQ(clockDuring, "00:30");              // six clock ticks in 400 steps
  EXPECT_EQ(m.platform.messages().size(), 1u);  // the click was handled meanwhile
  EXPECT_EQ(f.HoldAnnouncer, False);
  m.platform.run(10);
  EXPECT_EQ(f.engineTicks, 11u);  // and the timer ticks again once it is over
}

TEST(GoalSequence, ExitDuringItEndsFourSecondsLaterWithoutScoringTheSameGoalAgain) {
  Match m;
  Form1& f = m.form;
  m.shotArriving(3, goalMarkerOf(HomeSide));
  f.cmdExit.enabled = f.Timer2.enabled = true;
  const auto clickAt = m.platform.step() + 50;
  m.platform.after(50, [&] {
    for (int i = 0; i < 300; ++i) m.draws().pushDraw(0, 10);  // nobody passes meanwhile
    f.click(f.cmdExit);
  });
  m.platform.run(1);  // the timer's tick takes the arrival
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(m.platform.step(), clickAt + 257);
  const auto lines = m.lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "oh wait.. "), 0);
  EXPECT_EQ(lines.back(), "Typical of a soccer player.  Quitter.  C-ya.");
}
