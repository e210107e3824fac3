#pragma once

// Reaching the display: whether the environment names one, opening it
// without the toolkit's abort, whether it can show the window, and noticing
// when another program destroys the window.

#include <QAbstractNativeEventFilter>
#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

// The variables of the environment that name the display, as a message
// quotes them ("DISPLAY=:0", "QT_QPA_PLATFORM=xcb, DISPLAY=:0"); empty when
// none is set.
QString displayNamed();

// Lives while an application object opens the display. The toolkit's messages
// meanwhile are held back and passed on once the display is open. Where it
// cannot be opened, which the toolkit ends with an abort and a core dump, the
// program says so in one line on stderr, naming the display, and ends with
// status 1.
class OpeningDisplay {
 public:
  OpeningDisplay();
  ~OpeningDisplay();
  OpeningDisplay(const OpeningDisplay&) = delete;
  OpeningDisplay& operator=(const OpeningDisplay&) = delete;
};

// Whether the open display can show the window. With fewer than 15 bits a
// pixel the toolkit paints nothing at all (and warns hundreds of times a
// second); `why` is then the one line for stderr that says so.
bool displayShowsTheWindow(QString& why);

// Calls `gone` once another program destroys the window system's window of
// `window()` (as `xdotool windowclose` does): the toolkit takes no notice of
// it, and the program would run on without a window. The window system's
// complaints about the vanished window that follow are dropped.
class WindowDestroyedWatch : public QAbstractNativeEventFilter {
 public:
  WindowDestroyedWatch(std::function<QWidget*()> window, std::function<void()> gone);
  ~WindowDestroyedWatch() override;

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  std::function<QWidget*()> window_;
  std::function<void()> gone_;
  quint32 destroyed_ = 0;  // the window system's id of the vanished window
};
