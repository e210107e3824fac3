#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "qt/program.h"
#include "qt/view.h"

namespace {

// Without a display Qt would stop with a long toolkit error; say it plainly.
bool hasDisplay() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!hasDisplay()) {
    std::fprintf(stderr,
                 "blunderfest: no display to open the window on; "
                 "run it under a virtual one with: xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  QApplication app(argc, argv);
  installFontSubstitutions();

  QtProgram program;
  program.start();
  if (!program.form.ended()) app.exec();
  return 0;
}
