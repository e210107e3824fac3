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

// What the command line asks for.
struct CommandLine {
  enum class Action { Run, ShowHelp, ShowVersion, Refuse };
  Action action = Action::Run;
  Options options;
  // The help or version text for stdout, or the one line of a refusal (without
  // its line break) for stderr.
  QString message;
};

// Reads the arguments, the program's path first. The usage line of the help
// names the program as the application object was started.
CommandLine readCommandLine(const QStringList& arguments);
