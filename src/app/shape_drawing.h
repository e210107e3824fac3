#pragma once

#include "app/elements.h"

// How a shape is drawn, in pixels of its container. Decided here once, so
// that the desktop's painting and the web page draw every shape alike.

// A box in whole pixels.
struct PixelBox {
  int left = 0, top = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The element's box in its container, in pixels (never of negative size).
PixelBox pixelBox(const Element& element);

enum class Outline { Box, RoundedBox, Ellipse };

struct ShapeDrawing {
  // Where it is drawn: its box; for a circle the largest square centred in it.
  PixelBox area;
  Outline outline = Outline::Box;
  // The border lies inside the area; `inside` is what it leaves.
  int border = 0;  // pixels, 0 for none
  Color borderColor;
  PixelBox inside;
  // A rounded box's corner radius along its outer edge, and along its inside.
  double cornerRadius = 0;
  double insideCornerRadius = 0;
  bool filled = false;  // the inside filled with `fill`, else left clear
  Color fill;
  // A hatch over the inside: for the cross, the corner of its first 8 x 8
  // cell; for the lines, the first of its columns, one pixel wide and every
  // second pixel.
  Hatch hatch = Hatch::None;
  Color hatchColor;
  int hatchLeft = 0, hatchTop = 0;
};

ShapeDrawing drawingOf(const Shape& shape);

// A colour a shade darker: its value (of hue, saturation and value) divided
// by 1.35, as the desktop toolkit's darker(135) makes it.
Color shadeDarker(Color colour);
