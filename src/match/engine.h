#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "app/form1.h"

// A procedure of the window that the skit lottery can start.
using SkitProcedure = void (Form1::*)();

// The skit lottery's draw is below this.
inline constexpr int LotteryRange = 18000;

// One skit, one row: everything else (the lottery, staging, the page's
// console, the stager, the simulator, the tests) reads it by its name.
struct SkitRow {
  // As the page's console, the stager and the simulator name it.
  std::string_view name;
  SkitProcedure procedure;
  // The lottery starts it for a draw below this and not below an earlier
  // row's bound.
  int below;
  // The moments it begins, one a run.
  std::vector<MomentKind> moments;
  // What it shows only while it runs.
  std::vector<const Element*> (*props)(Form1& f);
};

// The rows in the order the lottery tests their bounds; a draw of 254 or
// more starts nothing.
inline const std::vector<SkitRow> Skits = {
    {"interject",
     &Form1::SkitInterject,
     200,
     {MomentKind::Interjection, MomentKind::HalfTime, MomentKind::FullTime},
     [](Form1& f) -> std::vector<const Element*> {
       return {&f.Shape25[0], &f.Label24,  &f.burns,    &f.Argh,     &f.smGirl,
               &f.shh,        &f.girl,     &f.Line1[2], &f.Line1[3], &f.Line1[4],
               &f.Line1[5],   &f.Line1[6], &f.Line1[7]};
     }},
    {"football",
     &Form1::SkitFootball,
     210,
     {MomentKind::Football},
     [](Form1& f) -> std::vector<const Element*> {
       std::vector<const Element*> props = {&f.NFLLogo, &f.picFG[0], &f.picFG[1]};
       for (const auto& [index, helmet] : f.NFLhelmet) props.push_back(&helmet);
       return props;
     }},
    {"injury",
     &Form1::SkitInjury,
     233,
     {MomentKind::Injury},
     [](Form1& f) -> std::vector<const Element*> {
       return {&f.Ambulance, &f.picJudge, &f.player[lyingFigureOf(HomeSide)],
               &f.player[lyingFigureOf(Visitors)]};
     }},
    {"walk-off",
     &Form1::cmdExit_Click,
     240,
     {MomentKind::SignOff},
     [](Form1&) -> std::vector<const Element*> { return {}; }},
    {"card",
     &Form1::SkitCard,
     254,
     {MomentKind::Card},
     [](Form1& f) -> std::vector<const Element*> { return {&f.RedCard}; }},
};

// The row a draw falls in, or nullptr for none.
const SkitRow* LotteryPick(int draw);

// The row of that name, or nullptr for none.
const SkitRow* skitNamed(std::string_view name);
