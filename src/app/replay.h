#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/match_code.h"
#include "app/moments.h"
#include "platform/options.h"
#include "platform/program.h"
#include "platform/random.h"

class Form1;

// The moments a viewer is told of: the memorable ones, in order, each told
// once (two told alike at the same second are one).
std::vector<MatchMoment> toldMoments(const std::vector<Moment>& moments);

// The match as something to pass on: the kick-off it is a function of (and so
// its code), a match opened from a code, a broadcast that starts at a match
// second, the match's moments and its transcript.
//
// The kick-off is taken where "&Go" on the lineups fell: after the heartbeat
// of step L, either in the next step's pass before its heartbeat, with the
// tick counter already at step L + 1, or before that pass, with the counter
// still at L. The match clock counts from L. A replay kicks off in the same
// place around a heartbeat of a step of the same phase: at the start of the
// heartbeat of step L + 1, or after the heartbeat of step L. Either way the
// same match follows where the platform delivers every step, one heartbeat a
// pass, and the tick counter reads the step of the heartbeat being delivered.
class Replay {
 public:
  explicit Replay(Form1& form) : f_(form) {}

  // ---- Asked for before start-up ----
  // The match and the start second the options name; false, with one
  // sentence in `why`, for a code that is refused (the program then plays a
  // match of its own from its kick-off: for a code of earlier rules, the
  // new match of its countries and lineups that the sentence names).
  bool useOptions(const Options& options, std::string& why);
  // Start-up opens this match: its countries, then its lineups; the lineups'
  // "&Go" kicks it off as it was kicked off, at the next clock step of the
  // same phase (within 1/8 s).
  void open(const KickOff& kickOff) { opened_ = kickOff; }
  // The broadcast starts at this match second: from kick-off the platform
  // hurries through the match, unseen and unheard, until the clock step at
  // which the match clock first shows that second (or, between its 5-second
  // steps, the next one); then the broadcast goes on at its pace from
  // wherever the match is, in the middle of a skit if one runs.
  void startAt(int second) { startAt_ = second; }
  // The broadcast follows a live channel: `matchStep` tells, whenever asked,
  // the clock step, counted from the kick-off, that the channel's match is
  // at now (negative before its kick-off). Nobody changes what the channel
  // plays: "&Go" on the lineups is the channel's, pressed once the kick-off
  // is due; from the kick-off the platform hurries, unseen and unheard, to
  // the very step the channel is at, and goes on at its pace; a broadcast
  // that falls more than a second behind (a paused tab, a machine asleep)
  // hurries again.
  void followLive(std::function<std::int64_t()> matchStep) { live_ = std::move(matchStep); }
  bool live() const { return static_cast<bool>(live_); }
  // Each commentary line shown goes to `out` with the match clock as the
  // scoreboard shows it then: "MM:SS line".
  void transcribe(std::function<void(const std::string&)> out) { out_ = std::move(out); }

  // ---- The match ----
  // The kick-off that plays this match: from the lineups on, with the step's
  // phase once kicked off. None on the title screen, and none where the
  // program cannot tell it: values that did not come from the generator (a
  // test's script), or a draw or a list changed between the lineups and the
  // kick-off.
  std::optional<KickOff> kickOff() const;
  // Its code, "" when there is no kick-off to tell.
  std::string code() const;
  // The step of the last heartbeat before the kick-off, from which the
  // match clock counts; none before the kick-off.
  std::optional<std::uint64_t> kickOffStep() const { return kickOffStep_; }
  const std::vector<Moment>& moments() const { return moments_; }
  // Whether the match runs unseen towards the second it starts at.
  bool hurrying() const { return hurrying_; }
  // Where the match ended while it ran unseen towards its start: "This match
  // ended at 65:00, before 70:00."; "" otherwise.
  std::string endedBeforeItsStart() const;

  // ---- Told by the program ----
  void loaded();          // start-up is done
  void drawingLineups();  // the builder's "&Go", before the names are drawn
  void lineupsDrawn();    // and after
  // The lineups' "&Go": true when it waits for its step, the replay's kick-off.
  bool holdsKickOff();
  void kickingOff();  // the kick-off begins
  void beforeHeartbeat(std::uint64_t step);
  void afterHeartbeat(std::uint64_t step);
  void clockShown();  // the match clock moved on
  void ending();      // the program ends
  // A line on the commentary display: false while the match hurries, and
  // nobody sees or hears it.
  bool lineShown(const std::string& line);
  // A moment begins; its place, to tell later what it came to.
  std::size_t moment(MomentKind kind);
  void momentCameTo(std::size_t moment, std::string_view detail);

 private:
  std::array<int, 6> syllables() const;
  void kickOffIfDue(std::uint64_t step, bool beforeHeartbeat);
  void hurry(bool on);

  Form1& f_;
  std::optional<KickOff> opened_;
  int startAt_ = 0;
  std::function<std::int64_t()> live_;
  std::function<void(const std::string&)> out_;

  std::optional<KickOff> kickOff_;
  std::optional<Random::Position> afterLineups_;
  bool goPressed_ = false, kickedOff_ = false, hurrying_ = false;
  std::optional<std::uint64_t> kickOffStep_;
  std::optional<int> endedUnseenAt_;
  std::uint64_t lastBeat_ = 0, newestBeat_ = 0;
  std::uint32_t lastBeatTick_ = 0;
  std::vector<Moment> moments_;
};
