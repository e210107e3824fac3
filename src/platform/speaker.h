#pragma once

#include <string>

// A voice that reads lines aloud, one at a time: the platform's speech
// engine, or a stand-in with virtual speaking times in the tests.
class Speaker {
 public:
  virtual ~Speaker() = default;
  // Starts reading `line` aloud and returns at once.
  virtual void say(const std::string& line) = 0;
  // Cuts short whatever is being read.
  virtual void stop() = 0;
  // Whether a line is being read right now.
  virtual bool speaking() = 0;
};
