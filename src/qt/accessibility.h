#pragma once

// What assistive technology finds in the window: names for the controls
// whose captions alone do not tell a listener what they concern, and the
// things the match screen paints itself (the commentary line and the
// figures), with an event for every new commentary line so that a screen
// reader speaks the broadcast as it goes.

#include <QString>

class Form1;
class QWidget;
struct Element;

// The name a listener hears for `element` (see spokenNameOf()).
QString accessibleNameOf(const Form1& form, const Element& element);

// Makes the match screen's widget show assistive technology, besides its
// buttons, the commentary line and every figure on the pitch by name.
void exposeMatchScreen(QWidget& screen, Form1& form);

// A new line has appeared on the commentary display of the match screen
// `screen`: tells assistive technology that the line's name has changed.
void commentaryChanged(QWidget& screen);
