#include "app/form1.h"

#include <cstdio>
#include <iterator>

#include "match/engine.h"
#include "teams/countries.h"
#include "text/alternatives.h"

// Thrown by the waits once the program has ended, so that no tick, line or
// wait runs afterwards; caught where the platform calls into the core.
struct ProgramEnded {};

Form1::Form1(Platform& platform) : lotteryStarts(Skits.size()), platform_(platform) {
  elements_.push_back(&Form);
  loadDesign();
  timers_.add(Timer1, [this] { Timer1_Timer(); });
  timers_.add(Timer2, [this] { Timer2_Timer(); });
  timers_.add(Timer3, [this] { Timer3_Timer(); });
}

void Form1::adopt(Element& element, Panel& container) {
  element.container = &container;
  element.zorder = ++nextZ_;
  container.children.push_back(&element);
  elements_.push_back(&element);
}

Element* Form1::find(const std::string& name, int index) const {
  for (Element* e : elements_)
    if (e->name == name && e->index == index) return e;
  return nullptr;
}

void Form1::bringToFront(Element& element) { element.zorder = ++nextZ_; }

PlayPhase Form1::phase() const {
  if (Timer2.tag == "2") return PlayPhase::PassDue;
  if (Timer2.tag == "1") return PlayPhase::Holding;
  return PlayPhase::Flight;
}

void Form1::setPhase(PlayPhase p) { Timer2.tag = std::to_string(static_cast<int>(p)); }

// ---- Entry points ------------------------------------------------------------

void Form1::guarded(const std::function<void()>& body) {
  if (ended_) return;
  try {
    body();
  } catch (const ProgramEnded&) {
    // The program has ended; the platform closes the window.
  }
}

void Form1::load() {
  guarded([this] {
    Form_Load();
    replay.loaded();
  });
}

void Form1::heartbeat(std::uint64_t step) {
  guarded([this, step] {
    replay.beforeHeartbeat(step);
    timers_.heartbeat(step);
    replay.afterHeartbeat(step);
  });
}

void Form1::click(Element& element) {
  if (element.kind != Kind::Button || !static_cast<const Button&>(element).enabled) return;
  const Button& button = static_cast<const Button&>(element);
  guarded([this, &button] {
    if (&button == &Command2)
      Command2_Click();
    else if (&button == &Command3)
      Command3_Click();
    else if (&button == &Command5) {
      // A replayed match kicks off at a clock step of its own kick-off's phase.
      if (!replay.holdsKickOff()) Command5_Click();
    } else if (&button == &cmdExit) {
      viewerLeft_ = !ended_;
      cmdExit_Click();
    } else if (&button == &Command1[0] || &button == &Command1[1])
      Command1_Click(button.index);
    else if (&button == &Command4[0] || &button == &Command4[1])
      Command4_Click(button.index);
  });
}

void Form1::choose(Element& element, int entry) {
  if (element.kind != Kind::List) return;
  List& list = static_cast<List&>(element);
  if (entry < 0 || entry >= static_cast<int>(list.entries.size())) return;
  list.listIndex = entry;
  guarded([this, &list] { Combo1_Click(list.index); });
}

void Form1::closeRequested() {
  viewerLeft_ |= !ended_;
  guarded([this] { EndProgram(); });
}

bool Form1::stage(std::string_view skit) {
  const SkitRow* row = skitNamed(skit);
  if (row) stage([this, procedure = row->procedure] { (this->*procedure)(); });
  return row != nullptr;
}

std::vector<std::string> Form1::skits() const {
  std::vector<std::string> names;
  for (const SkitRow& row : Skits) names.emplace_back(row.name);
  return names;
}

void Form1::stage(std::function<void()> scene) { staged_ = std::move(scene); }

bool Form1::runStaged() {
  if (!staged_) return false;
  const std::function<void()> scene = std::move(staged_);
  staged_ = nullptr;
  scene();
  return true;
}

std::unique_ptr<Program> makeProgram(Platform& platform) {
  return std::make_unique<Form1>(platform);
}

void Form1::EndProgram() {
  if (!ended_) {
    ended_ = true;
    replay.ending();
    platform_.endProgram();
  }
  throw ProgramEnded{};
}

void Form1::passDone() {
  if (ended_) throw ProgramEnded{};
}

// ---- Program flow --------------------------------------------------------------

void Form1::Form_Load() {
  rnd().randomize();

  // The panels are centred on the window's outer size, frame and title bar
  // included, as the design has always placed them.
  const int outerWidth = static_cast<int>(Form.width) + platform_.windowFrameWidth();
  const int outerHeight = static_cast<int>(Form.height) + platform_.windowFrameHeight();
  Picture6.top = (static_cast<float>(outerHeight) - Picture6.height) / 2;
  Picture2.top = (static_cast<float>(outerHeight) - Picture2.height) / 2;
  Picture6.left = (static_cast<float>(outerWidth) - Picture6.width) / 2;
  Picture2.left = (static_cast<float>(outerWidth) - Picture2.width) / 2;

  Top = static_cast<float>(platform_.screenHeight() - outerHeight) / 2;
  Left = static_cast<float>(platform_.screenWidth() - outerWidth) / 2;
  platform_.moveWindow(static_cast<int>(Left), static_cast<int>(Top));

  FullCombos();
  RandCont1();
  RandCont2();
  Label17.caption = countryName(*this, 0);
  Label18.caption = countryName(*this, 1);
  Announcer.caption = "";
}

void Form1::Command2_Click() {
  replay.drawingLineups();
  Timer1.enabled = false;
  Picture2.visible = false;
  PrepareLineups();
  Picture6.visible = true;
  replay.lineupsDrawn();
}

void Form1::Command3_Click() { EndProgram(); }

void Form1::Command5_Click() {
  replay.kickingOff();
  bringToFront(picBall);
  SetupPlayers();
  Picture6.visible = false;
  Timer2.enabled = true;
  Timer3.enabled = true;
  cmdExit.enabled = true;
  SkitIntro();
}

// The last line, then four seconds of play and the end. Nothing new starts
// meanwhile, however deeply the click or the walk-off came inside other
// scripts: those stay suspended until the end, and a second "&Exit" changes
// nothing.
void Form1::cmdExit_Click() {
  if (SigningOff) return;
  replay.moment(MomentKind::SignOff);
  Announce2("Typical of a soccer player.  Quitter.  C-ya.");
  SigningOff = True;
  DelayMs(4000);
  EndProgram();
}

// ---- Commentary and pacing --------------------------------------------------------

void Form1::Announce(const std::string& text) {
  if (HoldAnnouncer || SigningOff) return;
  Announcer.caption = text;
  lineShown(text, false);
}

void Form1::Announce2(const std::string& text) {
  if (SigningOff) return;
  Announcer.caption = text;
  lineShown(text, true);
}

void Form1::lineShown(const std::string& line, bool interrupts) {
  platform_.commentary(line, interrupts);
  if (replay.lineShown(line)) voice_.hear(line, interrupts);  // unheard while the match hurries
}

namespace {
// Milliseconds from `from` to `to` on the tick counter, correct across its wrap.
std::int32_t elapsed(std::uint32_t from, std::uint32_t to) {
  return static_cast<std::int32_t>(to - from);
}
}  // namespace

void Form1::DelayMs(std::int16_t duration) {
  Timer2.enabled = false;
  std::uint32_t start = platform_.tickCount();
  std::uint32_t lastTick = platform_.tickCount();
  for (;;) {
    platform_.processEventsOnce();
    passDone();
    if (elapsed(lastTick, platform_.tickCount()) > Timer2.interval) {
      Timer2_Timer();
      lastTick = platform_.tickCount();
    }
    if (elapsed(start, platform_.tickCount()) > duration) break;
  }
  Timer2.enabled = true;
}

void Form1::WaitMs(std::int16_t duration) {
  std::uint32_t start = platform_.tickCount();
  do {
    platform_.processEventsOnce();
    passDone();
  } while (elapsed(start, platform_.tickCount()) <= duration);
}

std::string Form1::OneOf(const std::string& list) { return ::OneOf(list, rnd()); }

std::string Form1::CapStr(const std::string& syllables) { return ::CapStr(syllables, rnd()); }

// ---- Title animation --------------------------------------------------------------

void Form1::Timer1_Timer() {
  // The bomb falls towards the bottom limit; the blasts appear one after
  // another as its hidden position passes each threshold.
  constexpr float BottomLimit = 3600;
  lebomb.top += 30;
  if (lebomb.top > BottomLimit - 250) {
    lebomb.visible = false;
    Explosion[2].visible = true;
  }
  if (lebomb.top > BottomLimit - 170) Explosion[1].visible = true;
  if (lebomb.top > BottomLimit - 100) Explosion[0].visible = true;
  if (lebomb.top > BottomLimit - 70) Picture2.backColor = rgb(0xffffff);
  if (lebomb.top > BottomLimit) {
    Picture2.backColor = rgb(0x0000c0);
    for (Shape& blast : Explosion) blast.visible = false;
    lebomb.top = 40;
    lebomb.visible = true;
  }
}

// ---- Match clock ------------------------------------------------------------------

void Form1::Timer3_Timer() {
  MatchSecond += 5;
  if (MatchSecond == 60) {
    MatchSecond = 0;
    MatchMinute += 1;
  }
  Label20.caption = matchTime(MatchMinute * 60 + MatchSecond);
  replay.clockShown();
}
