#include "teams/countries.h"

#include <iterator>
#include <span>

#include "app/form1.h"

std::string countryName(const Form1& form, int team) {
  const int first = team == 0 ? 0 : 3;
  return form.Combo1[first].text() + form.Combo1[first + 1].text() + form.Combo1[first + 2].text();
}

Color flagColor(std::int32_t stored) {
  const auto value = static_cast<std::uint32_t>(stored);
  const std::uint32_t red = value & 0xff, green = (value >> 8) & 0xff, blue = (value >> 16) & 0xff;
  return rgb(red << 16 | green << 8 | blue);
}

namespace {

// The syllables and flag colours every country is built from, in list order.
constexpr const char* FirstTable[] = {"Bul", "Hun", "Ar", "Ger", "Den", "Ma"};
constexpr const char* MiddleTable[] = {"gar", "man", "mar", "men", "ban", "gen"};
constexpr const char* EndingTable[] = {"ia",   "y",      "a",    "tina", "istan",
                                       "land", "slavia", "stan", "stein"};
constexpr std::int32_t ColorTable[] = {
    16776960,  // cyan
    65280,     // green
    33023,     // orange
    16777215,  // white
    16711680,  // blue
    255,       // red
    65535,     // yellow
    8388736,   // purple
    49152,     // dark green
};

}  // namespace

int syllableCount(int list) {
  switch (list % 3) {
    case 0:
      return static_cast<int>(std::size(FirstTable));
    case 1:
      return static_cast<int>(std::size(MiddleTable));
    default:
      return static_cast<int>(std::size(EndingTable));
  }
}

namespace {

// The table behind list k: the first syllables, the middle ones or the
// endings, by the list's place in its row. Index 0 of each table is unused.
std::span<const std::string> tableOf(const Form1& form, int k) {
  switch (k % 3) {
    case 0:
      return form.FirstSyllables;
    case 1:
      return form.MiddleSyllables;
    default:
      return form.Endings;
  }
}

// Draws one syllable for list k and colours its stripe and scoreboard stripe
// after it. Lists hold their tables in order, so table index a is entry a - 1.
void drawStripe(Form1& form, int k) {
  const int count = static_cast<int>(tableOf(form, k).size()) - 1;
  const int a = form.rnd().below(count) + 1;
  form.Combo1[k].listIndex = a - 1;
  form.FlagShape[k].fillColor = flagColor(form.FlagColors[a]);
  form.smFlag[k + 6].fillColor = flagColor(form.FlagColors[a]);
}

void showScoreboardNames(Form1& form) {
  form.Label17.caption = countryName(form, 0);
  form.Label18.caption = countryName(form, 1);
}

}  // namespace

void Form1::FullCombos() {
  for (int i = 1; i <= 6; ++i) {
    FirstSyllables[i] = FirstTable[i - 1];
    MiddleSyllables[i] = MiddleTable[i - 1];
  }
  for (int i = 1; i <= 9; ++i) {
    Endings[i] = EndingTable[i - 1];
    FlagColors[i] = ColorTable[i - 1];
  }
  for (int i = 1; i <= 6; ++i) {
    Combo1[0].entries.push_back(FirstSyllables[i]);
    Combo1[1].entries.push_back(MiddleSyllables[i]);
    Combo1[3].entries.push_back(FirstSyllables[i]);
    Combo1[4].entries.push_back(MiddleSyllables[i]);
  }
  for (int i = 1; i <= 9; ++i) {
    Combo1[2].entries.push_back(Endings[i]);
    Combo1[5].entries.push_back(Endings[i]);
  }
}

void Form1::RandCont1() {
  for (int k = 0; k < 3; ++k) drawStripe(*this, k);
}

void Form1::RandCont2() {
  for (int k = 3; k < 6; ++k) drawStripe(*this, k);
}

void Form1::Combo1_Click(int index) {
  if (index < 0 || index >= static_cast<int>(Combo1.size())) return;
  const std::span<const std::string> table = tableOf(*this, index);
  // The whole table is scanned; its entries are distinct, so one matches.
  for (std::size_t i = 1; i < table.size(); ++i) {
    if (Combo1[index].text() == table[i]) {
      FlagShape[index].fillColor = flagColor(FlagColors[i]);
      smFlag[index + 6].fillColor = flagColor(FlagColors[i]);
    }
  }
  showScoreboardNames(*this);
}

void Form1::Command1_Click(int index) {
  if (index == 1)
    RandCont2();
  else
    RandCont1();
  showScoreboardNames(*this);
}
