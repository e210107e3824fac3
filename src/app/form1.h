#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/elements.h"
#include "app/figures.h"
#include "app/replay.h"
#include "app/sparse.h"
#include "app/timer_service.h"
#include "platform/platform.h"
#include "platform/program.h"
#include "text/voice.h"

class DesignRows;

// The 16-bit booleans of the match state: true is -1, false is 0.
using Flag = std::int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;

// Where the possession cycle stands.
enum class PlayPhase { Flight = 0, Holding = 1, PassDue = 2 };

// A wandering direction not drawn yet (the keepers' design tag "G" is no
// direction either).
inline constexpr int NoDirection = -1;

// A figure on the pitch: a panel whose tool-tip text is its name, with its
// wandering state beside it.
struct Figure : Panel {
  std::string& name() { return toolTip; }
  const std::string& name() const { return toolTip; }
  // The wandering direction, a compass code 0..10, and the steps left in it;
  // none left asks for a new direction.
  int Direction = NoDirection;
  int StepsLeft = 0;
};

// The one window: every display element, the match state and every
// procedure of the program. The platform calls in through the entry points
// of the program at the end of the class.
class Form1 : public Program {
 public:
  explicit Form1(Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // ---- The window ---------------------------------------------------------
  // Client area 10365 x 7590 twips; children front to back Picture2,
  // Picture6, Picture1.
  Panel Form;
  float Left = 0, Top = 0;  // the window's position on the screen

  // ---- Country builder: Picture2 ------------------------------------------
  Panel Picture2;
  std::array<Label, 8> Label1;     // 0..2 builder titles, 3 on the bomb, 4 lineups, 5..7 pitch
  std::array<Panel, 2> Picture3;   // team rows
  std::array<List, 6> Combo1;      // syllable lists, 0..2 team 1, 3..5 team 2
  std::array<Button, 2> Command1;  // "&Random"
  std::array<Button, 2> Command4;  // "i."
  std::array<Shape, 6> FlagShape;  // flag stripes of the rows
  Panel Picture4;
  Label Label2;  // "VS"
  Panel Picture5;
  std::array<Shape, 3> Shape2;  // the builder's decorative flag
  Panel lebomb;
  Image Image1;                 // radiation sign
  std::array<Shape, 5> Shape3;  // bomb body and fins
  std::array<Shape, 3> Explosion;
  std::array<Line, 14> Line3;  // palm tree
  Shape Shape4, Shape5;        // islands
  std::array<Line, 2> Line2;   // horizon
  Button Command3;             // "&Exit"
  Button Command2;             // "&Go"
  Timer Timer1;                // title animation

  // ---- Lineups: Picture6 --------------------------------------------------
  Panel Picture6;
  Shape Shape6;
  std::array<Panel, 4> Picture7;  // small flags: 0, 1 lineups; 2, 3 scoreboard
  std::array<Shape, 12> smFlag;   // their stripes
  Label Label7, Label6;           // country names
  Label Label4;
  Label Label3, Label5;  // players
  Label Label8;
  Line Line5;
  Label Label10, Label11;  // keepers
  Label Label9;
  Label Label12, Label13;  // managers
  Button Command5;         // "&Go": kick-off

  // ---- Match screen: Picture1 ---------------------------------------------
  Panel Picture1;
  Shape field;
  std::array<Shape, 2> GoalieBox;
  Sparse<Shape> Shape25{0, 1, 2, 3, 4, 5, 7};
  Line Line6;
  std::array<Shape, 2> shpGoal;
  std::array<Shape, 2> Shape9;
  std::array<Line, 4> Line8;
  Shape Shape7;
  Image Crowd;
  Shape Shape8;  // scoreboard
  Label Label17, Label18;
  std::array<Label, 2> Label19;  // scores
  Label Label20;                 // match clock
  std::array<Label, 3> Label21;  // credits
  Image Image5;                  // sponsor
  Panel Picture8;                // announcer's head
  std::array<Shape, 11> Shape1;  // announcer's portrait
  std::array<Line, 8> Line1;     // 0, 1 microphone; 2..7 speech-box tails
  Label Announcer;
  Button cmdExit;
  Timer Timer2;  // match-engine tick
  Timer Timer3;  // match clock

  // Players, goals and ball, laid out as app/figures.h tells.
  std::array<Figure, Figures> player;
  std::array<Shape, BodyParts> shpHair, shpHead, shpArms, shpLegs, shpShoulders, shpShirt,
      shpShorts, shpSocks, Shape10;
  std::array<Line, Players> Line4;
  Sparse<Line> Line9{bodyOf(lyingFigureOf(HomeSide)), bodyOf(lyingFigureOf(Visitors))};
  Sparse<Image> NFLhelmet{0, 4, 12};
  Image picBall;

  // Props of the skits.
  Label lblGOal;
  Panel OFFS1;
  Panel OFFS2;
  Label OFFS3;
  Shape Shape14, Shape15;
  Panel RedCard;
  Label RedCardWho;
  Panel Ambulance;
  Shape Shape11;
  std::array<Shape, 4> Shape12;
  std::array<Shape, 2> Shape13;
  Image Image4;
  Panel picJudge;
  std::array<Label, 2> Label22;
  Label Label23;
  std::array<Image, 7> Image3;
  std::array<Label, 7> lblTD, lblAM;
  std::array<Panel, 2> picFG;
  std::array<Line, 8> Line7;
  Image NFLLogo;
  Image imgSoc, imgFB;
  Label Label24;
  Image burns, girl, smGirl, shh, Argh;

  // ---- Match state ----------------------------------------------------------
  Flag HoldAnnouncer = False;
  Flag PlayHalted = False;
  // Set once the announcer has said his last line ("&Exit" or the walk-off):
  // for the four seconds left the display keeps that line, the lottery draws
  // nothing and no goal is called.
  Flag SigningOff = False;
  int MatchMinute = 0;
  int MatchSecond = 0;
  int HolderIndex = 0;
  int PreviousIndex = 0;
  std::string HolderName;
  std::string PreviousName;
  Flag ShotInFlight = False;
  float TargetX = 0, TargetY = 0;
  std::int32_t FlightStartX = 0, FlightStartY = 0;
  double FlightDirX = 0, FlightDirY = 0;
  double FlightRemainingX = 0;
  // A flight straight up or down covers no horizontal distance: it counts
  // down the vertical distance instead.
  double FlightRemainingY = 0;
  Flag HalfTimeDone = False;
  Flag FullTimeDone = False;
  Flag GirlShown = False;
  // Country tables, indexed from 1 (element 0 unused).
  std::array<std::string, 7> FirstSyllables;
  std::array<std::string, 7> MiddleSyllables;
  std::array<std::string, 10> Endings;
  std::array<std::int32_t, 10> FlagColors{};  // red + 256 x green + 65536 x blue

  // The match as something to pass on: its kick-off and code, a replay,
  // its moments and its transcript.
  Replay replay{*this};

  // How many times the engine tick has been entered, and how often the skit
  // lottery started each of its procedures: for the benchmarks, the tests of
  // the pacing and the match simulator.
  std::uint64_t engineTicks = 0;
  // By the skits' rows (match/engine.h).
  std::vector<std::uint64_t> lotteryStarts;

  // The engine phase, kept in the engine timer's tag text ("1", "2", "0").
  PlayPhase phase() const;
  void setPhase(PlayPhase p);

  // ---- Procedures -----------------------------------------------------------
  void Form_Load();
  void Command2_Click();
  void Command3_Click();
  void Command5_Click();
  void cmdExit_Click();
  void Command1_Click(int index);
  void Command4_Click(int index);
  void Combo1_Click(int index);

  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();

  // Countries and lineups.
  void FullCombos();
  void RandCont1();
  void RandCont2();
  std::string RandomName();
  void PrepareLineups();
  void SetupPlayers();

  // Commentary and pacing.
  std::string OneOf(const std::string& list);
  std::string CapStr(const std::string& syllables);
  void Announce(const std::string& text);
  void Announce2(const std::string& text);
  void DelayMs(std::int16_t duration);
  void WaitMs(std::int16_t duration);

  // The engine tick's steps and the skits.
  void RunSkitLottery();
  void AdvancePossession();
  void Wander();
  // The possession cycle's parts.
  int ChooseReceiver();
  void NarrateHandOver();
  void GoalSequence();
  // The ball's flight to a figure, one 40-twip step at a time; a step
  // reports whether the flight has completed.
  void PlanFlight(const Figure& receiver);
  bool FlightStep();
  // One figure's wandering inside its home box.
  void WanderFigure(Figure& figure, const Shape& box);
  void SkitIntro();
  void SkitInterject();
  void SkitFootball();
  void SkitInjury();
  void SkitCard();

  // Brings an element to the front of its container.
  void bringToFront(Element& element);

  // ---- Entry points for the platform ------------------------------------------
  // Each runs the core until it returns or the program ends; none lets the
  // end of the program escape to the platform.
  void load() override;
  void heartbeat(std::uint64_t step) override;
  void click(Element& button) override;
  void choose(Element& list, int entry) override;
  void closeRequested() override;
  bool stage(std::string_view skit) override;
  std::vector<std::string> skits() const override;
  // Any scene, started as a staged skit is: the goal sequence, say, or a
  // skit with its draws prepared.
  void stage(std::function<void()> scene);
  bool ended() const override { return ended_; }
  const std::vector<Element*>& elements() const override { return elements_; }
  std::string spokenName(const Element& element) const override;
  bool open(const Options& options, std::string& why) override {
    return replay.useOptions(options, why);
  }
  void transcribe(std::function<void(const std::string&)> out) override {
    replay.transcribe(std::move(out));
  }
  int matchSecond() const override { return MatchMinute * 60 + MatchSecond; }
  std::string matchLink(std::string_view site, int atSecond = 0) const override;
  std::vector<MatchMoment> moments() const override;
  std::string endedBeforeItsStart() const override { return replay.endedBeforeItsStart(); }
  void followLive(std::function<std::int64_t()> matchStep) override {
    replay.followLive(std::move(matchStep));
  }
  bool viewerLeft() const override { return viewerLeft_; }

  // Ends the program: no tick, line or wait runs afterwards.
  void EndProgram();

  Element* find(const std::string& name, int index = -1) const;

  Platform& platform() { return platform_; }
  Random& rnd() { return platform_.random(); }

 private:
  void loadDesign();  // the design tables
  // The design tables of each part of the window, adding its rows back to front.
  void builderDesign(DesignRows& rows);
  void lineupsDesign(DesignRows& rows);
  void smallFlagDesign(DesignRows& rows, int flag, float stripeWidth, float step, float height);
  void matchDesign(DesignRows& rows);
  void figuresDesign(DesignRows& rows);
  void propsDesign(DesignRows& rows);
  void adopt(Element& element, Panel& container);
  // Runs a piece of the core from the platform, absorbing the end of the program.
  void guarded(const std::function<void()>& body);
  // After each pass of a wait: unwind if the program has ended.
  void passDone();
  // A new line on the commentary display goes out to the platform and the voice.
  void lineShown(const std::string& line, bool interrupts);
  // Starts the staged scene, if any, in place of the lottery's draw: true
  // when one ran.
  bool runStaged();

  Platform& platform_;
  TimerService timers_;
  Voice voice_{platform_};
  bool ended_ = false, viewerLeft_ = false;
  std::function<void()> staged_;
  int nextZ_ = 0;
  std::vector<Element*> elements_;
};
