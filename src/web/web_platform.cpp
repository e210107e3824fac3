#include "web/web_platform.h"

#include "platform/program.h"
#include "web/page.h"
#include "web/web_view.h"

namespace {

// Hurried to a moment (a link's time, the live channel's), the program's
// clock takes this many steps, four seconds of the broadcast, for each look
// at the page.
constexpr int HurriedStepsBetweenLooks = 256;

// The browser's speech synthesis.
class PageSpeaker final : public Speaker {
 public:
  void say(const std::string& line) override { web_say(line.c_str()); }
  void stop() override { web_stop_speaking(); }
  bool speaking() override { return web_speaking() != 0; }
};

}  // namespace

WebPlatform::WebPlatform() = default;
WebPlatform::~WebPlatform() = default;

void WebPlatform::attach(Program& program, WebView& view) {
  program_ = &program;
  view_ = &view;
  keepPace();
}

void WebPlatform::giveVoice() { speaker_ = std::make_unique<PageSpeaker>(); }

std::uint64_t WebPlatform::realStep() const { return static_cast<std::uint64_t>(web_step()); }

bool WebPlatform::ended() const { return program_ && program_->ended(); }

void WebPlatform::run() {
  while (program_ && !ended()) processEventsOnce();
}

void WebPlatform::processEventsOnce() {
  const std::uint64_t start = beats_;
  while (beats_ == start && !ended()) await(false);
}

bool WebPlatform::await(bool modal) {
  // Hurried, most passes are a step and nothing more: a look at the page
  // (its clock, its inputs, the browser's turn) crosses into it and back,
  // which costs more than a step of the match itself.
  if (hurried() && !modal && !ended() && ++hurriedSteps_ < HurriedStepsBetweenLooks) {
    beat();
    return false;
  }
  hurriedSteps_ = 0;
  if (view_ && caughtUp()) {
    const bool building = !view_->shown();
    view_->sync();
    // Nothing showed while the page built the window: the time that took is
    // a pause, not steps owed.
    if (building) keepPace();
  } else {
    web_pause();  // catching up or hurrying, without a break of its own
  }
  web_wait(static_cast<double>(nextDue()));
  bool ok = false;
  int element = 0, entry = 0;
  // A handler may run passes of its own, which take the inputs queued after
  // its own and the heartbeats meanwhile.
  for (int kind; (kind = web_input(&element, &entry)) != 0;) {
    if (ended()) return ok;
    if (kind == static_cast<int>(Input::Ok))
      ok = true;
    else if (!modal)
      handle(kind, element, entry);
  }
  if (ended()) return ok;
  if (owed()) beat();
  return ok;
}

void WebPlatform::beat() {
  const std::uint64_t step = advance();
  ++beats_;
  if (program_) program_->heartbeat(step);
  follow();
}

// Once the match has kicked off, the page's address follows its clock; on
// the live channel it stays ?live, so that a reload tunes in again.
void WebPlatform::follow() {
  if (!program_ || ended() || live) return;
  const int second = program_->matchSecond();
  if (second == addressed_ || second == 0) return;
  if (addressed_ < 0) web_starts("");
  addressed_ = second;
  web_address(program_->matchLink(site_, second).c_str());
}

void WebPlatform::handle(int kind, int id, int entry) {
  if (!program_ || !view_) return;
  Element* e = view_->elementOf(id);
  if (kind == static_cast<int>(Input::Click) && e)
    program_->click(*e);
  else if (kind == static_cast<int>(Input::Choose) && e)
    program_->choose(*e, entry);
  else if (const std::vector<std::string> skits = program_->skits();
           kind == static_cast<int>(Input::Stage) && entry >= 0 &&
           entry < static_cast<int>(skits.size()))
    program_->stage(skits[static_cast<std::size_t>(entry)]);
  else if (kind == static_cast<int>(Input::Link))
    web_link(program_->matchLink(site_, program_->matchSecond()).c_str());
}

// The end notice offers the match again, from its lineups and from each of
// its moments; a start past the match's end is said beside it.
void WebPlatform::endProgram() {
  if (speaker_) speaker_->stop();
  if (view_) view_->sync();
  if (!program_) return web_end("", "");
  // On the live channel the next match follows (web/main.cpp).
  if (live && !program_->viewerLeft()) return;
  const std::string again = program_->matchLink(site_);
  if (!again.empty())
    for (const MatchMoment& m : program_->moments())
      web_moment(m.told.c_str(), m.second, program_->matchLink(site_, m.second).c_str());
  web_end(again.c_str(), program_->endedBeforeItsStart().c_str());
}

void WebPlatform::messageBox(const std::string& title, const std::string& text) {
  web_message(title.c_str(), text.c_str());
  while (!ended())
    if (await(true)) break;
}

int WebPlatform::screenWidth() { return web_screen_width() * TwipsPerPixel; }
int WebPlatform::screenHeight() { return web_screen_height() * TwipsPerPixel; }
