#include "text/voice.h"

#include "platform/platform.h"
#include "platform/speaker.h"

void Voice::hear(const std::string& line, bool interrupts) {
  Speaker* speaker = platform_.speaker();
  if (!speaker) return;
  if (speaker->speaking()) {
    if (!interrupts) return;
    speaker->stop();
  }
  speaker->say(line);
}
