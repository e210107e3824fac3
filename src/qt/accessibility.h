#pragma once

// What assistive technology finds in the window: names for the controls
// whose captions alone do not tell a listener what they concern, the
// keyboard's tab order, and the things the match screen paints itself (the
// commentary line and the figures), with an event for every new commentary
// line so that a screen reader speaks the broadcast as it goes.

#include <utility>
#include <vector>

class Program;
class QWidget;
struct Element;

// Elements with widgets of their own, and those widgets.
using Widgets = std::vector<std::pair<const Element*, QWidget*>>;

// Gives every widget the name a listener hears for its element, where its
// caption would not do (Program::spokenName()).
void applyAccessibleNames(const Program& program, const Widgets& widgets);

// Puts the widgets of the buttons and lists in the design's tab order.
void applyTabOrder(const Widgets& widgets);

// Makes the match screen's widget show assistive technology, besides its
// buttons, the commentary line and every figure on the pitch by name.
void exposeMatchScreen(QWidget& screen, const Program& program);

// A new line has appeared on the commentary display of the match screen
// `screen`: tells assistive technology that the line's name has changed.
void commentaryChanged(QWidget& screen);
