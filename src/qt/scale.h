#pragma once

// The window at a larger size. Qt's own high-dpi scaling draws every element,
// text, picture and widget F times larger and crisp, while the program goes on
// working in the design's twips and the view in the design's pixels: the scale
// is chosen once, before the window's application object exists.

#include <QSize>

struct Options;

// The nominal dialog frame around the window's client area, in pixels.
QSize designFrameSize();

// The largest scale at which `content` fits on `screen`, both in pixels.
double largestFit(QSize screen, QSize content);

// The scale a window of `client` pixels asked for at `requested` is drawn
// at, on a screen with `available` pixels free for windows: the request,
// reduced where the window would not fit to the largest scale that does (to
// a hundredth, so that it reads exactly), but never below 1, the design's
// size. Start-up centres the window by its outer size as designed, frame
// included, and so at the scale that outer size must fit.
double windowScale(QSize available, QSize client, double requested);

// The scale of the full-screen broadcast of `client` pixels on a screen of
// `screen` pixels: as large as the screen allows, the aspect kept.
double fullScreenScale(QSize screen, QSize client);

// Makes the application object created next draw everything `scale` times
// larger.
void useScale(double scale);

// For a run with a scale or full screen asked for: measures the primary screen
// with a first application object of its own, chooses the scale of the window
// of `client` pixels with the functions above, says on stderr in one line when
// a requested scale was reduced, and uses it. Without either option it
// changes nothing. Needs a display; `program` is the program's path.
void chooseScale(const Options& options, QSize client, char* program);
