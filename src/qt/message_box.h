#pragma once

#include <QString>

class QWidget;

// Shows `text` in a modal message box with an information icon, `title` and
// an OK button, and returns once it is closed. The box is as wide as the
// text's longest line, so that every line stands whole on one line; only a
// line wider than the screen wraps.
void showInformation(QWidget* parent, const QString& title, const QString& text);
