#include "qt/share.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTimer>

#include "sim/simulator.h"
#include "support/desktop.h"

namespace {

// The match of a code on the real window: its first `count` lines, each
// with the link the copy key copied as it was shown.
struct Replayed : Desktop {
  std::vector<std::string> lines, links;
  Replayed(const Options& options, std::size_t count) : Desktop(options) {
    program->transcribe([this, count](const std::string& line) {
      lines.push_back(line);
      share->copyLink();
      links.push_back(QGuiApplication::clipboard()->text().toStdString());
      if (lines.size() == count) program->closeRequested();
    });
    start();
  }
  ~Replayed() {
    // Ending makes every later event loop return at once; a short exec of
    // the application clears that.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
  }
  // Runs the window until it has ended, a minute at most.
  void play() {
    QElapsedTimer waited;
    waited.start();
    while (!program->ended() && waited.elapsed() < 60000)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  }
};

std::string codeOfAMatch() {
  const SimulatedMatch m = simulateMatch(5);
  EXPECT_FALSE(m.code.empty());
  return m.code;
}

// The first lines of the simulator's replay of `code` from `second`.
std::vector<std::string> simulated(const std::string& code, int second, std::size_t count) {
  std::string why;
  const SimulatedMatch m = simulateMatch(
      1,
      {.userActs = false, .replay = decodeMatch(code, why), .startAt = second, .transcript = true});
  std::vector<std::string> lines;
  for (std::size_t k = 0; k < count && k < m.transcript.size(); ++k)
    lines.push_back(m.transcript[k].line);
  return lines;
}

}  // namespace

TEST(Share, TheWindowGivenACodeOpensItsLineupsPlaysTheSimulatorsLinesAndCopiesItsLink) {
  const std::string code = codeOfAMatch();
  // From the clock of the simulator's fourth line, so that the window shows
  // its lines within seconds of the hurried start.
  std::string why;
  const SimulatedMatch whole =
      simulateMatch(1, {.userActs = false, .replay = decodeMatch(code, why), .transcript = true});
  ASSERT_GT(whole.transcript.size(), 4u);
  const int second = whole.transcript[3].second;
  const std::vector<std::string> expected = simulated(code, second, 3);
  ASSERT_EQ(expected.size(), 3u);

  Replayed w({.match = code, .atSecond = second}, expected.size());
  EXPECT_TRUE(w.form.Picture6.visible);  // the lineups, waiting for "&Go"
  w.form.click(w.form.Command5);
  w.play();
  EXPECT_EQ(w.lines, expected);
  for (std::size_t k = 0; k < w.lines.size(); ++k)  // the link at the clock shown
    EXPECT_EQ(w.links[k], matchLink(shareSite().toStdString(), code,
                                    *parseMatchTime(w.lines[k].substr(0, 5), why)));
}

TEST(Share, TheCopyKeyCopiesTheLinkFromTheLineupsOnAndTheTitleSaysSo) {
  Replayed title({}, 0);  // nothing to link to before the lineups
  QWidget& window = *title.view.window();
  const QString designed = window.windowTitle();
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(title.share->copyLink());
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
  EXPECT_EQ(window.windowTitle(), "No match to link to yet - " + designed);

  title.form.click(title.form.Command2);
  // Where the build names no site, the code in words for the program and the page.
  title.share->setSite("");
  EXPECT_TRUE(title.share->copyLink());
  const std::string code = title.program->matchLink("https://example.org/").substr(27);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            "blunderfest --match " + code + " (on the page: ?match=" + code + ")");
  EXPECT_EQ(window.windowTitle(), "Code of this match copied - " + designed);
  title.share->setSite("https://example.org/blunderfest/");
  EXPECT_TRUE(title.share->copyLink());
  const QString link = QGuiApplication::clipboard()->text();
  EXPECT_EQ(link.toStdString(), "https://example.org/blunderfest/?match=" + code);
  EXPECT_EQ(window.windowTitle(), "Link to this match copied - " + designed);
  // The lineups' link opens the same lineups.
  Replayed opened({.match = link.mid(link.indexOf('=') + 1).toStdString()}, 0);
  EXPECT_EQ(opened.form.Label17.caption, title.form.Label17.caption);
  EXPECT_EQ(opened.form.player[3].name(), title.form.player[3].name());
}
