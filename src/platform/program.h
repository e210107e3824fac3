#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/elements.h"

class Platform;

// The skits that can be staged on demand, for looking at moments that the
// lottery brings only now and then.
enum class Skit { Card, Football, Injury, Interject };

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
  // Starts that skit as the lottery starts it, as soon as play runs free
  // (checked after every pass, so also from inside another skit's waits).
  virtual void stage(Skit skit) = 0;
  virtual bool ended() const = 0;

  // Every element, containers before contents, in design order; the
  // window's own panel first.
  virtual const std::vector<Element*>& elements() const = 0;
  // The name a screen reader says for an element, "" when its caption does.
  virtual std::string spokenName(const Element& element) const = 0;
};

// The program, on `platform`, which must outlive it.
std::unique_ptr<Program> makeProgram(Platform& platform);

// The first element of `program` in `role`, or none.
inline Element* elementIn(const Program& program, Role role) {
  for (Element* e : program.elements())
    if (e->role == role) return e;
  return nullptr;
}
