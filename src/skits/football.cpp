#include <string>

#include "app/form1.h"

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
  Say("Wait a minute.. something's happening here", 4000);
  Say("it appears as if an American Football logo has appeared", 4000);
  picFG[0].visible = true;
  Say("And what's this now? goalposts being erected?", 2000);
  picFG[1].visible = true;
  DelayMs(2000);
  Announce2("The fans are starting to cheer!");
  showHelmets(true);
  Say("and now it appears that several of the players have ", 3000);
  Say("turned into real football players..", 4000);
  picBall.picture = imgFB.picture;
  DelayMs(1000);
  Say("... and the ball!...", 4000);
  Say("this is quickly turning into the most exciting day ", 4000);
  Say("of soccer of all time", 8000);
  picBall.picture = imgSoc.picture;
  DelayMs(2000);
  Say("oh no!  what's happened to the ball?", 2000);
  showHelmets(false);
  picFG[0].visible = false;
  Say("and the goalposts now!  no this can't be happening!", 3000);
  picFG[1].visible = false;
  DelayMs(2000);
  NFLLogo.visible = false;
  DelayMs(1000);
  Say("and now the logo's gone too..", 4000);
  Say("I guess it was just a dream--a wonderful, exciting dream'", 4000);
  Say("Perhaps one of these days soccer fans will wake up and", 4000);
  Say("realize how lame soccer really is, but for now it's", 4000);
  Say("back to the match.", 2000);

  HoldAnnouncer = False;
}
