#include <array>

#include "app/form1.h"
#include "teams/countries.h"

namespace {
constexpr std::array<const char*, 2> Sides = {"home", "away"};
constexpr std::array<const char*, 3> Syllables = {"first syllable", "middle syllable", "ending"};
}  // namespace

// The name a listener hears where a caption would not do: the "i." and
// "&Random" buttons and the syllable lists say whose country they concern,
// the three screens what they are, and the people of the skits who they are
// (the page's captions say so of the one who speaks in the balloon).
std::string Form1::spokenName(const Element& element) const {
  if (&element == &burns) return "The bald businessman";
  if (&element == &Argh) return "A fan";
  if (&element == &smGirl) return "A girl in the crowd";
  if (&element == &shh) return "The man beside her";
  if (&element == &Picture2) return "Make up the two countries";
  if (&element == &Picture6) return "The lineups";
  if (&element == &Picture1) return "The match";
  for (std::size_t team = 0; team < Sides.size(); ++team) {
    if (&element == &Command1[team]) return std::string("Random ") + Sides[team] + " country";
    if (&element == &Command4[team])
      return "Facts about " + countryName(*this, static_cast<int>(team));
    for (std::size_t k = 0; k < Syllables.size(); ++k)
      if (&element == &Combo1[team * Syllables.size() + k])
        return std::string("The ") + Sides[team] + " country's " + Syllables[k];
  }
  return {};
}
