#include "qt/tv_screen.h"

#include <QCloseEvent>
#include <QPainter>

TvScreen::TvScreen(QWidget& broadcast) : broadcast_(&broadcast) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(broadcast.windowTitle());
  setWindowIcon(broadcast.windowIcon());
  setAttribute(Qt::WA_OpaquePaintEvent);
  broadcast.setParent(this, Qt::Widget);
  broadcast.show();  // shown with this window; a new parent hides a widget
}

TvScreen::~TvScreen() {
  if (broadcast_) broadcast_->setParent(nullptr, Qt::Window);
}

void TvScreen::paintEvent(QPaintEvent* event) { QPainter(this).fillRect(event->rect(), Qt::black); }

void TvScreen::resizeEvent(QResizeEvent*) {
  if (broadcast_)
    broadcast_->move((width() - broadcast_->width()) / 2, (height() - broadcast_->height()) / 2);
}

void TvScreen::closeEvent(QCloseEvent* event) {
  event->setAccepted(!broadcast_ || broadcast_->close());
}
