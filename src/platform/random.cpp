#include "platform/random.h"

#include <chrono>

float Random::next() {
  ++position_.draws;
  // 24 random bits give every float in [0, 1) on the grid of 2^-24 equally
  // often; the result never rounds up to 1.
  return static_cast<float>(engine_() >> 40) * (1.0f / 16777216.0f);
}

void Random::randomize() {
  if (fixedSeed_)
    seed(*fixedSeed_);
  else
    seedFromClock();
}

void Random::seedFromClock() {
  seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

float ScriptedRandom::next() {
  ++drawn_;
  if (script_.empty()) return Random::next();
  float r = script_.front();
  script_.pop_front();
  forgetPosition();
  return r;
}
