#include <string>

#include "app/form1.h"
#include "skits/script.h"

// The announcer's daydream: piece by piece the match turns into American
// football (the league's logo, goalposts, helmets, the ball), then it all
// goes again in reverse and he admits it was a dream. A fixed script with no
// draws; play goes on underneath, its own lines held back.
void Form1::SkitFootball() {
  replay.moment(MomentKind::Football);
  HoldAnnouncer = True;
  // The helmets sit in their players' boxes and move with them.
  auto showHelmets = [this](bool shown) {
    for (auto& [index, helmet] : NFLhelmet) {
      helmet.visible = shown;
      DelayMs(1000);
    }
  };

  NFLLogo.visible = true;
  Say(*this, {"Wait a minute.. something's happening here"});
  Say(*this, {"it appears as if an American Football logo has appeared"});
  picFG[0].visible = true;
  Say(*this, {"And what's this now? goalposts being erected?", Delay(2000)});
  picFG[1].visible = true;
  DelayMs(2000);
  Say(*this, {"The fans are starting to cheer!", NoWait});
  showHelmets(true);
  Say(*this, {"and now it appears that several of the players have ", Delay(3000)});
  Say(*this, {"turned into real football players.."});
  picBall.picture = imgFB.picture;
  DelayMs(1000);
  Say(*this, {"... and the ball!..."});
  Say(*this, {"this is quickly turning into the most exciting day "});
  Say(*this, {"of soccer of all time", Delay(8000)});
  picBall.picture = imgSoc.picture;
  DelayMs(2000);
  Say(*this, {"oh no!  what's happened to the ball?", Delay(2000)});
  showHelmets(false);
  picFG[0].visible = false;
  Say(*this, {"and the goalposts now!  no this can't be happening!", Delay(3000)});
  picFG[1].visible = false;
  DelayMs(2000);
  NFLLogo.visible = false;
  DelayMs(1000);
  Say(*this, {"and now the logo's gone too.."});
  Say(*this, {"I guess it was just a dream--a wonderful, exciting dream'"});
  Say(*this, {"Perhaps one of these days soccer fans will wake up and"});
  Say(*this, {"realize how lame soccer really is, but for now it's"});
  Say(*this, {"back to the match.", Delay(2000)});

  HoldAnnouncer = False;
}
