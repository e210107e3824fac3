#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSize>

// Makes the offscreen window system show one screen of `size` pixels to the
// application object created next: a configuration file of its own, removed
// with this object.
class OffscreenScreen {
 public:
  explicit OffscreenScreen(QSize size)
      : config_(QDir::temp().filePath(QStringLiteral("blunderfest-screen-%1x%2-%3.json")
                                          .arg(size.width())
                                          .arg(size.height())
                                          .arg(QCoreApplication::applicationPid()))) {
    if (!config_.open(QIODevice::WriteOnly)) return;
    config_.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, "
                                 "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                 "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                      .arg(size.width())
                      .arg(size.height())
                      .toUtf8());
    config_.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config_.fileName().toLocal8Bit());
  }
  ~OffscreenScreen() { config_.remove(); }
  OffscreenScreen(const OffscreenScreen&) = delete;
  OffscreenScreen& operator=(const OffscreenScreen&) = delete;

 private:
  QFile config_;
};
