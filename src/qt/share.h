#pragma once

// Passing a match on from the desktop: its link on the clipboard, its lines
// on standard output.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <string>

class Program;

// The standard copy key (Ctrl+C) copies the link of the match at the time the
// scoreboard shows, from the lineups on. The window's title says what was
// copied for a few seconds: it is the one place beside the broadcast that
// the desktop shows, so the window keeps exactly its design.
class ShareKey : public QObject {
 public:
  // On `window`, the window on the screen, for `program`.
  ShareKey(QWidget& window, const Program& program);

  // What the key does: true when a link went to the clipboard.
  bool copyLink();
  // Where the links lead; "" copies the code and time in words instead.
  void setSite(const QString& site) { site_ = site; }

 private:
  void say(const QString& what);

  QPointer<QWidget> window_;  // none once another program destroyed it
  const Program& program_;
  QString title_;
  QString site_;
  QTimer restore_;
};

// The site the copied links lead to, the build's setting: "" where the build
// names none, and the code and time are copied in words.
QString shareSite();

// Writes one line of the transcript to standard output at once, so that a
// reader of the pipe sees each line as it is shown.
void writeTranscriptLine(const std::string& line);
