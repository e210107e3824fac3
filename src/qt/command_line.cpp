#include "qt/command_line.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <cstdint>
#include <limits>

#include "app/match_code.h"
#include "live/channel.h"

namespace {

const QString Name = QStringLiteral("blunderfest");
const QString LargestSeed = QString::number(std::numeric_limits<std::uint64_t>::max());
constexpr int SmallestScale = 1;
constexpr int LargestScale = 4;
// What the version says after its first line, as GNU programs do.
const QString Licence = QStringLiteral(
    "Copyright (C) " BLUNDERFEST_COPYRIGHT
    "\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n");

// The longest value a refusal quotes in full.
constexpr qsizetype LongestShown = 40;

CommandLine refuse(const QString& why) {
  return {CommandLine::Action::Refuse, {}, Name + QStringLiteral(": ") + why};
}

}  // namespace

QString printable(const QString& value) {
  QString shown;
  for (const char32_t c : value.toUcs4()) {
    const QString piece = QChar::isPrint(c) ? QString::fromUcs4(&c, 1)
                          : c < 0x100
                              ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                              : QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    if (shown.size() + piece.size() > LongestShown) return shown + QStringLiteral("...");
    shown += piece;
  }
  return shown;
}

QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    arguments << decode(QByteArrayView(argv[i]));
  }
  return arguments;
}

void setApplicationIdentity() {
  QCoreApplication::setApplicationName(Name);
  QCoreApplication::setApplicationVersion(QStringLiteral(BLUNDERFEST_VERSION));
  QCoreApplication::setOrganizationDomain(QStringLiteral("grobnik.net"));
  QGuiApplication::setDesktopFileName(QStringLiteral(BLUNDERFEST_APP_ID));
}

CommandLine readCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("World Cup '98: Blunderfest. A satirical live television broadcast of an "
                     "invented soccer match."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help and exits."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Shows the version and exits."));
  const QCommandLineOption seed(
      QStringLiteral("seed"),
      QStringLiteral("Plays a reproducible match: the same seed gives the same countries and "
                     "names, and the same actions the same match. N is a whole number from 0 "
                     "to %1.")
          .arg(LargestSeed),
      QStringLiteral("N"));
  const QCommandLineOption scale(
      QStringLiteral("scale"),
      QStringLiteral("Draws the whole window F times larger, F from %1 to %2; fractions such as "
                     "1.5 are allowed. A scale too large for the screen is reduced to the "
                     "largest that fits.")
          .arg(SmallestScale)
          .arg(LargestScale),
      QStringLiteral("F"));
  const QCommandLineOption fullScreen(
      QStringLiteral("fullscreen"),
      QStringLiteral("Shows the broadcast on the whole screen like a television picture: as large "
                     "as the screen allows, centred on black."));
  const QCommandLineOption voice(
      QStringLiteral("voice"),
      QStringLiteral("Reads the announcer's lines aloud with the offline speech engine: a skit's "
                     "line cuts in, play-by-play is read when the voice is free. Without a "
                     "speech engine or an audio device it says so in one line and stays silent."));
  const QCommandLineOption match(
      QStringLiteral("match"),
      QStringLiteral("Plays the match of a match code again: its lineups open at once, and Go "
                     "kicks it off as it was kicked off, so that it plays the same, line for "
                     "line. From the lineups on, the copy key (Ctrl+C) copies the match's code "
                     "at the time shown, or a link to it where the build names the page's site."),
      QStringLiteral("CODE"));
  const QCommandLineOption at(
      QStringLiteral("at"),
      QStringLiteral("With --match, starts the broadcast at this time of the match, such as "
                     "20:05: the match up to it runs unseen in a moment."),
      QStringLiteral("MM:SS"));
  const QCommandLineOption transcript(
      QStringLiteral("transcript"),
      QStringLiteral("Writes each line of the commentary to standard output, after the match "
                     "clock shown with it."));
  const QCommandLineOption live(
      QStringLiteral("live"),
      QStringLiteral("Tunes in to the live channel, on which everyone sees the same match at the "
                     "same moment: the match on now, from where it is now (or its lineups "
                     "counting down to the kick-off), then the next, and so on until Exit. With "
                     "--fullscreen it is a lobby television. The channel follows the system "
                     "clock in UTC."));
  parser.addOptions({help, version, seed, scale, fullScreen, voice, match, at, transcript, live});

  if (!parser.parse(arguments)) {
    // The toolkit's own text would quote unknown names whole and raw.
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1)
      return refuse(QStringLiteral("Unknown option '%1'. See --help.").arg(printable(unknown[0])));
    if (!unknown.isEmpty())
      return refuse(QStringLiteral("Unknown options: %1. See --help.")
                        .arg(printable(unknown.join(QStringLiteral(", ")))));
    return refuse(parser.errorText() + QStringLiteral(" See --help."));
  }
  if (parser.isSet(help)) return {CommandLine::Action::ShowHelp, {}, parser.helpText()};
  if (parser.isSet(version))
    return {CommandLine::Action::ShowVersion,
            {},
            Name + QLatin1Char(' ') + QStringLiteral(BLUNDERFEST_VERSION) + QLatin1Char('\n') +
                Licence};
  if (!parser.positionalArguments().isEmpty())
    return refuse(QStringLiteral("Unexpected argument '%1'. See --help.")
                      .arg(printable(parser.positionalArguments().constFirst())));

  CommandLine line;
  if (parser.isSet(seed)) {
    const QString text = parser.value(seed);
    std::string why;
    line.options.seed = parseSeed(text.toStdString(), printable(text).toStdString(), why);
    if (!line.options.seed) return refuse(QString::fromStdString(why));
  }
  if (parser.isSet(scale)) {
    // A plain decimal number: no sign, exponent, blank or word such as "inf".
    const QString text = parser.value(scale);
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{1,6})?$"));
    bool ok = decimal.match(text).hasMatch();
    const double value = ok ? text.toDouble(&ok) : 0;
    if (!ok || value < SmallestScale || value > LargestScale)
      return refuse(
          QStringLiteral("The scale must be a number from %1 to %2, such as 1.5, not '%3'.")
              .arg(SmallestScale)
              .arg(LargestScale)
              .arg(printable(text)));
    line.options.scale = value;
  }
  if (line.options.scale && parser.isSet(fullScreen))
    return refuse(
        QStringLiteral("--scale and --fullscreen do not go together: full screen chooses its own "
                       "scale."));
  line.options.fullScreen = parser.isSet(fullScreen);
  line.options.voice = parser.isSet(voice);
  if (parser.isSet(match)) {
    std::string why;
    const std::string code = parser.value(match).toStdString();
    if (!decodeMatch(code, why)) return refuse(QString::fromStdString(why));
    line.options.match = code;
  }
  if (parser.isSet(at)) {
    const QString text = parser.value(at);
    std::string why;
    line.options.atSecond = parseMatchTime(text.toStdString(), why);
    if (!line.options.atSecond) return refuse(QString::fromStdString(why));
    if (!line.options.match)
      return refuse(QStringLiteral("--at goes with --match: it starts that match at a time."));
  }
  line.options.transcript = parser.isSet(transcript);
  if (parser.isSet(live)) {
    if (line.options.match || line.options.seed)
      return refuse(
          QStringLiteral("--live plays the channel's matches: no --match, --at or --seed "
                         "with it."));
    line.options.live = true;
    // For tests only: the channel's clock starts at this UTC time.
    if (const QString start = qEnvironmentVariable(LiveTestClock); !start.isEmpty()) {
      std::string why;
      line.options.liveTestStart = parseUtc(start.toStdString(), why);
      if (!line.options.liveTestStart)
        return refuse(
            QStringLiteral("%1 '%2': %3")
                .arg(QLatin1String(LiveTestClock), printable(start), QString::fromStdString(why)));
    }
  }
  return line;
}
