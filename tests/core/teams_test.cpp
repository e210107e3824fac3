#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "app/form1.h"
#include "platform/virtual_platform.h"

namespace {

constexpr const char* StartTable =
    "MoBaBiBeRoNaCiLoMiKaLiPaRonAleEmaTuraRoboSeliFefaBeBoboBeliHemiDovoDoDoCosoPoSchi";
constexpr const char* EndTable = "NsmannIoRioKleinHofferLaccioLaddioChioSoroSekuHalasRandGgioBaz";

constexpr Color Cyan = rgb(0x00ffff), White = rgb(0xffffff), Red = rgb(0xff0000);
constexpr Color DarkSkin = rgb(0x804000);

// A loaded window on the virtual platform; start-up's six country draws come
// from the script, if any, else from the fixed-seed fallback.
struct Window {
  VirtualPlatform p;
  Form1 f{p};
  explicit Window(const std::vector<std::pair<int, int>>& draws = {}) {
    p.attach(f);
    for (auto [k, n] : draws) p.script().pushDraw(k, n);
    f.load();
  }
  ScriptedRandom& script() { return p.script(); }
  // Picks entry i of list k as the user would.
  void pick(int k, int i) { f.choose(f.Combo1[k], i); }
  void build(int team, int first, int middle, int ending) {
    pick(team * 3, first);
    pick(team * 3 + 1, middle);
    pick(team * 3 + 2, ending);
  }
  // Queues the draws that make RandomName return the given three syllables.
  void pushName(const std::string& s1, const std::string& s2, const std::string& s3) {
    pushSyllable(StartTable, s1);
    pushSyllable(StartTable, s2);
    pushSyllable(EndTable, s3);
  }
  // Queues the draw that lands on the capital of a whole syllable ("Do", not
  // the start of "Dovo").
  void pushSyllable(const std::string& table, const std::string& syllable) {
    std::size_t at = table.find(syllable);
    while (at != std::string::npos && at + syllable.size() < table.size() &&
           std::islower(static_cast<unsigned char>(table[at + syllable.size()])))
      at = table.find(syllable, at + 1);
    ASSERT_NE(at, std::string::npos) << syllable;
    script().pushDraw(static_cast<int>(at), static_cast<int>(table.size()));
  }
};

std::vector<std::string> split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t from = 0, at;
  while ((at = text.find(separator, from)) != std::string::npos) {
    parts.push_back(text.substr(from, at - from));
    from = at + separator.size();
  }
  parts.push_back(text.substr(from));
  return parts;
}

}  // namespace

// ---- Country builder and flags ----------------------------------------------------

TEST(CountryBuilder, StartUpDrawsFirstMiddleEndingForTeamOneThenTeamTwo) {
  Window w({{2, 6}, {5, 6}, {8, 9}, {0, 6}, {3, 6}, {6, 9}});
  Form1& f = w.f;
  EXPECT_EQ(w.script().pending(), 0u);
  EXPECT_EQ(f.Label17.caption, "Argenstein");
  EXPECT_EQ(f.Label18.caption, "Bulmenslavia");
  const Color expected[6] = {rgb(0xff8000), Red, rgb(0x00c000), Cyan, White, rgb(0xffff00)};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(f.FlagShape[k].fillColor, expected[k]) << "stripe " << k;
    EXPECT_EQ(f.smFlag[k + 6].fillColor, expected[k]) << "scoreboard stripe " << k;
  }
}

TEST(CountryBuilder, EverySyllableColoursItsStripeAfterTheFlagTable) {
  Window w;
  Form1& f = w.f;
  const std::vector<std::string> first = {"Bul", "Hun", "Ar", "Ger", "Den", "Ma"};
  const std::vector<std::string> middle = {"gar", "man", "mar", "men", "ban", "gen"};
  const std::vector<std::string> endings = {"ia",   "y",      "a",    "tina", "istan",
                                            "land", "slavia", "stan", "stein"};
  const Color colours[9] = {Cyan, rgb(0x00ff00), rgb(0xff8000), White,        rgb(0x0000ff),
                            Red,  rgb(0xffff00), rgb(0x800080), rgb(0x00c000)};
  for (int k = 0; k < 6; ++k) {
    const auto& table = k % 3 == 0 ? first : k % 3 == 1 ? middle : endings;
    ASSERT_EQ(f.Combo1[k].entries, table) << "list " << k;
    for (std::size_t i = 0; i < table.size(); ++i) {
      w.pick(k, static_cast<int>(i));
      EXPECT_EQ(f.FlagShape[k].fillColor, colours[i]) << table[i] << " in list " << k;
      EXPECT_EQ(f.smFlag[k + 6].fillColor, colours[i]) << table[i] << " in list " << k;
    }
  }
}

TEST(CountryBuilder, BulgariaFliesThreeCyanStripes) {
  Window w;
  w.build(0, 0, 0, 0);
  EXPECT_EQ(w.f.Label17.caption, "Bulgaria");
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(w.f.FlagShape[k].fillColor, Cyan);
    EXPECT_EQ(w.f.smFlag[k + 6].fillColor, Cyan);
  }
}

TEST(CountryBuilder, SteinChangesOnlyTheEndingStripeAndNameOfTeamOne) {
  Window w({{3, 6}, {1, 6}, {1, 9}, {4, 6}, {4, 6}, {4, 9}});  // Germany v Denbanistan
  Form1& f = w.f;
  ASSERT_EQ(f.Label17.caption, "Germany");
  const Color before[5] = {f.FlagShape[0].fillColor, f.FlagShape[1].fillColor,
                           f.FlagShape[3].fillColor, f.FlagShape[4].fillColor,
                           f.FlagShape[5].fillColor};
  w.pick(2, 8);
  EXPECT_EQ(f.FlagShape[2].fillColor, rgb(0x00c000));
  EXPECT_EQ(f.smFlag[8].fillColor, rgb(0x00c000));
  EXPECT_EQ(f.Label17.caption, "Germanstein");
  EXPECT_EQ(f.Label18.caption, "Denbanistan");
  const Color after[5] = {f.FlagShape[0].fillColor, f.FlagShape[1].fillColor,
                          f.FlagShape[3].fillColor, f.FlagShape[4].fillColor,
                          f.FlagShape[5].fillColor};
  EXPECT_TRUE(std::equal(before, before + 5, after));
}

TEST(CountryBuilder, RandomRedrawsOnlyItsOwnTeam) {
  Window w({{0, 6}, {0, 6}, {0, 9}, {1, 6}, {1, 6}, {1, 9}});  // Bulgaria v Hunmany
  Form1& f = w.f;
  w.script().pushDraw(5, 6);
  w.script().pushDraw(2, 6);
  w.script().pushDraw(7, 9);
  f.click(f.Command1[1]);
  EXPECT_EQ(w.script().pending(), 0u);
  EXPECT_EQ(f.Label17.caption, "Bulgaria");
  EXPECT_EQ(f.Label18.caption, "Mamarstan");
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(f.FlagShape[k].fillColor, Cyan);
    EXPECT_EQ(f.smFlag[k + 6].fillColor, Cyan);
  }
  const Color team2[3] = {Red, rgb(0xff8000), rgb(0x800080)};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(f.FlagShape[k + 3].fillColor, team2[k]);
    EXPECT_EQ(f.smFlag[k + 9].fillColor, team2[k]);
  }
}

// ---- Country information sheet ------------------------------------------------------

namespace {

// Queues one sheet's draws: population, government, title, the head of
// state's name, the remark (and its number or star), tax, economy, food, attitude.
void pushSheet(Window& w, float low, const std::vector<float>& remark) {
  w.script().push(low);  // population
  w.script().push(low);  // government
  w.script().push(low);  // title
  w.pushName("Mo", "Ba", "Nsmann");
  for (float r : remark) w.script().push(r);
  for (int i = 0; i < 4; ++i) w.script().push(low);  // tax, economy, food, attitude
}

std::string headOfState(const Window& w) { return split(w.p.messages().back().text, "\r\n").at(4); }

}  // namespace

TEST(InformationSheet, LowestDrawsGiveTheSmallestFactsForTeamOne) {
  Window w;
  w.build(0, 0, 0, 0);
  pushSheet(w, 0.0f, {0.0f, 0.0f});
  w.f.click(w.f.Command4[0]);
  ASSERT_EQ(w.p.messages().size(), 1u);
  EXPECT_EQ(w.p.messages()[0].title, "Country Information");
  EXPECT_EQ(w.p.messages()[0].text,
            "BULGARIA\r\n(pop. 1 million)\r\n\r\nGovernment: Dictatorship\r\n"
            "Head of State: President Mobansmann (4 mistresses)\r\nTax Rate: (70%)\r\n"
            "Economic Basis: striking truck drivers\r\nStaple Food: Fanta\r\n"
            "Attitude toward USA: Righteous Indignation");
  EXPECT_EQ(w.script().pending(), 0u);
}

TEST(InformationSheet, HighestDrawsGiveTheLargestFactsForTeamTwo) {
  Window w;
  w.build(1, 3, 1, 1);
  pushSheet(w, 0.9999f, {0.9999f});
  w.f.click(w.f.Command4[1]);
  EXPECT_EQ(w.p.messages().back().text,
            "GERMANY\r\n(pop. 114 million)\r\n\r\nGovernment: Socialist\r\n"
            "Head of State: His Holiness Mobansmann (ex Waffen-SS)\r\nTax Rate: (99%)\r\n"
            "Economic Basis: Nazi gold\r\nStaple Food: Milo\r\n"
            "Attitude toward USA: \"We need the foreign aid\"");
  EXPECT_EQ(w.script().pending(), 0u);
}

TEST(InformationSheet, RemarksCountMistressesCarsAndFiveStars) {
  Window w;
  const std::pair<std::vector<float>, std::string> cases[] = {
      {{0.0f, 0.9999f}, "Mobansmann (14 mistresses)"},
      {{0.5f, 0.0f}, "Mobansmann (2 Rolls Royces)"},
      {{0.5f, 0.9999f}, "Mobansmann (12 Rolls Royces)"},
  };
  for (const auto& [remark, ending] : cases) {
    pushSheet(w, 0.5f, remark);
    w.f.Command4_Click(0);
    EXPECT_TRUE(headOfState(w).ends_with(ending)) << headOfState(w);
  }
  std::set<std::string> stars;
  for (int star = 0; star < 5; ++star) {
    pushSheet(w, 0.5f, {0.25f, (star + 0.5f) / 5});
    w.f.Command4_Click(0);
    const std::string line = headOfState(w);
    const std::string lead = "Head of State: Generalissimo Mobansmann (currently dating ";
    ASSERT_TRUE(line.starts_with(lead)) << line;
    stars.insert(line.substr(lead.size()));
  }
  EXPECT_EQ(stars.size(), 5u);
  EXPECT_EQ(w.script().pending(), 0u);
}

TEST(InformationSheet, PressesAreIndependentAndLeaveTheCountryAlone) {
  Window w;
  Form1& f = w.f;
  const std::string name = f.Label17.caption;
  const int chosen[3] = {f.Combo1[0].listIndex, f.Combo1[1].listIndex, f.Combo1[2].listIndex};
  const Color stripe = f.FlagShape[0].fillColor;
  std::set<std::string> sheets;
  for (int press = 0; press < 200; ++press) {
    f.Command4_Click(press % 2);
    const auto lines = split(w.p.messages().back().text, "\r\n");
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "");
    EXPECT_FALSE(lines[8].empty());
    const int population = std::stoi(lines[1].substr(6));
    const int tax = std::stoi(lines[5].substr(11));
    EXPECT_TRUE(population >= 1 && population <= 114) << lines[1];
    EXPECT_TRUE(tax >= 70 && tax <= 99) << lines[5];
    sheets.insert(w.p.messages().back().text);
  }
  EXPECT_GT(sheets.size(), 190u);
  EXPECT_EQ(f.Label17.caption, name);
  EXPECT_EQ(f.Combo1[0].listIndex, chosen[0]);
  EXPECT_EQ(f.Combo1[1].listIndex, chosen[1]);
  EXPECT_EQ(f.Combo1[2].listIndex, chosen[2]);
  EXPECT_EQ(f.FlagShape[0].fillColor, stripe);
}

// ---- Player names ------------------------------------------------------------------

TEST(PlayerNames, ThreeSyllablesMakeOneCapitalisedSurname) {
  Window w;
  w.pushName("Mo", "Ba", "Nsmann");
  w.pushName("Schi", "Ro", "Ggio");
  w.pushName("Tura", "Robo", "Nsmann");
  w.pushName("Do", "Do", "Io");
  EXPECT_EQ(w.f.RandomName(), "Mobansmann");
  EXPECT_EQ(w.f.RandomName(), "Schiroggio");
  EXPECT_EQ(w.f.RandomName(), "Turarobonsmann");
  EXPECT_EQ(w.f.RandomName(), "Dodoio");
}

TEST(PlayerNames, DrawnNamesAreSixToFourteenLettersCapitalThenLowerCase) {
  Window w;
  for (int n = 0; n < 2000; ++n) {
    const std::string name = w.f.RandomName();
    ASSERT_TRUE(name.size() >= 6 && name.size() <= 14) << name;
    ASSERT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
    for (std::size_t i = 1; i < name.size(); ++i)
      ASSERT_TRUE(std::islower(static_cast<unsigned char>(name[i]))) << name;
  }
}

// ---- Lineups -------------------------------------------------------------------------

TEST(Lineups, TwentyFourNamesInDrawOrderFillTheBillAndTheFigures) {
  Window w;
  Form1& f = w.f;
  // Name n (0..23) starts with a syllable of its own and ends on one of 14.
  const std::vector<std::string> starts = {
      "Mo",  "Ba",  "Bi",  "Be",   "Ro",   "Na",   "Ci",   "Lo",   "Mi",   "Ka",   "Li",   "Pa",
      "Ron", "Ale", "Ema", "Tura", "Robo", "Seli", "Fefa", "Bobo", "Beli", "Hemi", "Dovo", "Coso"};
  const std::vector<std::string> ends = {"Nsmann", "Io",     "Rio",  "Klein", "Hoffer",
                                         "Laccio", "Laddio", "Chio", "Soro",  "Seku",
                                         "Halas",  "Rand",   "Ggio", "Baz"};
  std::vector<std::string> names;
  for (int n = 0; n < 24; ++n) {
    w.pushName(starts[n], "Po", ends[n % 14]);
    std::string end = ends[n % 14];
    for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    names.push_back(starts[n] + "po" + end);
  }
  w.script().push(0.5f);  // the first draw after the lineups: must stay queued
  const auto drawnBefore = w.script().drawn();
  f.PrepareLineups();
  EXPECT_EQ(w.script().drawn() - drawnBefore, 72u);
  EXPECT_EQ(w.script().pending(), 1u);

  const auto team1 = split(f.Label3.caption, "\r\n"), team2 = split(f.Label5.caption, "\r\n");
  ASSERT_EQ(team1.size(), 11u);  // ten names, each with its line break
  ASSERT_EQ(team2.size(), 11u);
  EXPECT_EQ(team1[10], "");
  EXPECT_EQ(team2[10], "");
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(team1[k - 1], names[2 * k - 2]);
    EXPECT_EQ(team2[k - 1], names[2 * k - 1]);
    EXPECT_EQ(f.player[2 * k - 2].name(), names[2 * k - 2]);
    EXPECT_EQ(f.player[2 * k - 1].name(), names[2 * k - 1]);
  }
  EXPECT_EQ(f.Label10.caption, names[20]);
  EXPECT_EQ(f.player[keeperOf(HomeSide)].name(), names[20]);
  EXPECT_EQ(f.Label11.caption, names[21]);
  EXPECT_EQ(f.player[keeperOf(Visitors)].name(), names[21]);
  EXPECT_EQ(f.Label12.caption, names[22]);
  EXPECT_EQ(f.Label13.caption, names[23]);
}

TEST(Lineups, HeadingsScoreboardAndSmallFlagsFollowTheBuilder) {
  Window w;
  Form1& f = w.f;
  w.build(0, 0, 0, 0);
  w.build(1, 3, 3, 5);
  // Stale scoreboard flags must be refreshed from the stripes.
  for (Shape& stripe : f.smFlag) stripe.fillColor = rgb(0x123456);
  f.PrepareLineups();
  EXPECT_EQ(f.Label7.caption, "Bulgaria");
  EXPECT_EQ(f.Label6.caption, "Germenland");
  EXPECT_EQ(f.Label17.caption, f.Label7.caption);
  EXPECT_EQ(f.Label18.caption, f.Label6.caption);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(f.smFlag[i].fillColor, f.FlagShape[i].fillColor) << i;
    EXPECT_EQ(f.smFlag[i + 6].fillColor, f.FlagShape[i].fillColor) << i;
  }
}

// ---- Kick-off kits --------------------------------------------------------------------

TEST(KickOff, TeamsWearTheirFlagsAndKeepersTheirOwnKits) {
  Window w;
  Form1& f = w.f;
  w.build(0, 0, 3, 5);  // cyan, white, red
  w.build(1, 5, 1, 6);  // red, green, yellow
  f.PrepareLineups();
  // Whatever lay in front before, the line between the legs ends up over
  // the shorts and legs.
  for (int i = 0; i < BodyParts; ++i) {
    f.bringToFront(f.shpShorts[i]);
    f.bringToFront(f.shpLegs[i]);
  }
  f.SetupPlayers();

  for (int i = 0; i < BodyParts; ++i) {
    if (isKeeper(i)) continue;
    const bool home = sideOf(i) == HomeSide;  // the lying figures' parts too
    EXPECT_EQ(f.shpShirt[i].fillColor, home ? Cyan : Red) << i;
    EXPECT_EQ(f.shpShoulders[i].fillColor, home ? Cyan : Red) << i;
    EXPECT_EQ(f.shpSocks[i].fillColor, home ? White : rgb(0x00ff00)) << i;
    EXPECT_EQ(f.shpShorts[i].fillColor, home ? Red : rgb(0xffff00)) << i;
  }
  // The keepers' own kits: shirt, shoulders, shorts, socks.
  const Color keepers[2][4] = {{rgb(0x0000c0), rgb(0x000000), rgb(0x800080), rgb(0x0000ff)},
                               {rgb(0x800080), rgb(0x80ff80), rgb(0x800080), rgb(0x0000ff)}};
  for (int side : {HomeSide, Visitors}) {
    EXPECT_EQ(f.shpShirt[keeperOf(side)].fillColor, keepers[side][0]);
    EXPECT_EQ(f.shpShoulders[keeperOf(side)].fillColor, keepers[side][1]);
    EXPECT_EQ(f.shpShorts[keeperOf(side)].fillColor, keepers[side][2]);
    EXPECT_EQ(f.shpSocks[keeperOf(side)].fillColor, keepers[side][3]);
  }
  for (int i = 0; i < Players; ++i) {
    EXPECT_GT(f.Line4[i].zorder, f.shpShorts[i].zorder) << i;
    EXPECT_GT(f.Line4[i].zorder, f.shpLegs[i].zorder) << i;
  }
  for (int i : {bodyOf(lyingFigureOf(HomeSide)), bodyOf(lyingFigureOf(Visitors))}) {
    EXPECT_GT(f.Line9[i].zorder, f.shpShorts[i].zorder) << i;
    EXPECT_GT(f.Line9[i].zorder, f.shpLegs[i].zorder) << i;
  }
}

TEST(KickOff, EveryBodyDrawsItsSkinInArrayOrder) {
  Window w;
  Form1& f = w.f;
  f.PrepareLineups();
  const std::set<int> dark = {0, 7, 20, 21, 23};
  for (int i = 0; i < BodyParts; ++i) w.script().pushDraw(dark.contains(i) ? 4 : 3, 5);
  const Color pale = rgb(0xffe0c0);
  f.SetupPlayers();
  EXPECT_EQ(w.script().pending(), 0u);
  for (int i = 0; i < BodyParts; ++i) {
    const Color expected = dark.contains(i) ? DarkSkin : pale;
    EXPECT_EQ(f.shpHead[i].fillColor, expected) << i;
    EXPECT_EQ(f.shpArms[i].fillColor, expected) << i;
    EXPECT_EQ(f.shpLegs[i].fillColor, expected) << i;
  }
}
