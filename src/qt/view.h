#pragma once

#include <memory>

class Program;
class QWidget;
struct Element;

// The window on screen: one widget per panel, button and list of the
// program, the windowless elements painted by their container panel. The
// element structs are the truth; sync() carries their changes over to the
// widgets.
class View {
 public:
  explicit View(Program& program);  // builds the whole widget tree from its elements
  ~View();
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  QWidget* window();  // the top-level window
  // The widget of a panel, button or list; none for a windowless element.
  QWidget* widgetOf(const Element& element);
  // Brings every widget up to date with the element structs (changed ones
  // only) and schedules repaints of what changed; cheap when nothing changed.
  void sync();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
