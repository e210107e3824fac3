#include "qt/tv_screen.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QScreen>

#include "qt/scale.h"

TvScreen::TvScreen(QWidget& broadcast) : broadcast_(&broadcast) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(broadcast.windowTitle());
  setWindowIcon(broadcast.windowIcon());
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The whole screen also where no window manager makes full screen so.
  setGeometry(screen()->geometry());
  // The toolkit's scaling fits the broadcast to within a pixel of rounding.
  if (width() + 1 >= broadcast.width() && height() + 1 >= broadcast.height()) {
    broadcast.setParent(this, Qt::Widget);
    broadcast.show();  // shown with this window; a new parent hides a widget
    return;
  }
  auto* scene = new QGraphicsScene(this);
  proxy_ = scene->addWidget(&broadcast);
  scene->setSceneRect(proxy_->geometry());
  smaller_ = new QGraphicsView(scene, this);
  smaller_->setFrameShape(QFrame::NoFrame);
  smaller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  smaller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  smaller_->setBackgroundBrush(Qt::black);
  smaller_->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
  const double fit = largestFit(size(), broadcast.size());
  smaller_->scale(fit, fit);
  smaller_->setGeometry(rect());
}

TvScreen::~TvScreen() {
  if (!broadcast_) return;
  if (proxy_)
    proxy_->setWidget(nullptr);  // the scene would delete it with the proxy
  else
    broadcast_->setParent(nullptr, Qt::Window);
}

void TvScreen::paintEvent(QPaintEvent* event) { QPainter(this).fillRect(event->rect(), Qt::black); }

void TvScreen::resizeEvent(QResizeEvent*) {
  if (smaller_)
    smaller_->setGeometry(rect());
  else if (broadcast_)
    broadcast_->move((width() - broadcast_->width()) / 2, (height() - broadcast_->height()) / 2);
}

void TvScreen::closeEvent(QCloseEvent* event) {
  event->setAccepted(!broadcast_ || broadcast_->close());
}

QWidget& screenWindow(QWidget& broadcast) {
  if (const QGraphicsProxyWidget* proxy = broadcast.graphicsProxyWidget())
    if (const QGraphicsScene* scene = proxy->scene(); scene && !scene->views().isEmpty())
      return *scene->views().constFirst()->window();
  return *broadcast.window();
}
