#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <random>

// The one random generator of the program: every draw yields r with
// 0 <= r < 1. Tests replace it with a scripted sequence or a fixed seed.
class Random {
 public:
  // Where the generator stands: the seed it was last seeded with and how many
  // values it has drawn since. Going back to a position replays every draw
  // that followed it.
  struct Position {
    std::uint64_t seed = 0;
    std::uint64_t draws = 0;
    bool operator==(const Position&) const = default;
  };

  virtual ~Random() = default;

  // The next value r, 0 <= r < 1.
  virtual float next();

  // Seeds the generator from the system clock, so that every run differs;
  // or, once a fixed seed is given, from that seed, so that a run replays.
  void randomize();

  // From now on randomize() seeds from `value` instead of the clock.
  void fixSeed(std::uint64_t value) { fixedSeed_ = value; }

  void seed(std::uint64_t value) {
    engine_.seed(value);
    position_ = {value, 0};
    known_ = true;
  }

  // The generator's position; none once a value came from elsewhere (a
  // test's script) since the last seed, as those values cannot be replayed.
  std::optional<Position> position() const {
    return known_ ? std::optional<Position>(position_) : std::nullopt;
  }

  // Back to a position: its seed, then its draws skipped.
  void restore(const Position& position) {
    seed(position.seed);
    engine_.discard(position.draws);
    position_ = position;
  }

  // floor(r x n) on a fresh r: a draw below n.
  int below(int n) {
    int k = static_cast<int>(next() * static_cast<float>(n));
    return k < n ? k : n - 1;  // a product that rounds up to n stays inside
  }

 protected:
  virtual void seedFromClock();
  void forgetPosition() { known_ = false; }

 private:
  std::mt19937_64 engine_{0};
  Position position_;
  bool known_ = true;
  std::optional<std::uint64_t> fixedSeed_;
};

// A random source that plays back given values, then falls back to its own
// fixed-seed generator. Seeding from the clock leaves it alone; a fixed seed
// does not.
class ScriptedRandom : public Random {
 public:
  void push(float r) { script_.push_back(r); }
  // Queues the value that makes below(n) return k.
  void pushDraw(int k, int n) { push((static_cast<float>(k) + 0.5f) / static_cast<float>(n)); }
  std::size_t pending() const { return script_.size(); }
  std::uint64_t drawn() const { return drawn_; }

  float next() override;

 protected:
  void seedFromClock() override {}

 private:
  std::deque<float> script_;
  std::uint64_t drawn_ = 0;
};
