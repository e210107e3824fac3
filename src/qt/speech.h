#pragma once

#include <QString>
#include <memory>

#include "platform/speaker.h"

// Starts the announcer's voice: Qt's speech engine `engine` (the first one
// installed when empty) reading aloud on the default audio output. When it
// cannot speak (no engine, no audio device) there is no voice, and `silence`
// says why in one line for stderr; the speech engine's own messages are
// held back meanwhile.
std::unique_ptr<Speaker> startVoice(QString& silence, const QString& engine = {});
