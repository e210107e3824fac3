#pragma once

// What happens in a match that a viewer may want to see again, one row a
// kind: its name, how the end of the broadcast tells it, and whether it is
// told there at all (the dozens of plain asides a match has are not).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class MomentKind { Interjection, HalfTime, FullTime, Football, Injury, Card, Goal, SignOff };

struct MomentRow {
  MomentKind kind;
  const char* name;
  // How it is told, followed by ": " and the moment's detail where it has
  // one (how the injury ended, the card's colour).
  const char* told;
  bool memorable;
};

// In the order of the kinds.
inline constexpr MomentRow MomentRows[] = {
    {MomentKind::Interjection, "interjection", "An aside", false},
    {MomentKind::HalfTime, "half time", "Half time", true},
    {MomentKind::FullTime, "full time", "Full time", true},
    {MomentKind::Football, "football dream", "The football dream", true},
    {MomentKind::Injury, "injury", "The injury", true},
    {MomentKind::Card, "card", "A card", true},
    {MomentKind::Goal, "goal", "A goal, disallowed", true},
    {MomentKind::SignOff, "sign-off", "The sign-off", true},
};

const MomentRow& rowOf(MomentKind kind);
inline const char* nameOf(MomentKind kind) { return rowOf(kind).name; }

// How an injury ends, told as its detail.
inline constexpr std::string_view JudgesMarks = "the judges' marks", Ambulance = "the ambulance";

// A moment, the match second the clock showed when it began, and what it
// came to, where the kind tells that.
struct Moment {
  MomentKind kind;
  int second;
  std::string detail = "";
  // The clock step it began in, counted from the step the match clock
  // counts from.
  std::uint64_t step = 0;
  bool operator==(const Moment&) const = default;
};

// A moment as a viewer reads it: "The injury: the judges' marks".
std::string toldOf(const Moment& moment);
