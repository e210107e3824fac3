#include "qt/display.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "qt/command_line.h"

namespace {

// A message of the toolkit held back while the display opens.
struct HeldMessage {
  QtMsgType type;
  std::string file, function, category;
  int line;
  QString text;
};

std::mutex heldMutex;  // the toolkit may report from its event reader's thread
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;
QByteArray cannotOpen;  // the one line that says the display cannot be opened

const char* orNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {  // the toolkit gives up on the display: no abort, no core
    std::fputs(cannotOpen.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  const std::lock_guard lock(heldMutex);
  held.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                  context.category ? context.category : "", context.line, text});
}

}  // namespace

QString displayNamed() {
  QStringList named;
  for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
    if (const QString value = qEnvironmentVariable(name); !value.isEmpty())
      named << QLatin1String(name) + QLatin1Char('=') + printable(value);
  return named.join(QStringLiteral(", "));
}

OpeningDisplay::OpeningDisplay() {
  cannotOpen = QStringLiteral("blunderfest: could not open the display (%1).\n")
                   .arg(displayNamed())
                   .toLocal8Bit();
  passOn = qInstallMessageHandler(holdBack);
}

OpeningDisplay::~OpeningDisplay() {
  qInstallMessageHandler(passOn);
  const std::lock_guard lock(heldMutex);
  for (const HeldMessage& m : held)
    passOn(m.type,
           QMessageLogContext(orNull(m.file), m.line, orNull(m.function), orNull(m.category)),
           m.text);
  held.clear();
}

bool displayShowsTheWindow(QString& why) {
  constexpr int FewestBits = 16;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || screen->depth() >= FewestBits) return true;
  why = QStringLiteral(
            "blunderfest: the display (%1) has %2 bits a pixel; the window needs %3 or "
            "more.")
            .arg(displayNamed())
            .arg(screen->depth())
            .arg(FewestBits);
  return false;
}
