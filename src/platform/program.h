#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/elements.h"

class Platform;
struct Options;

// Something in a match that a viewer may want to see again (a skit, a goal,
// a speech), told as the end of the broadcast lists it ("The injury: the
// judges' marks"), and the match second the clock showed when it began.
struct MatchMoment {
  std::string told;
  int second = 0;
  bool operator==(const MatchMoment&) const = default;
};

// What a platform drives: the heartbeat, the user's inputs, closing, and
// what to draw. Every call runs the program until it returns or the program
// ends; none lets the end of the program escape to the platform.
class Program {
 public:
  virtual ~Program() = default;

  // Start-up: the window's load.
  virtual void load() = 0;
  // One clock step. Steps come one heartbeat each, none left out.
  virtual void heartbeat(std::uint64_t step) = 0;
  // The user clicked a button, or chose entry `entry` of a list; any other
  // element, a disabled button or an entry the list does not have changes
  // nothing.
  virtual void click(Element& button) = 0;
  virtual void choose(Element& list, int entry) = 0;
  // The window's close button, or the window destroyed from outside.
  virtual void closeRequested() = 0;
  // Starts the skit of that name as the lottery starts one, as soon as play
  // runs free: in place of the lottery's draw at the first engine tick that
  // would draw (the match running, no skit holding the display, play not
  // halted), also at a tick inside another skit's waits. False for a name
  // that is no skit's.
  virtual bool stage(std::string_view skit) = 0;
  // The skits' names, in the lottery's order: for staging them by name.
  virtual std::vector<std::string> skits() const = 0;
  virtual bool ended() const = 0;

  // Every element, containers before contents, in design order; the
  // window's own panel first.
  virtual const std::vector<Element*>& elements() const = 0;
  // The name a screen reader says for an element, "" when its caption does.
  virtual std::string spokenName(const Element& element) const = 0;

  // ---- The match as something to pass on ----
  // Before start-up: the match the options name opens on its lineups, and
  // its broadcast starts at their second. False, with one sentence in `why`,
  // for a code that is refused: the program then plays a match of its own.
  virtual bool open(const Options& options, std::string& why) = 0;
  // Each commentary line shown goes to `out` after the match clock shown
  // with it, "MM:SS line"; none while the match runs unseen.
  virtual void transcribe(std::function<void(const std::string&)> out) = 0;
  // The match second the scoreboard shows; 0 before the kick-off.
  virtual int matchSecond() const = 0;
  // The address at `site` that plays this match from its lineups, or from
  // `atSecond` on (in words where `site` is ""); "" while there is no match
  // to tell (the title screen).
  virtual std::string matchLink(std::string_view site, int atSecond = 0) const = 0;
  // The match's memorable moments so far, in the order they came, each told
  // once.
  virtual std::vector<MatchMoment> moments() const = 0;
  // Once ended: where the broadcast was to start past the match's end, the
  // sentence that says when the match ended ("This match ended at 65:00,
  // before 70:00."); "" otherwise.
  virtual std::string endedBeforeItsStart() const = 0;

  // ---- The live channel ----
  // Before start-up, with the channel's match opened: the broadcast follows
  // the channel, which is `matchStep` clock steps past that match's kick-off
  // whenever asked (negative before it). The viewer cannot kick off.
  virtual void followLive(std::function<std::int64_t()> matchStep) = 0;
  // Once ended: whether the viewer ended it ("&Exit", closing the window),
  // not the match (full time, the walk-off), after which a channel goes on.
  virtual bool viewerLeft() const = 0;
};

// The program, on `platform`, which must outlive it.
std::unique_ptr<Program> makeProgram(Platform& platform);

// The first element of `program` in `role`, or none.
inline Element* elementIn(const Program& program, Role role) {
  for (Element* e : program.elements())
    if (e->role == role) return e;
  return nullptr;
}
