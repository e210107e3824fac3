#pragma once

#include <QPointer>
#include <QWidget>

// The broadcast as a television shows it: a borderless full-screen window,
// black, with the program's window centred on it without its frame. Closing
// it closes the program's window.
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
};
