#pragma once

#include <memory>

class Form1;
class QWidget;
struct Element;

// The window on screen: one widget per panel, button and list of the form,
// the windowless elements painted by their container panel. The element
// structs are the truth; sync() carries their changes over to the widgets.
class View {
 public:
  explicit View(Form1& form);  // builds the whole widget tree from form.elements()
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

// Arial -> Liberation Sans, Times New Roman -> Liberation Serif: the metric
// twins, so text measures as designed. Called once before any View.
void installFontSubstitutions();
