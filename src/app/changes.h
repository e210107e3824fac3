#pragma once

#include <memory>

#include "app/elements.h"

// What a view finds changed in an element since it last brought its picture
// of it up to date. Every view of the window (the desktop's widgets, the web
// page's) compares the element structs in this one way and keeps only its own
// geometry: pixels, fonts, what to repaint.

// Where an element is and whether it shows.
struct Place {
  float left = 0, top = 0, width = 0, height = 0;
  bool visible = false;
  int zorder = 0;
  friend bool operator==(const Place&, const Place&) = default;
};

Place placeOf(const Element& element);

// Whether a container of the element is hidden. What such an element
// changes cannot show: a view may leave it alone and take its changes up all
// at once when it finds its containers shown again, before anything of it is
// drawn. During the match most of the window (the builder, the lineups, the
// figures off the pitch) lies in hidden containers.
bool insideHidden(const Element& element);

// What changed in one element since the last look at it.
struct Change {
  bool first = false;      // never looked at before: everything counts as changed
  bool moved = false;      // its place differs (always on the first look)
  bool restyled = false;   // anything else about it that shows (always on the first look)
  bool restacked = false;  // its place in its container's stack differs (never on the first)
  Place before;            // its place at the last look
  explicit operator bool() const { return moved || restyled; }
};

// One element as a view last saw it.
class Sighting {
 public:
  virtual ~Sighting() = default;
  Sighting(const Sighting&) = delete;
  Sighting& operator=(const Sighting&) = delete;

  // A sighting of `element`, comparing what shows of its kind.
  static std::unique_ptr<Sighting> of(Element& element);

  // Compares the element with the last look and remembers it as it is now.
  Change look();
  // Its place at the last look.
  const Place& place() const { return place_; }

  Element& element;

 protected:
  explicit Sighting(Element& e) : element(e) {}
  // True when the element's looks differ from the last ones seen; remembers them.
  virtual bool looksChanged() = 0;

 private:
  bool seen_ = false;
  Place place_;
};
