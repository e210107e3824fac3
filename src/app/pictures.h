#pragma once

// The pictures of the window. The core names them and knows their files in
// assets/ and their natural sizes; each platform draws them from that vector
// art.
enum class Picture {
  None,
  Icon,        // black-and-white soccer ball, the window icon (32 x 32 px)
  SoccerBall,  // picBall, imgSoc
  Football,    // imgFB: an American football
  Crowd,       // the packed stadium behind the pitch (700 x 140 px)
  Trefoil,     // the yellow radiation sign on the bomb
  Sponsor,     // cartoon man in a white hat eating
  FlagSweden,  // the judges' flags, in panel order
  FlagNetherlands,
  FlagSouthKorea,
  FlagSovietUnion,
  FlagIran,
  FlagNigeria,
  FlagColombia,
  RedCross,    // on the ambulance
  LeagueLogo,  // shield of an invented American-football league
  HelmetA,     // American-football helmet, first design
  HelmetB,     // second design
  Burns,       // bald, elderly cartoon businessman
  Girl,        // girl in a pink dress
  SmallGirl,   // blonde girl with a bow
  Shh,         // man with a finger to his lips and a speech bubble
  Argh,        // man clutching his head
};

// A picture's file in assets/ and its natural size in pixels (96 dpi); no file
// and no size for None.
struct PictureFile {
  const char* file = nullptr;
  int width = 0;
  int height = 0;
};

PictureFile pictureFile(Picture p);
