// Renders the screenshots that the AppStream metadata shows: the real window's
// widgets, painted offscreen, at moments of a seeded run in virtual time, so
// that every build makes the same pictures. Run at build time.
//
//   render_screenshots OUTDIR     writes OUTDIR/title.png, lineups.png, match.png

#include <QApplication>
#include <QDir>
#include <QString>
#include <QWidget>
#include <cstdio>

#include "app/form1.h"
#include "platform/options.h"
#include "qt/painting.h"
#include "qt/view.h"
#include "virtual/virtual_platform.h"

namespace {

// The seed of the pictured run: the year of the tournament.
constexpr std::uint64_t Seed = 1998;

// What is pictured, in ms of virtual time from the window's first showing:
// the bomb falling on the title screen, the lineups, and play in the first
// half after the announcer's introduction.
constexpr std::uint32_t TitleMs = 1500;
constexpr std::uint32_t LineupsMs = 2000;
constexpr std::uint32_t KickoffMs = 3000;
constexpr std::uint32_t MatchMs = 90000;

}  // namespace

int main(int argc, char** argv) {
  // A build has no display to open.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installFontSubstitutions();
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_screenshots OUTDIR\n");
    return 2;
  }
  const QString outdir = QString::fromLocal8Bit(argv[1]);

  VirtualPlatform platform;
  Form1 form{platform};
  platform.attach(form);
  applyOptions(Options{.seed = Seed}, platform);
  form.load();
  View view{form};
  view.sync();

  bool written = QDir().mkpath(outdir);
  auto shoot = [&](const char* name) {
    view.sync();
    const QString file = outdir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!view.window()->grab().save(file)) {
      std::fprintf(stderr, "render_screenshots: could not write %s\n", qPrintable(file));
      written = false;
    }
  };
  auto stepOf = [](std::uint32_t ms) { return std::uint64_t{ms} * StepsPerSecond / 1000; };
  // The kick-off's introduction runs inside its click, so the match is
  // pictured from within it, as the events of later passes.
  platform.at(stepOf(TitleMs), [&] { shoot("title"); });
  platform.at(stepOf(TitleMs) + 1, [&] { form.click(form.Command2); });
  platform.at(stepOf(LineupsMs), [&] { shoot("lineups"); });
  platform.at(stepOf(KickoffMs), [&] { form.click(form.Command5); });
  bool matchShot = false;
  platform.at(stepOf(MatchMs), [&] {
    shoot("match");
    matchShot = true;
  });
  while (!matchShot && !form.ended()) platform.run(1);
  if (!matchShot) {
    std::fprintf(stderr, "render_screenshots: the match ended before its picture\n");
    return 1;
  }
  return written ? 0 : 1;
}
