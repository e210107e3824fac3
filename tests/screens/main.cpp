#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QString>

// The window's tests on a screen of `--screen WxH` pixels (640x480 unless
// said otherwise): the offscreen window system made to show one screen of
// that size.
int main(int argc, char** argv) {
  QString size = QStringLiteral("640x480");
  for (int i = 1; i + 1 < argc; ++i)
    if (QByteArray(argv[i]) == "--screen") size = QString::fromLocal8Bit(argv[i + 1]);
  const QStringList sides = size.split(QLatin1Char('x'));
  if (sides.size() != 2) return 2;
  QFile config(QDir::temp().filePath(QStringLiteral("blunderfest-screen-%1-%2.json")
                                         .arg(size)
                                         .arg(QCoreApplication::applicationPid())));
  if (!config.open(QIODevice::WriteOnly)) return 2;
  config.write(
      QStringLiteral("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": %1, "
                     "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, "
                     "\"dpr\": 1}]}")
          .arg(sides[0], sides[1])
          .toUtf8());
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
  QApplication app(argc, argv);
  config.remove();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
