#pragma once

#include <cstdint>

class Form1;

// One line of the announcer's script: a fixed text, then, where `choices` is
// given, an alternative drawn from it when the line is shown and a fixed
// tail; then the pause that follows the line (a DelayMs, so play goes on).
struct ScriptLine {
  const char* text;
  std::int16_t wait;
  const char* choices = nullptr;
  const char* tail = "";
};

// The pause of a last line that stays on the display until the engine's next
// line replaces it: none at all.
inline constexpr std::int16_t NoWait = -1;

// Shows the line with Announce2 and pauses after it.
void SayLine(Form1& f, const ScriptLine& line);

// Draws one of the 33 asides and runs it.
void Aside(Form1& f);
