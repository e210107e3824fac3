#include "app/spoken_names.h"

#include <array>

#include "app/form1.h"
#include "teams/countries.h"

namespace {
constexpr std::array<const char*, 2> Sides = {"home", "away"};
constexpr std::array<const char*, 3> Syllables = {"first syllable", "middle syllable", "ending"};
}  // namespace

std::string spokenNameOf(const Form1& form, const Element& element) {
  if (&element == &form.Picture2) return "Make up the two countries";
  if (&element == &form.Picture6) return "The lineups";
  if (&element == &form.Picture1) return "The match";
  for (std::size_t team = 0; team < Sides.size(); ++team) {
    if (&element == &form.Command1[team]) return std::string("Random ") + Sides[team] + " country";
    if (&element == &form.Command4[team])
      return "Facts about " + countryName(form, static_cast<int>(team));
    for (std::size_t k = 0; k < Syllables.size(); ++k)
      if (&element == &form.Combo1[team * Syllables.size() + k])
        return std::string("The ") + Sides[team] + " country's " + Syllables[k];
  }
  return {};
}
