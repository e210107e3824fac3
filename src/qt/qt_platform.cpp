#include "qt/qt_platform.h"

#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>

#include "platform/program.h"
#include "qt/accessibility.h"
#include "qt/message_box.h"
#include "qt/painting.h"
#include "qt/tv_screen.h"
#include "qt/view.h"

void prepareWindowSystem() {
  if (qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) return;
  bool scaled = false;
  if (const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&scaled); scaled)
    scaled = scale > 1;
  if (!scaled) qputenv("QT_XCB_NO_MITSHM", "1");
}

QtPlatform::QtPlatform() { clock_.start(); }

QtPlatform::~QtPlatform() {
  if (heartbeatTimer_) killTimer(heartbeatTimer_);
}

void QtPlatform::attach(Program& program, View& view) {
  program_ = &program;
  view_ = &view;
}

std::uint64_t QtPlatform::realStep() const {
  return static_cast<std::uint64_t>(clock_.nsecsElapsed()) * StepsPerSecond / 1000000000ull;
}

void QtPlatform::start() {
  keepPace();
  armHeartbeat();
}

void QtPlatform::hurry(bool on) {
  SteppedPlatform::hurry(on);
  if (!heartbeatTimer_) return;  // not started, or ended
  killTimer(heartbeatTimer_);
  armHeartbeat();
}

void QtPlatform::armHeartbeat() {
  // A fresh timer for every step: Qt never delivers a timer's event again
  // while that timer's handler runs, and the heartbeat's handler may run
  // whole skits with their waits. A step owed already is delivered at once.
  qint64 boundaryNs = static_cast<qint64>(nextDue() * 1000000000ull / StepsPerSecond);
  qint64 waitMs = (boundaryNs - clock_.nsecsElapsed() + 999999) / 1000000;
  heartbeatTimer_ = startTimer(static_cast<int>(waitMs < 0 ? 0 : waitMs), Qt::PreciseTimer);
}

void QtPlatform::timerEvent(QTimerEvent* event) {
  if (event->timerId() != heartbeatTimer_) return;
  killTimer(heartbeatTimer_);
  heartbeatTimer_ = 0;
  if (program_ && program_->ended()) return;
  if (!owed()) {  // woke a little early: the boundary is still ahead
    armHeartbeat();
    return;
  }
  const std::uint64_t step = advance();
  // The passes of the running waits are over at this step; each returns
  // once control comes back to it.
  for (QEventLoop* pass : passes_) pass->quit();
  armHeartbeat();
  if (program_) program_->heartbeat(step);
  // Inside a wait the next pass begins with a sync right after this one; in
  // the idle loop this is the only one. Steps owed are caught up on first.
  if (passes_.empty() && view_ && program_ && !program_->ended() && caughtUp()) view_->sync();
}

void QtPlatform::processEventsOnce() {
  if (view_ && caughtUp()) view_->sync();
  QEventLoop pass;
  passes_.push_back(&pass);
  pass.exec();
  passes_.pop_back();
}

void QtPlatform::endProgram() {
  for (QEventLoop* pass : passes_) pass->quit();
  if (heartbeatTimer_) {
    killTimer(heartbeatTimer_);
    heartbeatTimer_ = 0;
  }
  // The full-screen picture around it goes too; on the live channel the
  // window stays until the next match's shows, so that no screen goes black.
  const bool handsOver = live && program_ && !program_->viewerLeft();
  if (view_ && !handsOver) screenWindow(*view_->window()).hide();
  QCoreApplication::exit(0);
}

// Over the window on the screen: a broadcast drawn smaller in a scene would
// draw the box into the scene too.
void QtPlatform::messageBox(const std::string& title, const std::string& text) {
  showInformation(view_ ? &screenWindow(*view_->window()) : nullptr, QString::fromStdString(title),
                  labelText(text));
}

void QtPlatform::commentary(const std::string&, bool) {
  // Only a listening screen reader needs to hear of it, and none of the
  // lines of a match run unseen towards the time a broadcast starts at.
  if (hurried() || !QAccessible::isActive() || !view_ || !program_) return;
  const Element* line = elementIn(*program_, Role::Commentary);
  if (QWidget* screen = line ? view_->widgetOf(*line->container) : nullptr)
    commentaryChanged(*screen);
}

int QtPlatform::screenWidth() {
  return QGuiApplication::primaryScreen()->geometry().width() * TwipsPerPixel;
}

int QtPlatform::screenHeight() {
  return QGuiApplication::primaryScreen()->geometry().height() * TwipsPerPixel;
}

// The frame the window system reports once the window is shown.
int QtPlatform::windowFrameWidth() {
  QWidget* w = view_ ? view_->window() : nullptr;
  if (w && w->isVisible()) return (w->frameGeometry().width() - w->width()) * TwipsPerPixel;
  return SteppedPlatform::windowFrameWidth();
}

int QtPlatform::windowFrameHeight() {
  QWidget* w = view_ ? view_->window() : nullptr;
  if (w && w->isVisible()) return (w->frameGeometry().height() - w->height()) * TwipsPerPixel;
  return SteppedPlatform::windowFrameHeight();
}

// The place is on the screen, from its top left corner. Full screen, the
// window lies centred on the television picture instead. Where the window
// does not fit the screen's free area, it is kept on it from the top left, so
// that its title bar stays in reach.
void QtPlatform::moveWindow(int left, int top) {
  QWidget* w = view_ ? view_->window() : nullptr;
  if (!w || &screenWindow(*w) != w) return;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint at =
      screen->geometry().topLeft() + QPoint(left / TwipsPerPixel, top / TwipsPerPixel);
  const QRect free = screen->availableGeometry();
  const int width = w->width() + windowFrameWidth() / TwipsPerPixel,
            height = w->height() + windowFrameHeight() / TwipsPerPixel;
  w->move(std::max(free.left(), std::min(at.x(), free.right() + 1 - width)),
          std::max(free.top(), std::min(at.y(), free.bottom() + 1 - height)));
}
