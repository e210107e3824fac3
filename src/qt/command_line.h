#pragma once

// The program's command line and its name as the desktop knows it.

#include <QString>
#include <QStringList>

#include "platform/options.h"

// Sets the application's name, version and desktop file name before the
// application object exists. The desktop file name is the reverse-DNS id that
// the menu entry, the icon and the metadata share, so that the desktop ties
// the running window to them.
void setApplicationIdentity();

// For tests only: a UTC time (2026-12-24T20:05:00Z) at which --live's
// channel clock starts instead of the system's.
inline constexpr const char* LiveTestClock = "BLUNDERFEST_TEST_UTC";

// What the command line asks for.
struct CommandLine {
  enum class Action { Run, ShowHelp, ShowVersion, Refuse };
  Action action = Action::Run;
  Options options;
  // The help or version text for stdout, or the one line of a refusal (without
  // its line break) for stderr.
  QString message;
};

// A value from outside (an argument, a variable of the environment) as a
// one-line message quotes it: every character that does not print (a line
// break, a terminal's escape) written as \xHH or \uHHHH, and a long value cut
// short with "...".
QString printable(const QString& value);

// Reads the arguments, the program's path first. The usage line of the help
// names the program as the application object was started.
CommandLine readCommandLine(const QStringList& arguments);

// The program's arguments as given: UTF-8, a leading byte-order mark kept
// (the toolkit's own list drops it), so that a value is refused or taken as
// the simulator and the page take the same bytes.
QStringList argumentsOf(int argc, char** argv);
