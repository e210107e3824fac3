#include "qt/speech.h"

#include <QTextToSpeech>
#include <cstdio>

namespace {

QString silentBecause(const QString& reason) {
  return QStringLiteral("blunderfest: --voice: %1; the announcer stays silent.").arg(reason);
}

// A message of the speech engine without its closing full stop, to quote it.
QString quoted(QString message) {
  message = message.trimmed();
  if (message.endsWith(QLatin1Char('.'))) message.chop(1);
  return message;
}

// Qt's speech engine as the announcer's voice. The engine starts a line a
// moment after it is asked to: the line counts as being read from the
// request on, so that a play-by-play line cannot cut it short meanwhile.
// Now and then the audio output drops a line with an error and plays the
// next one as usual: only several lines in a row lost mean the sound is gone.
class QtSpeaker final : public Speaker {
 public:
  explicit QtSpeaker(const QString& engine) : speech_(engine) {
    QObject::connect(&speech_, &QTextToSpeech::stateChanged, [this](QTextToSpeech::State state) {
      if (state == QTextToSpeech::Speaking) starting_ = false;
    });
    QObject::connect(&speech_, &QTextToSpeech::errorOccurred,
                     [this](QTextToSpeech::ErrorReason, const QString& message) {
                       starting_ = false;
                       if (lineLost_ || failed_) return;  // one line lost counts once
                       lineLost_ = true;
                       if (++linesLostInARow_ < LostLinesMeanNoSound) return;
                       failed_ = true;
                       std::fprintf(
                           stderr, "%s\n",
                           qPrintable(silentBecause(
                               QStringLiteral("the sound failed (%1)").arg(quoted(message)))));
                     });
  }

  // Why the voice cannot speak at all, or nothing when it can. (The reason
  // of an error can stay set while the engine is ready: only a failed engine
  // or a failed audio output counts.)
  QString fault() const {
    if (QTextToSpeech::availableEngines().isEmpty())
      return QStringLiteral(
          "no speech engine is installed (Debian has one in "
          "qt6-speech-flite-plugin)");
    if (speech_.state() == QTextToSpeech::Error)
      return QStringLiteral("the speech engine '%1' does not start (%2)")
          .arg(speech_.engine(), quoted(speech_.errorString()));
    if (speech_.errorReason() == QTextToSpeech::ErrorReason::Playback)
      return QStringLiteral("no audio device to speak on (%1)").arg(quoted(speech_.errorString()));
    return {};
  }

  void say(const std::string& line) override {
    if (failed_) return;
    const QString text = QString::fromStdString(line).trimmed();
    if (text.isEmpty()) return stop();
    if (!lineLost_) linesLostInARow_ = 0;
    lineLost_ = false;
    starting_ = true;
    speech_.say(text);
  }
  void stop() override {
    starting_ = false;
    speech_.stop(QTextToSpeech::BoundaryHint::Immediate);
  }
  bool speaking() override {
    return !failed_ && (starting_ || speech_.state() == QTextToSpeech::Speaking);
  }

 private:
  QTextToSpeech speech_;
  static constexpr int LostLinesMeanNoSound = 3;
  bool starting_ = false;
  bool lineLost_ = false;
  int linesLostInARow_ = 0;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<Speaker> startVoice(QString& silence, const QString& engine) {
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  auto speaker = std::make_unique<QtSpeaker>(engine);
  const QString fault = speaker->fault();
  if (!fault.isEmpty()) speaker.reset();
  qInstallMessageHandler(previous);
  if (!fault.isEmpty()) silence = silentBecause(fault);
  return speaker;
}
