#pragma once

// The figures on the pitch, the `player` array, by index: 0..19 the field
// players, 20 and 21 the keepers, 22 and 23 the goal markers (named "GOAL"),
// 24 and 25 the lying figures (named "INJURY"). A figure's side is the
// parity of its index: even the home side, odd the visitors. The body parts
// of the figures (`shpHead` and the rest) are indexed like the players for
// 0..21; 22 and 23 belong to the lying figures.

inline constexpr int Figures = 26;
inline constexpr int Players = 22;  // the field players and the keepers
inline constexpr int BodyParts = 24;

inline constexpr int HomeSide = 0, Visitors = 1;

constexpr int sideOf(int figure) { return figure % 2; }

constexpr int keeperOf(int side) { return 20 + side; }
constexpr int goalMarkerOf(int side) { return 22 + side; }
constexpr int lyingFigureOf(int side) { return 24 + side; }

constexpr bool isKeeper(int figure) {
  return figure == keeperOf(HomeSide) || figure == keeperOf(Visitors);
}
constexpr bool isGoalMarker(int figure) {
  return figure == goalMarkerOf(HomeSide) || figure == goalMarkerOf(Visitors);
}
constexpr bool isLyingFigure(int figure) { return figure >= lyingFigureOf(HomeSide); }

// The index of a figure's body parts: its own, but for the lying figures.
constexpr int bodyOf(int figure) { return isLyingFigure(figure) ? figure - 2 : figure; }
