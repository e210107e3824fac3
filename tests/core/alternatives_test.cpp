#include "text/alternatives.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr int Draws = 60000;

// How often each result comes up, as a share of many seeded draws.
template <class Draw>
std::map<std::string, double> shares(Draw draw) {
  Random random;
  random.seed(12345);
  std::map<std::string, int> counts;
  for (int i = 0; i < Draws; ++i) ++counts[draw(random)];
  std::map<std::string, double> result;
  for (const auto& [text, n] : counts) result[text] = static_cast<double>(n) / Draws;
  return result;
}

std::map<std::string, double> oneOfShares(const std::string& list) {
  return shares([&](Random& r) { return OneOf(list, r); });
}

std::map<std::string, double> capStrShares(const std::string& syllables) {
  return shares([&](Random& r) { return CapStr(syllables, r); });
}

// Expected shares within a tolerance that many draws keep to.
void expectShares(const std::map<std::string, double>& actual,
                  const std::map<std::string, double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (const auto& [text, share] : expected) {
    ASSERT_TRUE(actual.count(text)) << '"' << text << '"';
    EXPECT_NEAR(actual.at(text), share, 0.012) << '"' << text << '"';
  }
}

}  // namespace

TEST(OneOf, EverySeparatorIsEquallyLikelyWhateverTheAlternativesLength) {
  expectShares(oneOfShares("*soccer*football"), {{"soccer", 0.5}, {"football", 0.5}});
  expectShares(oneOfShares("*this man*"), {{"this man", 0.5}, {"", 0.5}});
  expectShares(oneOfShares("*What's this?* * * * *Amazing!*Unbelievable"),
               {{"What's this?", 1.0 / 7},
                {" ", 4.0 / 7},
                {"Amazing!", 1.0 / 7},
                {"Unbelievable", 1.0 / 7}});
  expectShares(oneOfShares("*World Cup * * * * "), {{"World Cup ", 0.2}, {" ", 0.8}});
  expectShares(oneOfShares("*it appears as if*it looks that*******"),
               {{"it appears as if", 1.0 / 9}, {"it looks that", 1.0 / 9}, {"", 7.0 / 9}});
}

TEST(OneOf, NeverYieldsTheTextBeforeTheFirstSeparator) {
  expectShares(oneOfShares("a*b"), {{"b", 1.0}});
  expectShares(oneOfShares("Hello*one*two"), {{"one", 0.5}, {"two", 0.5}});
}

TEST(OneOf, RedrawsUntilItLandsOnASeparator) {
  ScriptedRandom random;
  const std::string list = "*soccer*football";  // separators at 0 and 7 of 16
  random.pushDraw(3, 16);                       // 'c': drawn again
  random.pushDraw(15, 16);                      // 'l': drawn again
  random.pushDraw(7, 16);                       // the second separator
  EXPECT_EQ(OneOf(list, random), "football");
  EXPECT_EQ(random.drawn(), 3u);
  EXPECT_EQ(random.pending(), 0u);

  random.pushDraw(0, 16);
  EXPECT_EQ(OneOf(list, random), "soccer");
  random.pushDraw(9, 10);  // the closing separator of "*this man*"
  EXPECT_EQ(OneOf("*this man*", random), "");
}

TEST(OneOf, AListWithoutSeparatorYieldsNothing) {
  ScriptedRandom random;
  EXPECT_EQ(OneOf("no separator here", random), "");
  EXPECT_EQ(OneOf("", random), "");
}

TEST(CapStr, EveryCapitalIsEquallyLikelyAndSyllablesComeBackAsWritten) {
  expectShares(capStrShares("MoBaBi"), {{"Mo", 1.0 / 3}, {"Ba", 1.0 / 3}, {"Bi", 1.0 / 3}});
  expectShares(capStrShares("Nsmann"), {{"Nsmann", 1.0}});

  // The surname start table: Be and Do stand twice among its 29 syllables.
  auto starts = capStrShares(
      "MoBaBiBeRoNaCiLoMiKaLiPaRonAleEmaTuraRoboSeliFefaBeBoboBeliHemiDovoDoDoCosoPoSchi");
  EXPECT_EQ(starts.size(), 27u);
  EXPECT_NEAR(starts["Be"], 2.0 / 29, 0.01);
  EXPECT_NEAR(starts["Do"], 2.0 / 29, 0.01);
  for (const char* once : {"Mo", "Tura", "Schi", "Ron", "Dovo"})
    EXPECT_NEAR(starts[once], 1.0 / 29, 0.008) << once;
}

TEST(CapStr, TakesTheCapitalAndTheNonCapitalsAfterIt) {
  ScriptedRandom random;
  const std::string table = "MoBaBiTura";  // capitals at 0, 2, 4, 6 of 10
  random.pushDraw(7, 10);                  // 'u': drawn again
  random.pushDraw(6, 10);
  EXPECT_EQ(CapStr(table, random), "Tura");
  EXPECT_EQ(random.drawn(), 2u);
  random.pushDraw(2, 10);
  EXPECT_EQ(CapStr(table, random), "Ba");
  // Text in front of the first capital belongs to no syllable.
  random.pushDraw(2, 6);
  EXPECT_EQ(CapStr("abMoBa", random), "Mo");
}

TEST(CapStr, EmptyOrCapitalFreeStringsYieldNothing) {
  ScriptedRandom random;
  EXPECT_EQ(CapStr("", random), "");
  EXPECT_EQ(random.drawn(), 1u);  // the one position drawn lies past the end
  EXPECT_EQ(CapStr("lowercase", random), "");
}

TEST(Random, StaysWithinItsRangeAndDrawsBelowN) {
  ScriptedRandom random;
  random.push(0.0f);
  random.push(0.99999994f);  // the largest float below 1
  EXPECT_EQ(random.below(9), 0);
  EXPECT_EQ(random.below(9), 8);
  Random seeded;
  seeded.seed(99);
  for (int i = 0; i < 100000; ++i) {
    float r = seeded.next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
}
