#include "qt/qt_platform.h"

#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>

#include "app/form1.h"
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

void QtPlatform::attach(Form1& form, View& view) {
  form_ = &form;
  view_ = &view;
}

std::uint64_t QtPlatform::currentStep() const {
  return static_cast<std::uint64_t>(clock_.nsecsElapsed()) * StepsPerSecond / 1000000000ull;
}

void QtPlatform::start() {
  lastBeat_ = currentStep();
  armHeartbeat();
}

void QtPlatform::armHeartbeat() {
  // A fresh timer for every step: Qt never delivers a timer's event again
  // while that timer's handler runs, and the heartbeat's handler may run
  // whole skits with their waits.
  std::uint64_t next = currentStep() + 1;
  qint64 boundaryNs = static_cast<qint64>(next * 1000000000ull / StepsPerSecond);
  qint64 waitMs = (boundaryNs - clock_.nsecsElapsed() + 999999) / 1000000;
  heartbeatTimer_ = startTimer(static_cast<int>(waitMs < 0 ? 0 : waitMs), Qt::PreciseTimer);
}

void QtPlatform::timerEvent(QTimerEvent* event) {
  if (event->timerId() != heartbeatTimer_) return;
  killTimer(heartbeatTimer_);
  heartbeatTimer_ = 0;
  if (form_ && form_->ended()) return;
  std::uint64_t step = currentStep();
  if (step == lastBeat_) {  // woke a little early: the boundary is still ahead
    armHeartbeat();
    return;
  }
  lastBeat_ = step;
  // The passes of the running waits are over at this boundary; each returns
  // once control comes back to it.
  for (QEventLoop* pass : passes_) pass->quit();
  armHeartbeat();
  if (form_) form_->heartbeat(step);
  // Inside a wait the next pass begins with a sync right after this one; in
  // the idle loop this is the only one.
  if (passes_.empty() && view_ && form_ && !form_->ended()) view_->sync();
}

void QtPlatform::processEventsOnce() {
  if (view_) view_->sync();
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
  if (view_) screenWindow(*view_->window()).hide();  // the full-screen picture around it too
  QCoreApplication::exit(0);
}

// Over the window on the screen: a broadcast drawn smaller in a scene would
// draw the box into the scene too.
void QtPlatform::messageBox(const std::string& title, const std::string& text) {
  showInformation(view_ ? &screenWindow(*view_->window()) : nullptr, QString::fromStdString(title),
                  labelText(text));
}

void QtPlatform::commentary(const std::string&, bool) {
  // Only a listening screen reader needs to hear of it.
  if (!QAccessible::isActive()) return;
  QWidget* screen = view_ && form_ ? view_->widgetOf(form_->Picture1) : nullptr;
  if (screen) commentaryChanged(*screen);
}

int QtPlatform::screenWidth() {
  return QGuiApplication::primaryScreen()->geometry().width() * TwipsPerPixel;
}

int QtPlatform::screenHeight() {
  return QGuiApplication::primaryScreen()->geometry().height() * TwipsPerPixel;
}

// The window's outer size: the frame the window system reports once the
// window is shown; before that, the client area and a nominal dialog frame.
int QtPlatform::windowOuterWidth() {
  QWidget* w = view_ ? view_->window() : nullptr;
  if (w && w->isVisible()) return w->frameGeometry().width() * TwipsPerPixel;
  return static_cast<int>(form_ ? form_->Form.width : 0) + NominalFrameWidth;
}

int QtPlatform::windowOuterHeight() {
  QWidget* w = view_ ? view_->window() : nullptr;
  if (w && w->isVisible()) return w->frameGeometry().height() * TwipsPerPixel;
  return static_cast<int>(form_ ? form_->Form.height : 0) + NominalFrameHeight;
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
  const int width = windowOuterWidth() / TwipsPerPixel,
            height = windowOuterHeight() / TwipsPerPixel;
  w->move(std::max(free.left(), std::min(at.x(), free.right() + 1 - width)),
          std::max(free.top(), std::min(at.y(), free.bottom() + 1 - height)));
}
