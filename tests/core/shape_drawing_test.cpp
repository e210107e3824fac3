// How a shape is drawn, decided once for the desktop and the page: the box a
// circle takes in its box, the corners of a rounded box, the border inside,
// and where each hatch starts and in what colour.

#include "app/shape_drawing.h"

#include <gtest/gtest.h>

namespace {

// A shape of `kind` in the box (left, top, width, height), in twips.
struct Placed : Shape {
  Placed(ShapeKind kind, float l, float t, float w, float h) {
    shape = kind;
    left = l;
    top = t;
    width = w;
    height = h;
  }
};

TEST(ShapeDrawing, ACircleIsTheLargestSquareCentredInItsBoxAnOvalTheWholeBox) {
  struct Case {
    ShapeKind kind;
    float left, top, width, height;
    PixelBox area;
    Outline outline;
  };
  const Case cases[] = {
      // The centre circle, 119 x 199 pixels: its square 40 pixels down.
      {ShapeKind::Circle, 4140, 2640, 1785, 2985, {276, 216, 119, 119}, Outline::Ellipse},
      // Wider than tall, by an odd number of pixels: the odd pixel on the right.
      {ShapeKind::Circle, 0, 0, 165, 120, {1, 0, 8, 8}, Outline::Ellipse},
      {ShapeKind::Oval, 0, 0, 165, 120, {0, 0, 11, 8}, Outline::Ellipse},
      {ShapeKind::Rectangle, -150, 1680, 10695, 285, {-10, 112, 713, 19}, Outline::Box},
      {ShapeKind::RoundedRectangle, 30, 60, 1335, 765, {2, 4, 89, 51}, Outline::RoundedBox},
      // A box of negative size draws nothing.
      {ShapeKind::Circle, 30, 30, -60, 300, {2, 12, 0, 0}, Outline::Ellipse},
  };
  for (const Case& c : cases) {
    const ShapeDrawing d = drawingOf(Placed(c.kind, c.left, c.top, c.width, c.height));
    EXPECT_EQ(d.area, c.area) << c.left << "," << c.top;
    EXPECT_EQ(d.outline, c.outline);
  }
}

TEST(ShapeDrawing, TheBorderLiesInsideAndARoundedBoxHasCornersOfASixthOfItsShorterSide) {
  struct Case {
    bool border;
    int width;
    int drawn;
    double corner, insideCorner;
  };
  // The scoreboard's box, 181 x 101 pixels.
  const Case cases[] = {
      {true, 3, 3, 101 / 6.0, 101 / 6.0 - 3},
      {true, 0, 1, 101 / 6.0, 101 / 6.0 - 1},  // a border is at least a pixel wide
      {false, 3, 0, 101 / 6.0, 101 / 6.0},
      {true, 20, 20, 101 / 6.0, 0},  // a border wider than the corner: a square inside
  };
  for (const Case& c : cases) {
    Placed s(ShapeKind::RoundedRectangle, 7440, 270, 2715, 1515);
    s.border = c.border;
    s.borderWidth = c.width;
    s.borderColor = rgb(0xff8000);
    const ShapeDrawing d = drawingOf(s);
    EXPECT_EQ(d.border, c.drawn) << c.width;
    EXPECT_EQ(d.borderColor, rgb(0xff8000));
    EXPECT_EQ(d.inside,
              (PixelBox{496 + c.drawn, 18 + c.drawn, 181 - 2 * c.drawn, 101 - 2 * c.drawn}));
    EXPECT_DOUBLE_EQ(d.cornerRadius, c.corner);
    EXPECT_DOUBLE_EQ(d.insideCornerRadius, c.insideCorner);
  }
  EXPECT_EQ(drawingOf(Placed(ShapeKind::Oval, 0, 0, 300, 300)).cornerRadius, 0);
}

TEST(ShapeDrawing, TheNetsCrossFromTheirCornerTheShirtsLinesAShadeDarkerFromInside) {
  Placed net(ShapeKind::Rectangle, 210, 3450, 465, 1335);
  net.hatch = Hatch::DiagonalCross;
  net.hatchColor = rgb(0x404040);
  const ShapeDrawing n = drawingOf(net);
  EXPECT_EQ(n.hatch, Hatch::DiagonalCross);
  EXPECT_EQ(n.hatchColor, rgb(0x404040));
  EXPECT_EQ(n.hatchLeft, n.area.left);
  EXPECT_EQ(n.hatchTop, n.area.top);

  Placed shirt(ShapeKind::Rectangle, 60, 195, 195, 255);
  shirt.opaque = true;
  shirt.fillColor = rgb(0xffff00);
  shirt.hatch = Hatch::VerticalLines;
  shirt.hatchColor = rgb(0x123456);  // not the lines' colour: theirs follows the cloth
  const ShapeDrawing s = drawingOf(shirt);
  EXPECT_TRUE(s.filled);
  EXPECT_EQ(s.fill, rgb(0xffff00));
  EXPECT_EQ(s.hatchColor, shadeDarker(rgb(0xffff00)));
  EXPECT_EQ(s.hatchLeft, s.inside.left + 1);
  EXPECT_EQ(s.hatchTop, s.inside.top);
}

}  // namespace
