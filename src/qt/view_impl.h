#pragma once

// The view's own state, shared by the parts that build its widget tree
// (view.cpp) and bring it up to date (view_sync.cpp).

#include <memory>
#include <utility>
#include <vector>

#include "qt/panel_widget.h"
#include "qt/view.h"

struct View::Impl {
  explicit Impl(Program& p);
  void sync();
  void syncItem(Item& item);
  void syncWidget(Item& item, bool moved, bool restyled, bool first);
  void syncWindowless(Item& item, const Place& before, bool restyled, bool first);

  Program& program;
  std::vector<std::unique_ptr<Item>> items;  // the window's own panel first
  std::vector<PanelWidget*> panels;
  // Every element with a widget of its own, and that widget: the window
  // first, then in design order.
  std::vector<std::pair<const Element*, QWidget*>> widgets;
  bool tabOrderDirty = true;
  bool namesDirty = true;  // a syllable list changed: the names that tell its country
  // At a fractional device pixel ratio (a scale such as 2.13) a box's edges
  // fall inside device pixels, and a drawing may touch one more device pixel
  // than a later repaint of its box covers, on the backing store or on the
  // screen: the repaints of a windowless element, and of the place a widget
  // leaves, then take in one more pixel all round, so that nothing stays
  // behind when it moves.
  bool seam = false;
  // Declared last so it goes first: no widget outlives the items it paints.
  std::unique_ptr<WindowWidget> window;
};
