#include <fcntl.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

#include "app/design.h"
#include "app/match_code.h"
#include "live/channel.h"
#include "qt/command_line.h"
#include "qt/display.h"
#include "qt/painting.h"
#include "qt/program.h"
#include "qt/scale.h"

namespace {

// A standard stream the program was started without gets /dev/null, opened
// for reading only, in its place: no file the toolkit opens can take that
// place and receive the help or the toolkit's warnings, and writing to the
// stream still fails.
void occupyClosedStreams() {
  for (int stream = 0; stream <= 2; ++stream)
    if (fcntl(stream, F_GETFD) == -1) open("/dev/null", O_RDONLY);  // the lowest free one: this
}

// Calls `then` once `widget` has painted for the first time, after its
// picture has gone to the screen; never if the widget goes first.
void afterFirstPaint(QWidget& widget, std::function<void()> then) {
  class Watch : public QObject {
   public:
    Watch(QWidget& watched, std::function<void()> then)
        : QObject(&watched), then_(std::move(then)) {
      watched.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Paint && then_)
        QTimer::singleShot(0, watched, std::exchange(then_, nullptr));
      return false;
    }

   private:
    std::function<void()> then_;
  };
  new Watch(widget, std::move(then));
}

// The live channel: each match in a window of its own, at the channel's
// moment, the next one once it ends, until the viewer leaves. The window of
// the match that ended shows its last picture until the next one's has
// drawn its first, so that the screen never goes black between them.
int watchLive(Options options) {
  const auto started = std::chrono::steady_clock::now();
  const auto now = [&options, started]() -> std::uint64_t {
    using namespace std::chrono;
    if (options.liveTestStart)
      return *options.liveTestStart +
             static_cast<std::uint64_t>(
                 duration_cast<milliseconds>(steady_clock::now() - started).count()) *
                 LiveStepsPerSecond / 1000;
    return static_cast<std::uint64_t>(
               duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count()) *
           LiveStepsPerSecond / 1000;
  };
  std::uint64_t notBefore = 0;
  std::shared_ptr<QtProgram> ended;
  for (;;) {
    const LiveMatch on = onAir(std::max(now(), notBefore)).match;
    options.match = on.code;
    auto program = std::make_shared<QtProgram>(options);
    program->program->followLive([now, kickOff = on.kickOffAt] {
      return static_cast<std::int64_t>(now()) - static_cast<std::int64_t>(kickOff);
    });
    program->start();
    if (ended)
      afterFirstPaint(*program->view.window(),
                      [gone = std::move(ended)]() mutable { gone.reset(); });
    if (!program->program->ended()) QCoreApplication::exec();
    if (program->program->viewerLeft()) return 0;
    notBefore = on.endAt;
    ended = std::move(program);
  }
}

}  // namespace

int main(int argc, char** argv) {
  occupyClosedStreams();
  setApplicationIdentity();
  CommandLine line;
  {
    // Read before there is a window, so that help, version and refusals need
    // no display; the window's application object comes after this one.
    QCoreApplication reader(argc, argv);
    line = readCommandLine(argumentsOf(argc, argv));
  }
  switch (line.action) {
    case CommandLine::Action::Run:
      break;
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
      // A full disk or a closed stdout is a failure, not a help shown.
      if (std::fputs(line.message.toLocal8Bit().constData(), stdout) == EOF ||
          std::fflush(stdout) == EOF) {
        std::fprintf(stderr, "blunderfest: could not write the %s: %s\n",
                     line.action == CommandLine::Action::ShowHelp ? "help" : "version",
                     std::strerror(errno));
        return 1;
      }
      return 0;
    case CommandLine::Action::Refuse:
      std::fprintf(stderr, "%s\n", line.message.toLocal8Bit().constData());
      return 2;
  }

  // Without a display Qt would stop with a long toolkit error; say it plainly.
  if (displayNamed().isEmpty()) {
    std::fprintf(stderr,
                 "blunderfest: no display to open the window on; "
                 "run it under a virtual one with: xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  chooseScale(line.options, QSize(toPixels(FormWidth), toPixels(FormHeight)), argv[0]);
  prepareWindowSystem();
  auto opening = std::make_unique<OpeningDisplay>();
  QApplication app(argc, argv);
  opening.reset();
  if (QString why; !displayShowsTheWindow(why)) {
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 1;
  }
  installFontSubstitutions();

  if (line.options.live) return watchLive(line.options);
  QtProgram program(line.options);
  program.start();
  if (!program.program->ended()) app.exec();
  // A start past the match's end shows nothing of it: say when it ended, and
  // the moments it could start at instead.
  if (const std::string why = program.program->endedBeforeItsStart(); !why.empty()) {
    std::fprintf(stderr, "blunderfest: %s Its moments:\n", why.c_str());
    for (const MatchMoment& m : program.program->moments())
      std::fprintf(stderr, "  %s %s\n", matchTime(m.second).c_str(), m.told.c_str());
    return 1;
  }
  return 0;
}
