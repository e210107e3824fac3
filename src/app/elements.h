#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "app/pictures.h"

// The display elements of the window. Each is a plain struct owned by Form1
// and named as in the window's design; the procedures change their fields
// directly and the platform's view follows. Positions and sizes are in twips
// (15 twips make one pixel), relative to the element's container.

// A colour as 0xRRGGBB.
struct Color {
  std::uint32_t rgb = 0;
  constexpr std::uint8_t red() const { return static_cast<std::uint8_t>(rgb >> 16); }
  constexpr std::uint8_t green() const { return static_cast<std::uint8_t>(rgb >> 8); }
  constexpr std::uint8_t blue() const { return static_cast<std::uint8_t>(rgb); }
  friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color rgb(std::uint32_t value) { return Color{value}; }

// The system colours the design refers to.
inline constexpr Color WindowText = rgb(0x000000);
inline constexpr Color WindowBackground = rgb(0xffffff);
inline constexpr Color ButtonFace = rgb(0xf0f0f0);

enum class Face { Arial, TimesNewRoman };

struct Font {
  Face face = Face::Arial;
  float points = 8.25f;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// 15 twips make one pixel on a 96-dpi screen.
inline constexpr int TwipsPerPixel = 15;

// Twips to the nearest pixel.
inline int toPixels(float twips) {
  return static_cast<int>(std::lround(twips / static_cast<float>(TwipsPerPixel)));
}

// A font's size in whole pixels, points x 96 / 72, so that the layout never
// depends on the screen's dpi.
inline int pixelSize(const Font& f) {
  return std::max(1, static_cast<int>(std::lround(f.points * 96.0f / 72.0f)));
}

enum class Kind { Panel, Label, Button, List, Shape, Line, Image };

// What an element is to the broadcast, where a platform must know it: the
// commentary line (a screen reader follows it), the three screens, the
// figures on the pitch (named by their players); and what the page repeats in
// captions where the picture is small: the scoreboard's two countries, home
// first, their two scores in the same order and its clock, the speech
// balloon's line and the people who may speak it (named by their spoken names).
enum class Role { None, Commentary, Screen, Figure, Team, Score, Clock, Balloon, Speaker };

struct Panel;

struct Element {
  explicit Element(Kind k) : kind(k) {}
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  virtual ~Element() = default;

  Kind kind;
  Role role = Role::None;
  std::string name;  // design name, e.g. "Combo1"
  int index = -1;    // index within its element array, -1 for a single element
  Panel* container = nullptr;
  float left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  // Stacking within the container: higher is nearer the front. Panels,
  // buttons and lists always lie in front of the windowless elements.
  int zorder = 0;
};

struct Panel : Element {
  Panel() : Element(Kind::Panel) {}
  Color backColor = ButtonFace;
  bool border = false;  // thin sunken frame of the screens, rows and small flags
  std::string toolTip;
  std::string tag;
  // A picture shown at its natural size from the top-left corner, under the
  // panel's other contents (a figure can take on a picture).
  Picture picture = Picture::None;
  // The panels inside it that hold no button or list are drawn as part of
  // it, like its windowless elements, and so are the panels inside those:
  // the match screen's figures and props, which move every step.
  bool paintsPanels = false;
  std::vector<Element*> children;  // in design order
};

enum class Align { Left, Right, Center };

struct Label : Element {
  Label() : Element(Kind::Label) {}
  std::string caption;
  Font font;
  Color foreColor = WindowText;
  bool opaque = false;  // transparent unless a background colour is given
  Color backColor = ButtonFace;
  Align alignment = Align::Left;
  bool autoSize = false;  // grows to fit its text, from its top-left corner
  // Its text stands on one line, whole: never wrapped or cut, a text wider
  // than the box runs past its edges (the commentary line, the carded name).
  bool singleLine = false;
};

struct Button : Element {
  Button() : Element(Kind::Button) {}
  std::string caption;  // '&' marks the keyboard mnemonic
  Font font;
  bool coloured = false;  // drawn in backColor instead of the button face
  Color backColor = ButtonFace;
  bool enabled = true;
  int tabIndex = -1;  // position in the keyboard tab order, -1 for none
};

// A pick-only drop-down list.
struct List : Element {
  List() : Element(Kind::List) {}
  std::vector<std::string> entries;
  int listIndex = -1;  // the chosen entry, -1 for none
  Font font;
  int tabIndex = -1;
  // The chosen entry's text, "" when none is chosen.
  std::string text() const {
    return listIndex >= 0 && listIndex < static_cast<int>(entries.size()) ? entries[listIndex] : "";
  }
};

enum class ShapeKind { Rectangle, RoundedRectangle, Oval, Circle };
enum class Hatch { None, DiagonalCross, VerticalLines };

struct Shape : Element {
  Shape() : Element(Kind::Shape) {}
  ShapeKind shape = ShapeKind::Rectangle;
  bool opaque = false;  // filled with fillColor; otherwise an outline only
  Color fillColor = rgb(0xffffff);
  Hatch hatch = Hatch::None;
  Color hatchColor = rgb(0x000000);
  bool border = true;
  Color borderColor = rgb(0x000000);
  int borderWidth = 1;        // pixels
  bool borderInside = false;  // border drawn inside the box (the figures' parts)
};

struct Line : Element {
  Line() : Element(Kind::Line) {}
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color = rgb(0x000000);
  int lineWidth = 1;  // pixels
};

struct Image : Element {
  Image() : Element(Kind::Image) {}
  Picture picture = Picture::None;
  bool stretch = true;  // stretched to the box; otherwise shown at natural size
};

// A timer: no display; the platform's heartbeat fires it through the core's
// timer service.
struct Timer {
  int interval = 0;  // milliseconds
  bool enabled = false;
  std::string tag;
};
