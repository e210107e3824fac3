#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "qt/command_line.h"
#include "qt/program.h"
#include "qt/scale.h"
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
  setApplicationIdentity();
  CommandLine line;
  {
    // Read before there is a window, so that help, version and refusals need
    // no display; the window's application object comes after this one.
    QCoreApplication reader(argc, argv);
    line = readCommandLine(QCoreApplication::arguments());
  }
  switch (line.action) {
    case CommandLine::Action::Run:
      break;
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
      std::fputs(line.message.toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLine::Action::Refuse:
      std::fprintf(stderr, "%s\n", line.message.toLocal8Bit().constData());
      return 2;
  }

  if (!hasDisplay()) {
    std::fprintf(stderr,
                 "blunderfest: no display to open the window on; "
                 "run it under a virtual one with: xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  chooseScale(line.options, argv[0]);
  prepareWindowSystem();
  QApplication app(argc, argv);
  installFontSubstitutions();

  QtProgram program(line.options);
  program.start();
  if (!program.form.ended()) app.exec();
  return 0;
}
