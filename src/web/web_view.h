#pragma once

#include <memory>
#include <vector>

#include "app/changes.h"

class Program;

// The window in the page: one page element per display element, nested as
// the program nests them. The element structs are the truth; sync() carries
// what changed since the last sync over to the page, and nothing else.
class WebView {
 public:
  explicit WebView(Program& program);  // builds the whole page tree from its elements

  // Brings the page up to date with the element structs (changed ones only,
  // and only those that can show); cheap when nothing changed.
  void sync();

  // The element that the page calls `id`, or none.
  Element* elementOf(int id) const;

 private:
  void apply(const Sighting& seen, const Change& change, int id);
  void applyNames();

  Program& program_;
  std::vector<std::unique_ptr<Sighting>> seen_;  // by id: the window's own panel first
  bool synced_ = false;                          // the whole page has been built once
  bool namesDirty_ = true;  // a syllable list changed: the names that tell its country
};
