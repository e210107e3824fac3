// The announcer's voice where it cannot speak: no voice, and one line that
// says why, so the broadcast goes on silent.

#include "qt/speech.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

TEST(Speech, WithoutItsSpeechEngineTheVoiceSaysWhyInOneLineAndStaysSilent) {
  QString silence;
  EXPECT_FALSE(startVoice(silence, QStringLiteral("no-such-engine")));
  const QRegularExpression oneLine(
      "^blunderfest: --voice: [^\n]*'no-such-engine'[^\n]*; the announcer stays silent\\.$");
  EXPECT_TRUE(oneLine.match(silence).hasMatch()) << silence.toStdString();
}
