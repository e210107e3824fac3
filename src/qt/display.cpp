#include "qt/display.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
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
  constexpr int FewestBits = 15;  // the toolkit draws at 15 bits and more
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

WindowDestroyedWatch::WindowDestroyedWatch(std::function<QWidget*()> window,
                                           std::function<void()> gone)
    : window_(std::move(window)), gone_(std::move(gone)) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowDestroyedWatch::~WindowDestroyedWatch() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool WindowDestroyedWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  const int kind = event->response_type & ~0x80;
  if (kind == 0)  // an error: about the vanished window, it is no news
    return destroyed_ &&
           static_cast<const xcb_generic_error_t*>(message)->resource_id == destroyed_;
  if (kind != XCB_DESTROY_NOTIFY || destroyed_) return false;
  // The toolkit forgets the id of a window it destroys itself before the news
  // comes back: a match is another program's doing.
  const QWidget* shown = window_();
  const xcb_window_t id = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
  if (!shown || shown->internalWinId() != id) return false;
  destroyed_ = id;
  gone_();
  return false;
}
