#pragma once

#include <QPointer>
#include <QWidget>

class QGraphicsProxyWidget;
class QGraphicsView;

// The broadcast as a television shows it: a borderless window over the whole
// screen, black, with the program's window centred on it without its frame.
// Closing it closes the program's window. The toolkit's own scaling draws the
// broadcast as large as the screen allows, but never smaller than designed
// (below that it draws widgets wrongly): on a screen smaller than the
// broadcast, the broadcast is drawn smaller in a scene of its own.
class TvScreen : public QWidget {
 public:
  // Takes `broadcast`, a top-level window, in as its centred child.
  explicit TvScreen(QWidget& broadcast);
  // Hands the broadcast back as a window of its own, if it still exists.
  ~TvScreen() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QPointer<QWidget> broadcast_;
  QGraphicsView* smaller_ = nullptr;       // on a small screen: the scene, scaled
  QGraphicsProxyWidget* proxy_ = nullptr;  // the broadcast in it
};

// The window that shows `broadcast` on the screen: its own, or the television
// picture around it.
QWidget& screenWindow(QWidget& broadcast);
