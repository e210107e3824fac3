#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "app/elements.h"

// One row of the window's design, like a line of a form file: the element,
// its name and index, its container, position and size, and its looks.
// Rows are applied in order; within a container a later row lies in front.
// A line's four numbers are its end points x1, y1, x2, y2 instead.

enum FontStyle { Plain = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

constexpr Font arial(float points, int style = Plain) {
  return Font{Face::Arial, points, (style & Bold) != 0, (style & Italic) != 0};
}
constexpr Font times(float points, int style = Plain) {
  return Font{Face::TimesNewRoman, points, (style & Bold) != 0, (style & Italic) != 0};
}

struct Look {
  const char* text = nullptr;                     // caption (labels, buttons)
  std::optional<Font> font = std::nullopt;        // labels, buttons, lists
  std::optional<Color> fore = std::nullopt;       // label text, line colour
  std::optional<Color> back = std::nullopt;       // panel, label or button background; shape fill
  std::optional<ShapeKind> shape = std::nullopt;  // shapes
  bool opaque = false;                            // shapes: filled; labels: background drawn
  std::optional<Color> border = std::nullopt;     // shapes: border colour
  bool noBorder = false;                          // shapes without border
  int borderWidth = 1;                            // shapes and lines, in pixels
  bool borderInside = false;                      // shapes: border drawn inside the box
  bool frame = false;                             // panels with the thin sunken frame
  Hatch hatch = Hatch::None;                      // shapes: hatch pattern ...
  Color hatchColor = rgb(0x000000);               // ... and its colour
  Align align = Align::Left;                      // labels
  bool autoSize = false;                          // labels
  bool singleLine = false;                        // labels: one line, never wrapped or cut
  bool hidden = false;                            // not shown at start
  bool disabled = false;                          // buttons
  const char* toolTip = nullptr;                  // panels
  const char* tag = nullptr;                      // panels
  Picture picture = Picture::None;                // images
  bool natural = false;                           // images shown at natural size, not stretched
  int tab = -1;                                   // buttons and lists: keyboard tab order
  bool paintsPanels = false;                      // panels drawing the panels inside them
  Role role = Role::None;                         // what it is to the broadcast
};

struct Row {
  Element& element;
  const char* name;
  int index;
  Panel& container;
  float left, top, width, height;
  Look look = {};
};

// The rows of the whole design, collected back to front, part by part.
class DesignRows {
 public:
  void add(std::initializer_list<Row> table);
  void add(const Row& row);
  const std::vector<Row>& all() const { return rows_; }

 private:
  std::vector<Row> rows_;
};

// A place and size in twips.
struct Box {
  float left, top, width, height;
};

inline constexpr ShapeKind Rect = ShapeKind::Rectangle;
inline constexpr ShapeKind Rounded = ShapeKind::RoundedRectangle;
inline constexpr ShapeKind Oval = ShapeKind::Oval;
inline constexpr ShapeKind Circle = ShapeKind::Circle;

// The fonts of the titles and of most of the small print.
inline constexpr Font TitleFont = arial(36, BoldItalic);
inline constexpr Font Bold975 = arial(9.75f, Bold);

// The window's client area in twips: fixed, the window cannot be resized.
inline constexpr float FormWidth = 10365;
inline constexpr float FormHeight = 7590;

// Design colours used throughout.
inline constexpr Color White = rgb(0xffffff);
inline constexpr Color Black = rgb(0x000000);
inline constexpr Color DarkBlue = rgb(0x0000c0);
inline constexpr Color PitchGreen = rgb(0x008000);
inline constexpr Color LightBlue = rgb(0x8080ff);
inline constexpr Color PaleYellow = rgb(0xffffc0);
inline constexpr Color DarkGrey = rgb(0x404040);
inline constexpr Color Grey = rgb(0x808080);
inline constexpr Color Orange = rgb(0xff8000);
inline constexpr Color Yellow = rgb(0xffff00);
inline constexpr Color Red = rgb(0xff0000);
inline constexpr Color Skin = rgb(0xffe0c0);
inline constexpr Color Teal = rgb(0x00c0c0);
inline constexpr Color Crimson = rgb(0xc00000);
inline constexpr Color DarkRed = rgb(0x800000);
inline constexpr Color Pink = rgb(0xff8080);
inline constexpr Color Brown = rgb(0x804000);
inline constexpr Color BrightGreen = rgb(0x00c000);
inline constexpr Color Cyan = rgb(0x00ffff);
inline constexpr Color Olive = rgb(0xc0c000);
inline constexpr Color Navy = rgb(0x000080);
inline constexpr Color DarkNavy = rgb(0x000040);
inline constexpr Color LightGrey = rgb(0xe0e0e0);
inline constexpr Color Silver = rgb(0xc0c0c0);
inline constexpr Color Purple = rgb(0x800080);
inline constexpr Color LightGreen = rgb(0x80ff80);
inline constexpr Color Blue = rgb(0x0000ff);
