#include <gtest/gtest.h>

#include <algorithm>

#include "support/session.h"

namespace {

// The r that makes OneOf(list) give its k-th alternative.
float alternative(const std::string& list, int k) {
  std::size_t at = 0;
  for (int n = 0; n < k; ++n) at = list.find('*', at + 1);
  return (static_cast<float>(at) + 0.5f) / static_cast<float>(list.size());
}

// The draws of one injury in the order the skit makes them; a list whose
// choice does not matter gives its first alternative (r = 0).
struct Draws {
  int injured = 7, named = 0, dive = 1;
  float yards = 0;
  int middle = 0;  // 0 the judges, 1 the medics
  int technical = 0, artistic = 0;
  float what = 0, seems = 0, up = 0;
};

// What the skit shows at one pass of its waits.
struct Frame {
  std::uint64_t step;
  bool held, judgesShown, ambulanceShown;
  int marks;  // filled in order: technical from the left, then artistic; -1 out of order
  float left, top;
};

int marksInOrder(Form1& f) {
  std::string filled;
  for (auto* row : {&f.lblTD, &f.lblAM})
    for (const Label& mark : *row) filled += mark.caption.empty() ? '.' : 'x';
  const std::size_t n = std::min(filled.find('.'), filled.size());
  return filled.find('x', n) == std::string::npos ? static_cast<int>(n) : -1;
}

std::string row(const std::array<Label, 7>& marks) {
  std::string shown;
  for (const Label& mark : marks) shown += mark.caption + " ";
  return shown;
}

// The match after kick-off, filmed at every pass, ready for an injury.
struct Injury {
  Session p;
  Form1& f = p.form;
  std::vector<Frame> film;

  Injury() {
    p.kickOff();
    for (std::uint64_t k = 1; k < 20000; ++k)
      p.platform.after(k, [this] {
        film.push_back({p.platform.step(), f.HoldAnnouncer && f.PlayHalted, f.picJudge.visible,
                        f.Ambulance.visible, marksInOrder(f), f.Ambulance.left, f.Ambulance.top});
      });
  }

  const auto& said() { return p.platform.transcript(); }
  std::size_t find(const std::string& line) {
    auto at = std::find_if(said().begin(), said().end(), [&](auto& s) { return s.line == line; });
    return static_cast<std::size_t>(at - said().begin());
  }

  void run(const Draws& d) {
    ScriptedRandom& s = p.platform.script();
    s.pushDraw(d.injured - 1, 20);
    s.pushDraw(0, 2), s.push(0);
    s.pushDraw(d.named, 4);
    if (d.named == 2) s.push(0), s.push(0);
    s.pushDraw(d.dive, 6);
    if (d.dive == 0) s.push(d.yards);
    s.pushDraw(d.middle, 2);
    if (d.middle == 0)
      s.pushDraw(d.technical, 5), s.push(0), s.pushDraw(d.artistic, 5);
    else
      s.push(0), s.push(0), s.push(0);
    s.push(d.what), s.push(d.seems), s.push(d.up), s.pushDraw(1, 4);  // a closing without X
    film.clear();
    p.platform.clearTranscript();
    f.SkitInjury();
    for (const Frame& frame : film) EXPECT_TRUE(frame.held) << frame.step;
  }
};

}  // namespace

TEST(Injury, TheLyingFigureOfHisSideTakesHisPlaceAndColoursUntilHeRecoversAfterEitherPhase) {
  for (auto [injured, lying, middle] :
       {std::tuple{1, lyingFigureOf(Visitors), 0}, {20, lyingFigureOf(HomeSide), 1}}) {
    Injury run;
    Form1& f = run.f;
    const auto parts = {&Form1::shpHead, &Form1::shpArms, &Form1::shpLegs, &Form1::shpHair};
    std::uint32_t colour = 0x102030;
    for (auto part : parts) (f.*part)[injured].fillColor = rgb(colour += 0x010101);
    const Color shirt = f.shpShirt[bodyOf(lying)].fillColor;
    run.p.platform.after(5, [&, injured = injured, lying = lying] {
      EXPECT_FALSE(f.player[injured].visible);
      EXPECT_TRUE(f.player[lying].visible);
      EXPECT_FALSE(f.player[49 - lying].visible);  // the other lying figure
      EXPECT_EQ(f.player[lying].left, f.player[injured].left);
      EXPECT_EQ(f.player[lying].top, f.player[injured].top);
    });
    run.run({.injured = injured, .middle = middle});
    for (auto part : parts)
      EXPECT_EQ((f.*part)[bodyOf(lying)].fillColor, (f.*part)[injured].fillColor);
    EXPECT_EQ(f.shpShirt[bodyOf(lying)].fillColor, shirt);
    EXPECT_TRUE(f.player[injured].visible);
    EXPECT_FALSE(f.player[lying].visible || f.picJudge.visible || f.Ambulance.visible);
    EXPECT_EQ(f.HoldAnnouncer, False);
    EXPECT_EQ(f.PlayHalted, False);
  }
}

TEST(Injury, TheNameLineComesOnADrawOf2AndTheYardsStayWithin5To14) {
  for (auto [named, yards, count] : {std::tuple{2, 0.0f, "5"}, {1, 0.99999994f, "14"}}) {
    Injury run;
    run.run({.named = named, .dive = 0, .yards = yards});
    std::size_t dive = named == 2 ? 2 : 1;
    if (named == 2) {
      EXPECT_EQ(run.said()[1].line, "The injured player appears to be " + run.f.player[7].name());
    }
    EXPECT_EQ(run.said()[dive].line,
              "Considering there was nobody within " + std::string(count) + " yards of him, ");
    EXPECT_EQ(run.said()[dive].step - run.said()[dive - 1].step, 257u);
  }
}

TEST(Injury, JudgesFillEachRowOneMarkASecondFromTheLeftOnAPanelShownEmpty) {
  Injury run;
  for (auto [technical, artistic, td, am] :
       {std::tuple{1, 3, "4.6 4.9 4.9 4.8 5.1 4.9 4.7 ", "5.8 6.0 5.7 6.0 5.9 6.0 6.0 "},
        {2, 4, "6.0 6.0 6.0 6.0 6.0 6.0 6.0 ", "6.0 6.0 6.0 6.0 6.0 6.0 6.0 "}}) {
    run.run({.technical = technical, .artistic = artistic});
    std::vector<std::uint64_t> filledAt;
    bool shown = false;
    for (const Frame& frame : run.film) {
      if (!frame.judgesShown) continue;
      EXPECT_TRUE(shown || frame.marks == 0);  // the last judging's marks are gone
      shown = true;
      ASSERT_GE(frame.marks, static_cast<int>(filledAt.size()));
      if (frame.marks > static_cast<int>(filledAt.size())) filledAt.push_back(frame.step);
    }
    ASSERT_EQ(filledAt.size(), 14u);
    for (std::size_t k : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13})
      EXPECT_EQ(filledAt[k] - filledAt[k - 1], 65u);  // one DelayMs(1000) each
    EXPECT_EQ(row(run.f.lblTD), td);
    EXPECT_EQ(row(run.f.lblAM), am);
  }
}

TEST(Injury, TheAmbulanceStopsOverTheLyingFigureAndGoesBackOutOfSight) {
  // The first stops level with the figure's left edge and with its lower
  // edge one step past the figure's top edge; the second takes one step each.
  for (auto [left, top, stopLeft, stopTop, downAndStay] :
       {std::tuple{3020.0f, 4005.0f, 3020.0f, 3370.0f, 49u + 241u},
        {-2000.0f, 1000.0f, -980.0f, 1450.0f, 1u + 256u}}) {
    Injury run;
    run.f.player[7].left = left;
    run.f.player[7].top = top;
    run.run({.middle = 1});
    float lowest = 0, furthest = -2000;
    for (const Frame& frame : run.film) {
      furthest = std::max(furthest, frame.ambulanceShown ? frame.left : furthest);
      lowest = std::max(lowest, frame.ambulanceShown ? frame.top : lowest);
      // On the way back, after it came down, it is out of sight.
      EXPECT_FALSE(lowest > 1410 && frame.left < stopLeft && frame.ambulanceShown) << frame.step;
    }
    EXPECT_EQ(furthest, stopLeft);
    EXPECT_EQ(lowest, stopTop);
    EXPECT_EQ(run.f.Ambulance.left, -1020);
    EXPECT_EQ(run.f.Ambulance.top, 1410);
    // One pass per step down, then the stay: 4000 - 5 x 49 ms take 241
    // passes, 4000 - 5 x 1 ms take 256 (a full 4000 would take 257).
    EXPECT_EQ(run.said()[run.find("Another excellent thespian job")].step -
                  run.said()[run.find("They're sending out the doctor")].step,
              downAndStay);
  }
}

TEST(Injury, TheRecoveryLineKeepsEveryBlankOfItsChoices) {
  const std::string what = "*What's this?* * * * *Amazing!*Unbelievable";
  const std::string seems = "*it appears as if*it looks that*******";
  const std::string up = "*getting up!*back on his feet!*up and about!";
  for (auto [k, line] :
       {std::tuple{0, "   the \"injured\" player is getting up!"},
        {1, "What's this? it looks that the \"injured\" player is back on his feet!"}}) {
    Injury run;
    run.run({.what = alternative(what, 1 - k),
             .seems = alternative(seems, 2 - k),
             .up = alternative(up, k)});
    EXPECT_LT(run.find(line), run.said().size()) << line;
  }
}
