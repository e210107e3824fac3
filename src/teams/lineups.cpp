#include "app/figures.h"
#include "app/form1.h"
#include "teams/countries.h"
#include "text/alternatives.h"

namespace {

// The syllables surnames are made of: a start table drawn twice, an end table
// drawn once. Be and Do stand twice in the start table on purpose.
constexpr const char* NameStarts =
    "MoBaBiBeRoNaCiLoMiKaLiPaRonAleEmaTuraRoboSeliFefaBeBoboBeliHemiDovoDoDoCosoPoSchi";
constexpr const char* NameEnds = "NsmannIoRioKleinHofferLaccioLaddioChioSoroSekuHalasRandGgioBaz";

constexpr Color DarkSkin = rgb(0x804000);

}  // namespace

std::string Form1::RandomName() {
  const std::string s1 = CapStr(NameStarts);
  const std::string s2 = CapStr(NameStarts);
  const std::string s3 = CapStr(NameEnds);
  return s1 + lowerCase(s2) + lowerCase(s3);
}

void Form1::PrepareLineups() {
  Label7.caption = countryName(*this, 0);
  Label6.caption = countryName(*this, 1);
  Label17.caption = Label7.caption;
  Label18.caption = Label6.caption;
  for (int i = 0; i <= 5; ++i) {
    smFlag[i].fillColor = FlagShape[i].fillColor;
    smFlag[i + 6].fillColor = FlagShape[i].fillColor;
  }

  // Ten players a side, drawn in turns: team 1's k-th player is figure
  // 2k - 2, team 2's figure 2k - 1.
  Label3.caption.clear();
  Label5.caption.clear();
  for (int k = 1; k <= 10; ++k) {
    player[2 * k - 2].name() = RandomName();
    Label3.caption += player[2 * k - 2].name() + "\r\n";
    player[2 * k - 1].name() = RandomName();
    Label5.caption += player[2 * k - 1].name() + "\r\n";
  }
  Label10.caption = RandomName();
  player[keeperOf(HomeSide)].name() = Label10.caption;
  Label11.caption = RandomName();
  player[keeperOf(Visitors)].name() = Label11.caption;
  Label12.caption = RandomName();
  Label13.caption = RandomName();
}

// Dresses the figures in their side's flag: shirt and shoulders in its first
// stripe, socks in the second, shorts in the third. The keepers keep their
// own kits. Every body, keepers and lying figures included, draws its skin.
void Form1::SetupPlayers() {
  auto firstStripe = [](std::size_t i) { return (i % 2) * 3; };

  for (std::size_t i = 0; i < shpShirt.size(); ++i) {
    if (!isKeeper(i)) shpShirt[i].fillColor = smFlag[firstStripe(i)].fillColor;
    if (rnd().below(5) == 4) {
      shpHead[i].fillColor = DarkSkin;
      shpArms[i].fillColor = DarkSkin;
      shpLegs[i].fillColor = DarkSkin;
    }
  }
  for (std::size_t i = 0; i < shpShoulders.size(); ++i)
    if (!isKeeper(i)) shpShoulders[i].fillColor = smFlag[firstStripe(i)].fillColor;
  for (std::size_t i = 0; i < shpSocks.size(); ++i)
    if (!isKeeper(i)) shpSocks[i].fillColor = smFlag[firstStripe(i) + 1].fillColor;
  for (std::size_t i = 0; i < shpShorts.size(); ++i)
    if (!isKeeper(i)) shpShorts[i].fillColor = smFlag[firstStripe(i) + 2].fillColor;

  // The line between the legs goes over the shorts and legs; in the lying
  // figures that line is Line9.
  for (Line& line : Line4) bringToFront(line);
  for (auto& [index, line] : Line9) bringToFront(line);
}
