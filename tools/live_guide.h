#pragma once

// The simulator's view of the live channel.

#include <cstdint>

// The channel's guide: `count` matches from the one on at `from`, one line
// each: kick-off, countries, code, end, and how it ended.
int printSchedule(std::uint64_t from, int count);
// What the channel shows at `at`: the match on and where in it; with
// `transcript`, each commentary line from then to the match's end, with the
// UTC second it shows at and the match clock. Status 1 when an invariant broke.
int printLive(std::uint64_t at, bool transcript);
// What finding what is on costs: onAir at the last step of each hour of
// `days` days from `from` (the dearest moment: the hour's whole chain is
// played), its median and its most, in milliseconds.
int printLookupCost(std::uint64_t from, int days);
// A table of fillers: the builder's kick-offs of seeds from 1 on whose
// matches end within four and a half minutes, a few of each length.
int printFillers();
