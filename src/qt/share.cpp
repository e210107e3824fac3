#include "qt/share.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <cstdio>

#include "platform/program.h"

namespace {

// How long the title tells of the copy.
constexpr int ToldForMs = 4000;

QString clock(int second) {
  return QStringLiteral("%1:%2")
      .arg(second / 60, 2, 10, QLatin1Char('0'))
      .arg(second % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString shareSite() { return QStringLiteral(BLUNDERFEST_SITE); }

ShareKey::ShareKey(QWidget& window, const Program& program)
    : window_(&window), program_(program), title_(window.windowTitle()), site_(shareSite()) {
  restore_.setSingleShot(true);
  restore_.setInterval(ToldForMs);
  connect(&restore_, &QTimer::timeout, this, [this] {
    if (window_) window_->setWindowTitle(title_);
  });
  auto* key = new QShortcut(QKeySequence::Copy, &window);
  key->setContext(Qt::WindowShortcut);
  connect(key, &QShortcut::activated, this, [this] { copyLink(); });
}

bool ShareKey::copyLink() {
  const int second = program_.matchSecond();
  const std::string link = program_.matchLink(site_.toStdString(), second);
  if (link.empty()) {
    say(QStringLiteral("No match to link to yet"));
    return false;
  }
  QGuiApplication::clipboard()->setText(QString::fromStdString(link));
  const QString what = site_.isEmpty() ? QStringLiteral("Code of") : QStringLiteral("Link to");
  say(second > 0 ? QStringLiteral("%1 this match at %2 copied").arg(what, clock(second))
                 : QStringLiteral("%1 this match copied").arg(what));
  return true;
}

void ShareKey::say(const QString& what) {
  if (!window_) return;
  window_->setWindowTitle(what + QStringLiteral(" - ") + title_);
  restore_.start();
}

void writeTranscriptLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
