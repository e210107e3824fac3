#pragma once

// The calls the program makes into the page around it (web/library.js hands
// them to the page's scripts, web/page/). Strings are UTF-8; positions and
// sizes are in design pixels, relative to the element's container.

#include <cstdint>

extern "C" {
// ---- The clock and the input ----------------------------------------------------
// The clock step the page's clock has reached (a paused tab stops it).
double web_step();
// Hands control to the browser until the clock reaches `step` or an input is
// queued; returns at once when either is already so.
void web_wait(double step);
// Takes the oldest queued input: returns its kind (0 when none is queued) and
// stores its element and entry.
int web_input(int* element, int* entry);
// The names the page queues inputs and stages skits by, before anything is
// queued: the inputs' names by number (Input, "" for none) and the skits'
// names by the entry of a staging, one a line each.
void web_names(const char* inputs, const char* skits);
// Hands control to the browser for a moment when the program has held it for
// long (the page decides), so that the page stays responsive during a long
// piece of work; returns at once otherwise.
void web_pause();
// The screen's size in pixels.
int web_screen_width();
int web_screen_height();

// ---- The window ----------------------------------------------------------------
// The window has been built and drawn whole for the first time: the page
// shows it.
void web_shown();
// Element `id` of `kind` ("panel", "label", "button", "list", "shape", "line"
// or "image") with its `role` ("commentary", "screen", "figure", "team",
// "score", "clock", "balloon", "speaker" or ""),
// inside element `container` (0, the window itself, has none); `name` and
// `index` are its design name and index. Elements of the same role come in
// design order: the home side's country and score before the away side's.
void web_create(int id, const char* kind, const char* role, int container, const char* name,
                int index);
// Where it lies and whether it shows; `z` orders it within its container. A
// shape lies where web_shape draws it.
void web_place(int id, int left, int top, int width, int height, int visible, int z);
void web_panel(int id, std::uint32_t back, int border, const char* toolTip, const char* picture,
               int pictureWidth, int pictureHeight);
void web_label(int id, const char* caption, int serif, int pixels, int bold, int italic,
               std::uint32_t fore, int opaque, std::uint32_t back, int align, int autoSize,
               int singleLine);
void web_button(int id, const char* caption, int serif, int pixels, int bold, int italic,
                int coloured, std::uint32_t back, int enabled, int tabIndex);
// `entries` holds one entry per line.
void web_list(int id, const char* entries, int chosen, int serif, int pixels, int bold, int italic,
              int tabIndex);
// The name a screen reader says for it, where its caption would not do.
void web_name(int id, const char* name);
// A shape as drawn (app/shape_drawing.h): in the box at (`left`, `top`) of
// `outline` ("box", "rounded" or "ellipse"), its border of `border` pixels
// inside the box, the inside filled or clear and hatched ("cross", "lines"
// or "") from (`hatchLeft`, `hatchTop`).
void web_shape(int id, int left, int top, int width, int height, const char* outline,
               double cornerRadius, double insideCornerRadius, int border,
               std::uint32_t borderColor, int filled, std::uint32_t fill, const char* hatch,
               std::uint32_t hatchColor, int hatchLeft, int hatchTop);
void web_line(int id, int x1, int y1, int x2, int y2, std::uint32_t color, int width);
void web_image(int id, const char* picture, int width, int height, int stretch);

// ---- The rest of the platform ----------------------------------------------------
void web_message(const char* title, const char* text);
// The broadcast has ended; `again` plays this match again from its lineups
// ("" where the match has no code); `why` says why it ended before the time
// the address asked for ("" where it did not).
void web_end(const char* again, const char* why);

// ---- Passing the match on ------------------------------------------------------
// The value of the page address's parameter `name` ("seed", "match", "at"), ""
// where it has none; the caller frees it.
char* web_parameter(const char* name);
// The page's own address without its parameters: where a match's links lead.
// The caller frees it.
char* web_site();
// A short notice on the page, such as why the match of the address is refused.
void web_notice(const char* text);
// What the lineups of a match joined at a time say until the kick-off
// ("Starts at 04:10 - press Go"); "" once the match has kicked off.
void web_starts(const char* text);
// The address of the match as it stands, from its kick-off on: the page's
// address carries it, so that a reload comes back to it.
void web_address(const char* link);
// The page says why the broadcast does not start.
void web_refuse(const char* why);
// The answer to the page's Share: the link to the match at the time the
// scoreboard shows, "" while there is no match to tell.
void web_link(const char* link);
// A moment of the match, for the end notice: what happened, as told ("The
// injury: the ambulance"), the match second it began at, and the link that
// starts the broadcast there.
void web_moment(const char* told, int second, const char* link);
// ---- The live channel (web/page/live.js) ----------------------------------------------
// Whether the address asks for the channel (?live).
int web_live_asked();
// Waits until the page has checked its clock against the site's.
void web_live_clock();
// The time now in UTC, in clock steps since 1970, by the device's clock as
// the site's corrects it.
double web_live_now();
// The page is tuned in to the channel, which plays the match of `code` now.
void web_live(const char* code);
// The voice.
void web_say(const char* line);
void web_stop_speaking();
int web_speaking();
}

// The inputs web_input() hands over, and their names as the page queues
// them, by number (web_names hands them over).
enum class Input { None = 0, Click = 1, Choose = 2, Ok = 3, Stage = 4, Link = 5 };
inline constexpr const char* InputNames[] = {"", "Click", "Choose", "Ok", "Stage", "Link"};
