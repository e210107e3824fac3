#include "skits/script.h"

#include "app/form1.h"

namespace {

// The line with each of its alternatives lists replaced by one alternative,
// drawn now, from left to right. A list left open runs to the end.
std::string drawn(Form1& form, std::string_view text) {
  std::string line;
  for (auto open = text.find("{*"); open != std::string_view::npos; open = text.find("{*")) {
    line += text.substr(0, open);
    const auto close = text.find('}', open);
    line += form.OneOf(std::string(text.substr(open + 1, close - open - 1)));
    text.remove_prefix(close == std::string_view::npos ? text.size() : close + 1);
  }
  return line += text;
}

}  // namespace

std::string filled(std::string text, Markers markers) {
  for (const auto& [marker, value] : markers)
    for (auto at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size()))
      text.replace(at, marker.size(), value);
  return text;
}

void Say(Form1& form, const ScriptLine& line, Markers markers) {
  form.Announce2(drawn(form, filled(line.text, markers)));
  switch (line.after.kind) {
    case Pause::Kind::Delay:
      form.DelayMs(line.after.ms);
      break;
    case Pause::Kind::Wait:
      form.WaitMs(line.after.ms);
      break;
    case Pause::Kind::None:
      break;
  }
}

void Say(Form1& form, const Script& script, Markers markers) {
  for (const ScriptLine& line : script) Say(form, line, markers);
}
