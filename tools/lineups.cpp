// Prints what a seed gives before the match, as `blunderfest --seed SEED`
// shows it: the two countries, then, after the builder's "&Go", the names of
// the 26 figures, one a line.
//
//   lineups SEED

#include <cstdio>
#include <cstdlib>

#include "app/form1.h"
#include "platform/options.h"
#include "virtual/virtual_platform.h"

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long long seed = argc == 2 ? std::strtoull(argv[1], &end, 10) : 0;
  if (argc != 2 || !*argv[1] || *end) {
    std::fprintf(stderr, "usage: lineups SEED\n");
    return 2;
  }
  VirtualPlatform platform;
  Form1 form{platform};
  platform.attach(form);
  applyOptions(Options{.seed = seed}, platform);
  form.load();
  std::printf("%s\n%s\n", form.Label17.caption.c_str(), form.Label18.caption.c_str());
  form.click(form.Command2);
  for (const Figure& figure : form.player) std::printf("%s\n", figure.name().c_str());
  return 0;
}
