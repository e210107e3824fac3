#include "app/pictures.h"

// The natural sizes are those the design gives the pictures shown unstretched.
PictureFile pictureFile(Picture p) {
  switch (p) {
    case Picture::None:
      return {nullptr, 0, 0};
    case Picture::Icon:
      return {"icon.svg", 32, 32};
    case Picture::SoccerBall:
      return {"ball.svg", 16, 18};
    case Picture::Football:
      return {"football.svg", 17, 18};
    case Picture::Crowd:
      return {"crowd.svg", 700, 140};
    case Picture::Trefoil:
      return {"trefoil.svg", 35, 37};
    case Picture::Sponsor:
      return {"sponsor.svg", 32, 32};
    case Picture::FlagSweden:
      return {"flag_sweden.svg", 32, 32};
    case Picture::FlagNetherlands:
      return {"flag_netherlands.svg", 32, 32};
    case Picture::FlagSouthKorea:
      return {"flag_south_korea.svg", 32, 32};
    case Picture::FlagSovietUnion:
      return {"flag_soviet_union.svg", 32, 32};
    case Picture::FlagIran:
      return {"flag_iran.svg", 32, 32};
    case Picture::FlagNigeria:
      return {"flag_nigeria.svg", 32, 32};
    case Picture::FlagColombia:
      return {"flag_colombia.svg", 32, 32};
    case Picture::RedCross:
      return {"red_cross.svg", 26, 26};
    case Picture::LeagueLogo:
      return {"league_logo.svg", 32, 32};
    case Picture::HelmetA:
      return {"helmet_a.svg", 32, 28};
    case Picture::HelmetB:
      return {"helmet_b.svg", 32, 28};
    case Picture::Burns:
      return {"burns.svg", 32, 32};
    case Picture::Girl:
      return {"girl.svg", 32, 32};
    case Picture::SmallGirl:
      return {"small_girl.svg", 32, 32};
    case Picture::Shh:
      return {"shh.svg", 32, 32};
    case Picture::Argh:
      return {"argh.svg", 32, 32};
  }
  return {nullptr, 0, 0};
}
