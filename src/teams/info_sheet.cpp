#include <string>

#include "app/form1.h"
#include "teams/countries.h"
#include "text/alternatives.h"

namespace {

// The stars a head of state may be seeing: invented names, one in five each.
constexpr const char* Celebrities[] = {"Lola Velvetine", "Rex Galaxio", "Cinnamon Vavoom",
                                       "Brick Malone-Sparkle", "Tawny Glimmerdale"};

constexpr const char* Titles[] = {"President", "Prime Minister", "Generalissimo", "His Holiness"};
constexpr const char* Economies[] = {"striking truck drivers", "bananas and trained monkeys",
                                     "Internet get-rich-quick schemes", "IMF bailouts",
                                     "Nazi gold"};
constexpr const char* Foods[] = {"Fanta", "Mentos", "Toblerone", "Vegemite", "Milo"};
constexpr const char* Attitudes[] = {"Righteous Indignation", "Indignant Righteousness",
                                     "Thinly-Veiled Jealousy", "US Ass Kissers",
                                     "\"We need the foreign aid\""};

}  // namespace

// The joke fact sheet of a country: every fact is drawn afresh on each press,
// in the order of the sheet, and nothing is kept.
void Form1::Command4_Click(int index) {
  const std::string name = countryName(*this, index == 0 ? 0 : 1);

  const int population = rnd().below(114) + 1;
  const int g = rnd().below(6);
  const std::string government = g == 0 ? "Dictatorship" : g == 1 ? "Communist" : "Socialist";
  const std::string title = Titles[rnd().below(4)];
  const std::string surname = RandomName();
  std::string remark;
  switch (rnd().below(4)) {
    case 0:
      remark = std::to_string(rnd().below(11) + 4) + " mistresses";
      break;
    case 1:
      remark = std::string("currently dating ") + Celebrities[rnd().below(5)];
      break;
    case 2:
      remark = std::to_string(rnd().below(11) + 2) + " Rolls Royces";
      break;
    default:
      remark = "ex Waffen-SS";
      break;
  }
  const int tax = rnd().below(30) + 70;
  const std::string economy = Economies[rnd().below(5)];
  const std::string food = Foods[rnd().below(5)];
  const std::string attitude = Attitudes[rnd().below(5)];

  const std::string sheet = upperCase(name) + "\r\n" +                                 //
                            "(pop. " + std::to_string(population) + " million)\r\n" +  //
                            "\r\n" +                                                   //
                            "Government: " + government + "\r\n" +                     //
                            "Head of State: " + title + " " + surname + " (" + remark + ")\r\n" +
                            "Tax Rate: (" + std::to_string(tax) + "%)\r\n" +  //
                            "Economic Basis: " + economy + "\r\n" +           //
                            "Staple Food: " + food + "\r\n" +                 //
                            "Attitude toward USA: " + attitude;
  platform().messageBox("Country Information", sheet);
}
