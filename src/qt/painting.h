#pragma once

// Drawing of the windowless elements (shapes, lines, labels, images) onto
// their container panel, and the pixel geometry shared with the widgets.
// Twips become pixels at 15 to 1, rounded to the nearest pixel; fonts are
// sized in pixels so the layout never depends on the screen's dpi.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "app/elements.h"

class QPainter;

inline QColor qcolor(Color c) { return QColor(c.red(), c.green(), c.blue()); }

// Arial -> Liberation Sans, Times New Roman -> Liberation Serif: the metric
// twins, so text measures as designed. Called once before any window.
void installFontSubstitutions();

// The element's box in its container, in pixels (never of negative size).
QRect boxOf(const Element& element);

// The design font: Arial or Times New Roman at points * 96 / 72 pixels.
QFont fontOf(const Font& font);

// A label's text as it is drawn: "\r\n" (and a lone "\n") break lines.
QString labelText(const std::string& caption);

// The box a label fills: its designed box, or for an autosize label the
// text's size measured from the top-left corner.
QRect labelBox(const Label& label, const QString& text, const QFont& font);

// Where a label's text is laid out: its box, widened for a one-line label
// whose text is wider, about its centre or away from its aligned edge.
QRect textArea(const Label& label, const QRect& box, const QString& text, const QFont& font);

// The pixels a line may touch, its width included.
QRect lineBounds(const Line& line);

// The pixels an image covers: its box when stretched, else its natural size
// from the box's top-left corner.
QRect imageBounds(const Image& image);

void paintShape(QPainter& painter, const Shape& shape);

// Curved or hatched shapes are dear to draw: the view draws them once into a
// sprite of their box's size (transparent around them) and copies that.
// Plain rectangles are cheaper drawn directly.
bool wantsSprite(const Shape& shape);
QPixmap shapeSprite(const Shape& shape, qreal devicePixelRatio);
void paintLine(QPainter& painter, const Line& line);
void paintLabel(QPainter& painter, const Label& label, const QString& text, const QFont& font,
                const QRect& box);
void paintImage(QPainter& painter, const Image& image);

// The thin sunken frame of the screens, rows and small flags, drawn just
// inside `rect`.
void paintSunkenFrame(QPainter& painter, const QRect& rect);
