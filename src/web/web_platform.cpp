#include "web/web_platform.h"

#include "app/form1.h"
#include "web/page.h"
#include "web/web_view.h"

namespace {

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

void WebPlatform::attach(Form1& form, WebView& view) {
  form_ = &form;
  view_ = &view;
  lastBeat_ = currentStep();
}

void WebPlatform::giveVoice() { speaker_ = std::make_unique<PageSpeaker>(); }

std::uint64_t WebPlatform::currentStep() const { return static_cast<std::uint64_t>(web_step()); }

void WebPlatform::run() {
  while (form_ && !form_->ended()) processEventsOnce();
}

void WebPlatform::processEventsOnce() {
  const std::uint64_t start = beats_;
  while (beats_ == start && !(form_ && form_->ended())) await(false);
}

bool WebPlatform::await(bool modal) {
  if (view_) view_->sync();
  web_wait(static_cast<double>(lastBeat_ + 1));
  bool ok = false;
  int element = 0, entry = 0;
  // A handler may run passes of its own, which take the inputs queued after
  // its own and the heartbeats meanwhile.
  for (int kind; (kind = web_input(&element, &entry)) != 0;) {
    if (form_ && form_->ended()) return ok;
    if (kind == static_cast<int>(Input::Ok))
      ok = true;
    else if (!modal)
      handle(kind, element, entry);
  }
  if (form_ && form_->ended()) return ok;
  const std::uint64_t step = currentStep();
  if (step > lastBeat_) {
    lastBeat_ = step;
    ++beats_;
    if (form_) form_->heartbeat(step);
  }
  return ok;
}

void WebPlatform::handle(int kind, int id, int entry) {
  if (!form_ || !view_) return;
  Element* e = view_->elementOf(id);
  if (kind == static_cast<int>(Input::Click) && e && e->kind == Kind::Button)
    form_->click(static_cast<Button&>(*e));
  else if (kind == static_cast<int>(Input::Choose) && e && e->kind == Kind::List)
    form_->choose(static_cast<List&>(*e), entry);
  else if (kind == static_cast<int>(Input::Stage) && entry >= 0 &&
           entry <= static_cast<int>(Skit::Interject))
    form_->stage(static_cast<Skit>(entry));
}

void WebPlatform::endProgram() {
  if (speaker_) speaker_->stop();
  if (view_) view_->sync();
  web_end();
}

void WebPlatform::messageBox(const std::string& title, const std::string& text) {
  web_message(title.c_str(), text.c_str());
  while (!(form_ && form_->ended()))
    if (await(true)) break;
}

int WebPlatform::screenWidth() { return web_screen_width() * TwipsPerPixel; }
int WebPlatform::screenHeight() { return web_screen_height() * TwipsPerPixel; }

// As the desktop has it before its window shows: the client area and a
// nominal dialog frame, so that start-up centres the panels exactly there.
int WebPlatform::windowOuterWidth() {
  return static_cast<int>(form_ ? form_->Form.width : 0) + NominalFrameWidth;
}

int WebPlatform::windowOuterHeight() {
  return static_cast<int>(form_ ? form_->Form.height : 0) + NominalFrameHeight;
}
