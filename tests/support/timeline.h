#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/session.h"

// Watches a few facts of the window pass by pass and records each change as
// "STEP NAME on" or "STEP NAME off", STEP counted from the moment the watch
// began. A change seen in a pass was made in the step before it. The watch
// must outlive every pass the program runs while it is in place.
class Timeline {
 public:
  using Fact = std::pair<std::string, std::function<bool()>>;

  Timeline(Session& p, std::vector<Fact> facts)
      : p_(p),
        facts_(std::move(facts)),
        start_(p.platform.step()),
        firstLine_(p.platform.transcript().size()) {
    for (const Fact& fact : facts_) last_.push_back(fact.second());
    watchNextPass();
  }

  // The changes so far, the last ones made since the last pass included.
  std::vector<std::string> changes() {
    look(p_.platform.step());
    return changes_;
  }

  // Lines said since the watch began, as "STEP line".
  std::vector<std::string> lines() const {
    const auto& transcript = p_.platform.transcript();
    std::vector<std::string> said;
    for (std::size_t i = firstLine_; i < transcript.size(); ++i)
      said.push_back(std::to_string(transcript[i].step - start_) + " " + transcript[i].line);
    return said;
  }

 private:
  void watchNextPass() {
    p_.platform.after(1, [this] {
      look(p_.platform.step() - 1);
      watchNextPass();
    });
  }
  void look(std::uint64_t step) {
    for (std::size_t i = 0; i < facts_.size(); ++i) {
      bool now = facts_[i].second();
      if (now == last_[i]) continue;
      last_[i] = now;
      changes_.push_back(std::to_string(step - start_) + " " + facts_[i].first +
                         (now ? " on" : " off"));
    }
  }

  Session& p_;
  std::vector<Fact> facts_;
  std::uint64_t start_;
  std::size_t firstLine_;
  std::vector<bool> last_;
  std::vector<std::string> changes_;
};
