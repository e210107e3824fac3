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
  explicit WebView(Program& program);

  // Brings the page up to date with the element structs (changed ones only,
  // and only those that can show); cheap when nothing changed. The first
  // sync builds the whole page tree.
  void sync();

  // Whether the page's window has been built and shown.
  bool shown() const { return shown_; }

  // The element that the page calls `id`, or none.
  Element* elementOf(int id) const;

 private:
  void build();
  void apply(const Sighting& seen, const Change& change, int id);
  void applyNames();

  Program& program_;
  std::vector<std::unique_ptr<Sighting>> seen_;  // by id: the window's own panel first
  std::vector<int> containers_;                  // by id: its container's id, -1 for none
  bool shown_ = false;                           // the page's window stands whole
  bool namesDirty_ = true;  // a syllable list changed: the names that tell its country
};
