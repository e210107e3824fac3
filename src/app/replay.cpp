#include "app/replay.h"

#include <algorithm>

#include "app/form1.h"

namespace {

// The countdown's five characters ("01:00") in the button's own face, at a
// size that fits the button's width; its "&Go" is drawn larger.
constexpr float CountdownPoints = 15;

}  // namespace

std::vector<MatchMoment> toldMoments(const std::vector<Moment>& moments) {
  std::vector<MatchMoment> told;
  for (const Moment& m : moments) {
    if (!rowOf(m.kind).memorable) continue;
    MatchMoment moment{toldOf(m), m.second};
    if (std::find(told.begin(), told.end(), moment) == told.end()) told.push_back(moment);
  }
  return told;
}

// The start second goes with the match it names: a refused code leaves an
// ordinary match, seen from its kick-off.
bool Replay::useOptions(const Options& options, std::string& why) {
  if (!options.match) return true;
  const std::optional<KickOff> kickOff = decodeMatch(*options.match, why);
  if (!kickOff) {
    // A match of earlier rules opens its countries and lineups as a new
    // match, as its sentence says.
    if (std::optional<KickOff> earlier = earlierKickOff(*options.match)) {
      earlier->phase.reset();
      open(*earlier);
    }
    return false;
  }
  open(*kickOff);
  if (options.atSecond) startAt(*options.atSecond);
  return true;
}

std::array<int, 6> Replay::syllables() const {
  std::array<int, 6> chosen{};
  for (std::size_t k = 0; k < chosen.size(); ++k) chosen[k] = f_.Combo1[k].listIndex;
  return chosen;
}

std::optional<KickOff> Replay::kickOff() const {
  if (!kickOff_ || kickedOff_) return kickOff_;
  // The lineups stand as drawn while nothing has drawn or changed since.
  if (!afterLineups_ || f_.rnd().position() != afterLineups_ || syllables() != kickOff_->syllables)
    return std::nullopt;
  return kickOff_;
}

std::string Replay::code() const {
  const std::optional<KickOff> k = kickOff();
  return k ? encodeMatch(*k) : "";
}

// The match of a code: its countries as the lists' choices, the generator
// where it stood at the builder's "&Go", then that "&Go".
void Replay::loaded() {
  lastBeatTick_ = f_.platform().tickCount();
  if (!opened_) return;
  for (std::size_t k = 0; k < f_.Combo1.size(); ++k) {
    f_.Combo1[k].listIndex = opened_->syllables[k];
    f_.Combo1_Click(static_cast<int>(k));
  }
  f_.rnd().restore({opened_->seed, opened_->draws});
  f_.Command2_Click();
  if (live_) f_.Command5.enabled = false;
}

void Replay::hurry(bool on) {
  hurrying_ = on;
  f_.platform().hurry(on);
}

void Replay::drawingLineups() {
  const std::optional<Random::Position> position = f_.rnd().position();
  kickOff_.reset();
  if (!position) return;
  const KickOff lineups{position->seed, position->draws, syllables()};
  if (!encodeMatch(lineups).empty()) kickOff_ = lineups;
}

// The lineups of an opened code are that code's until the kick-off: its
// phase goes with them.
void Replay::lineupsDrawn() {
  afterLineups_ = f_.rnd().position();
  if (opened_ && kickOff_ && kickOff_->seed == opened_->seed && kickOff_->draws == opened_->draws &&
      kickOff_->syllables == opened_->syllables)
    kickOff_ = opened_;
}

bool Replay::holdsKickOff() {
  if (kickedOff_ || !opened_ || !opened_->phase) return false;
  goPressed_ = true;
  return true;
}

void Replay::kickingOff() {
  if (kickedOff_) return;
  kickOff_ = kickOff();
  kickedOff_ = true;
  // The tick counter reads step L + 1 when it has moved on since the
  // heartbeat of step L. A clock further ahead has dropped steps, and the
  // match cannot be told.
  const std::uint32_t moved = f_.platform().tickCount() - lastBeatTick_;
  const bool beforeHeartbeat = moved != 0;
  if (moved != 0 && moved != msOfStep(lastBeat_ + 1) - msOfStep(lastBeat_)) kickOff_.reset();
  kickOffStep_ = lastBeat_;
  if (kickOff_) {
    kickOff_->phase = static_cast<int>((lastBeat_ + (beforeHeartbeat ? 1 : 0)) % 8);
    kickOff_->beforeHeartbeat = beforeHeartbeat;
  }
  if (startAt_ > 0 || (live_ && live_() > 0)) hurry(true);
}

void Replay::kickOffIfDue(std::uint64_t step, bool beforeHeartbeat) {
  if (goPressed_ && !kickedOff_ && opened_->beforeHeartbeat == beforeHeartbeat &&
      static_cast<int>(step % 8) == *opened_->phase)
    f_.Command5_Click();
}

// A kick-off before its heartbeat runs its first waits inside it: the
// match is caught up at the next heartbeat, once that step is done.
void Replay::beforeHeartbeat(std::uint64_t step) {
  kickOffIfDue(step, true);
  if (live_ && hurrying_ && kickOffStep_ && step >= newestBeat_ &&
      static_cast<std::int64_t>(step - 1 - *kickOffStep_) >= live_())
    hurry(false);
}

void Replay::afterHeartbeat(std::uint64_t step) {
  lastBeat_ = step;
  lastBeatTick_ = f_.platform().tickCount();
  kickOffIfDue(step, false);
  // A heartbeat whose timers ran a wait returns after the steps of that wait:
  // only the newest step tells where the match is.
  if (!live_ || step < newestBeat_) return;
  newestBeat_ = step;
  const std::int64_t due = live_();
  if (!kickedOff_) {
    // The lineups' button counts the seconds down to the channel's kick-off.
    // "&Go" comes within the last 8 steps before it, so that the kick-off, at
    // the next step of its phase, is the channel's to an eighth of a second
    // and its first line is seen.
    if (due < 0) {
      f_.Command5.font.points = CountdownPoints;
      f_.Command5.caption = matchTime(static_cast<int>((-due + 63) / 64));
    }
    if (due >= -7 && opened_ && opened_->phase) goPressed_ = true;
    return;
  }
  const std::int64_t at = static_cast<std::int64_t>(step - *kickOffStep_);
  if (hurrying_ && at >= due)
    hurry(false);
  else if (!hurrying_ && due > at + 64)
    hurry(true);
}

void Replay::clockShown() {
  if (hurrying_ && !live_ && f_.MatchMinute * 60 + f_.MatchSecond >= startAt_) hurry(false);
}

void Replay::ending() {
  if (hurrying_) endedUnseenAt_ = f_.MatchMinute * 60 + f_.MatchSecond;
}

std::string Replay::endedBeforeItsStart() const {
  if (!endedUnseenAt_) return "";
  return "This match ended at " + matchTime(*endedUnseenAt_) + ", before " + matchTime(startAt_) +
         ".";
}

bool Replay::lineShown(const std::string& line) {
  if (hurrying_) return false;
  if (out_) out_(f_.Label20.caption + " " + line);
  return true;
}

std::size_t Replay::moment(MomentKind kind) {
  // The step the tick counter reads: the last heartbeat's, or the next once
  // the counter has moved on.
  const std::uint64_t step = lastBeat_ + (f_.platform().tickCount() != lastBeatTick_ ? 1 : 0);
  moments_.push_back(
      {kind, f_.MatchMinute * 60 + f_.MatchSecond, "", step - kickOffStep_.value_or(step)});
  return moments_.size() - 1;
}

void Replay::momentCameTo(std::size_t moment, std::string_view detail) {
  moments_[moment].detail = detail;
}

std::string Form1::matchLink(std::string_view site, int atSecond) const {
  const std::string code = replay.code();
  return code.empty() ? "" : ::matchLink(site, code, atSecond);
}

std::vector<MatchMoment> Form1::moments() const { return toldMoments(replay.moments()); }
