// Plays the real program on whatever display Qt finds (run it under
// xvfb-run) and carries out a list of timed actions: the buttons of the three
// screens, a skit started on the spot, or a screenshot of the window as the
// screen shows it. For looking at moments that the lottery brings only now
// and then.
//
//   stage [--seed N] OUTDIR MS:ACTION...
//
// A seed gives the countries and names of `blunderfest --seed N`.
// MS counts from the window's first showing. ACTION is one of
//   go        the builder's "&Go"         kickoff   the lineups' "&Go"
//   exit      the match's "&Exit"         close     closing the window
//   interject, football, injury, walk-off, card
//                                         that skit (the program's names of
//                                         its skits), started as the lottery
//                                         starts one, once play runs free
//   aside:N   the interjection with its aside drawn as N (0..32), likewise
//   goal      the goal sequence, likewise, as a shot's arrival starts it
//   say:TEXT  TEXT shown on the commentary line, as a skit shows its lines
//   minute:N  the match clock set to minute N (for half time and full time)
//   shot:NAME a screenshot OUTDIR/NAME.png
// Example: stage /tmp/shots 500:go 1000:kickoff 40000:card 43000:shot:card

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "app/form1.h"
#include "qt/painting.h"
#include "qt/program.h"

namespace {

// Seeds the shared generator so that its next draw below 33 is `aside`.
void drawAsideNext(Form1& f, int aside) {
  for (std::uint64_t seed = 1;; ++seed) {
    Random probe;
    probe.seed(seed);
    if (probe.below(33) == aside) {
      f.rnd().seed(seed);
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  prepareWindowSystem();
  QApplication app(argc, argv);
  installFontSubstitutions();
  Options options;
  if (argc > 2 && QString::fromLocal8Bit(argv[1]) == "--seed") {
    options.seed = std::strtoull(argv[2], nullptr, 10);
    argv += 2;
    argc -= 2;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: stage [--seed N] OUTDIR MS:ACTION...\n");
    return 2;
  }
  const QString outdir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outdir);

  QtProgram program(options);
  // The tool reaches past the door into the program, the one window object,
  // for the moments no user brings about: the goal, an aside, a line, a minute.
  Form1& f = static_cast<Form1&>(*program.program);
  const std::map<QString, std::function<void()>> actions = {
      {"go", [&] { f.click(f.Command2); }},
      {"kickoff", [&] { f.click(f.Command5); }},
      {"exit", [&] { f.click(f.cmdExit); }},
      {"close", [&] { program.view.window()->close(); }},
      {"goal",
       [&] {
         f.stage([&] {
           f.HoldAnnouncer = True;  // as the shot that comes before it
           f.GoalSequence();
         });
       }},
  };

  for (int i = 2; i < argc; ++i) {
    const QString step = QString::fromLocal8Bit(argv[i]);
    const int colon = step.indexOf(':');
    bool ok = false;
    const int ms = step.left(colon).toInt(&ok);
    const QString action = step.mid(colon + 1);
    std::function<void()> run;
    if (action.startsWith("shot:")) {
      const QString file = outdir + "/" + action.mid(5) + ".png";
      run = [&program, file] {
        QWidget* w = program.view.window();
        program.view.sync();
        w->screen()->grabWindow(w->winId()).save(file);
      };
    } else if (action.startsWith("aside:")) {
      bool number = false;
      const int aside = action.mid(6).toInt(&number);
      if (number && aside >= 0 && aside < 33)
        run = [&f, aside] {
          f.stage([&f, aside] {
            drawAsideNext(f, aside);
            f.SkitInterject();
          });
        };
    } else if (action.startsWith("say:")) {
      run = [&f, line = action.mid(4).toStdString()] { f.Announce2(line); };
    } else if (action.startsWith("minute:")) {
      bool number = false;
      const int minute = action.mid(7).toInt(&number);
      if (number) run = [&f, minute] { f.MatchMinute = minute; };
    } else if (auto a = actions.find(action); a != actions.end()) {
      run = a->second;
    } else if (const std::vector<std::string> skits = program.program->skits();
               std::find(skits.begin(), skits.end(), action.toStdString()) != skits.end()) {
      run = [&program, skit = action.toStdString()] { program.program->stage(skit); };
    }
    if (colon < 0 || !ok || !run) {
      std::fprintf(stderr, "stage: cannot read the action '%s'\n", argv[i]);
      return 2;
    }
    QTimer::singleShot(ms, Qt::PreciseTimer, [&program, run] {
      if (program.program->ended()) return;
      run();
      program.view.sync();
    });
  }

  program.start();
  if (!program.program->ended()) app.exec();
  return 0;
}
