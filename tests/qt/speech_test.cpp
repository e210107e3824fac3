// The announcer's voice where it cannot speak: one line that says why, and
// no voice, so the broadcast goes on silent.

#include "qt/speech.h"

#include <gtest/gtest.h>

TEST(Speech, WithoutItsSpeechEngineTheVoiceSaysWhyInOneLineAndStaysSilent) {
  QString silence;
  const auto voice = startVoice(silence, QStringLiteral("no-such-engine"));
  EXPECT_FALSE(voice);
  EXPECT_TRUE(silence.startsWith("blunderfest: --voice: ")) << silence.toStdString();
  EXPECT_TRUE(silence.contains("no-such-engine")) << silence.toStdString();
  EXPECT_TRUE(silence.endsWith("the announcer stays silent.")) << silence.toStdString();
  EXPECT_FALSE(silence.contains('\n'));
}
