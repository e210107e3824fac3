#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class Form1;

// What follows a line of a script: DelayMs, under which play goes on; WaitMs,
// which only keeps the window alive; or no pause at all, the line staying on
// the display until another replaces it.
struct Pause {
  enum class Kind : std::uint8_t { Delay, Wait, None };
  Kind kind;
  std::int16_t ms;
};

constexpr Pause Delay(std::int16_t ms) { return {Pause::Kind::Delay, ms}; }
constexpr Pause Wait(std::int16_t ms) { return {Pause::Kind::Wait, ms}; }
inline constexpr Pause NoWait{Pause::Kind::None, 0};

// One line of a script and the pause after it. Each `{*...}` in the text is
// an alternatives list: when the line is said, one of its alternatives is
// drawn into the line in its place, the lists from left to right. A marker
// such as `{name}` stands for a value the skit knows only when it says the
// line (see Say).
struct ScriptLine {
  std::string text;
  Pause after = Delay(4000);
};

using Script = std::vector<ScriptLine>;

// A marker of a line and the value it stands for, read afresh for every line
// said, so that a line shows the value of its own moment.
struct Marker {
  std::string_view marker;
  const std::string& value;
};
using Markers = std::initializer_list<Marker>;

// The text with every occurrence of each marker replaced by its value, the
// markers in the order given; a value put in is not searched again.
std::string filled(std::string text, Markers markers);

// Says a line of a script on the commentary display, whatever holds it:
// its markers filled, its alternatives drawn, then its pause.
void Say(Form1& form, const ScriptLine& line, Markers markers = {});

// Says each line of a script in turn.
void Say(Form1& form, const Script& script, Markers markers = {});
