#include "app/shape_drawing.h"

#include <algorithm>
#include <cmath>

PixelBox pixelBox(const Element& e) {
  return {toPixels(e.left), toPixels(e.top), std::max(0, toPixels(e.width)),
          std::max(0, toPixels(e.height))};
}

ShapeDrawing drawingOf(const Shape& s) {
  ShapeDrawing d;
  d.area = pixelBox(s);
  switch (s.shape) {
    case ShapeKind::Rectangle:
      d.outline = Outline::Box;
      break;
    case ShapeKind::RoundedRectangle:
      d.outline = Outline::RoundedBox;
      break;
    case ShapeKind::Circle: {
      const int side = std::min(d.area.width, d.area.height);
      d.area = {d.area.left + (d.area.width - side) / 2, d.area.top + (d.area.height - side) / 2,
                side, side};
      d.outline = Outline::Ellipse;
      break;
    }
    case ShapeKind::Oval:
      d.outline = Outline::Ellipse;
      break;
  }
  d.border = s.border ? std::max(1, s.borderWidth) : 0;
  d.borderColor = s.borderColor;
  d.inside = {d.area.left + d.border, d.area.top + d.border, d.area.width - 2 * d.border,
              d.area.height - 2 * d.border};
  if (d.outline == Outline::RoundedBox) {
    // A sixth of the shorter side.
    d.cornerRadius = std::min(d.area.width, d.area.height) / 6.0;
    d.insideCornerRadius = std::max(0.0, d.cornerRadius - d.border);
  }
  d.filled = s.opaque;
  d.fill = s.fillColor;
  d.hatch = s.hatch;
  switch (s.hatch) {
    case Hatch::None:
      break;
    case Hatch::DiagonalCross:
      d.hatchColor = s.hatchColor;
      d.hatchLeft = d.area.left;
      d.hatchTop = d.area.top;
      break;
    case Hatch::VerticalLines:
      // The cloth's thin lines, a shade darker than the cloth.
      d.hatchColor = shadeDarker(s.fillColor);
      d.hatchLeft = d.inside.left + 1;
      d.hatchTop = d.inside.top;
      break;
  }
  return d;
}

namespace {

// Hue, saturation and value with 16 bits each; the hue in hundredths of a
// degree, -1 for a grey.
struct Hsv {
  int hue = -1, saturation = 0, value = 0;
};

constexpr int Full = 65535;

int sixteenBits(double fraction) { return static_cast<int>(std::lround(fraction * Full)); }

Hsv hsvOf(Color c) {
  const double r = c.red() / 255.0, g = c.green() / 255.0, b = c.blue() / 255.0;
  const double max = std::max({r, g, b}), min = std::min({r, g, b}), delta = max - min;
  Hsv hsv;
  hsv.value = sixteenBits(max);
  if (delta == 0) return hsv;
  hsv.saturation = sixteenBits(delta / max);
  double sector = r == max ? (g - b) / delta : g == max ? 2 + (b - r) / delta : 4 + (r - g) / delta;
  if (sector < 0) sector += 6;
  hsv.hue = static_cast<int>(std::lround(sector * 6000));
  return hsv;
}

// 16 bits a channel to 8, rounded.
std::uint32_t eightBits(int channel) { return static_cast<std::uint32_t>((channel + 128) / 257); }

Color rgbOf(const Hsv& hsv) {
  if (hsv.saturation == 0 || hsv.hue < 0) {
    const std::uint32_t grey = eightBits(hsv.value);
    return rgb(grey << 16 | grey << 8 | grey);
  }
  const double h = hsv.hue == 36000 ? 0 : hsv.hue / 6000.0;
  const double s = hsv.saturation / static_cast<double>(Full);
  const double v = hsv.value / static_cast<double>(Full);
  const int sector = static_cast<int>(h);
  const double f = h - sector;
  const int high = sixteenBits(v), low = sixteenBits(v * (1 - s));
  const int falling = sixteenBits(v * (1 - s * f)), rising = sixteenBits(v * (1 - s * (1 - f)));
  const int channels[6][3] = {{high, rising, low},  {falling, high, low}, {low, high, rising},
                              {low, falling, high}, {rising, low, high},  {high, low, falling}};
  const int* c = channels[sector];
  return rgb(eightBits(c[0]) << 16 | eightBits(c[1]) << 8 | eightBits(c[2]));
}

}  // namespace

Color shadeDarker(Color colour) {
  Hsv hsv = hsvOf(colour);
  hsv.value = hsv.value * 100 / 135;
  return rgbOf(hsv);
}
