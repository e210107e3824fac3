#include "text/alternatives.h"

namespace {

// A random 0-based position in a string of the given length, drawn as
// floor(r x length); 0 for the empty string.
std::size_t randomPosition(std::size_t length, Random& random) {
  auto p = static_cast<std::size_t>(random.next() * static_cast<float>(length));
  return p < length || length == 0 ? p : length - 1;
}

bool isCapital(char c) { return upperCase(c) == c; }

}  // namespace

char upperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperCase(std::string text) {
  for (char& c : text) c = upperCase(c);
  return text;
}

std::string lowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string OneOf(const std::string& list, Random& random) {
  if (list.find('*') == std::string::npos) return "";
  std::size_t p;
  do {
    p = randomPosition(list.size(), random);
  } while (list[p] != '*');
  std::size_t end = list.find('*', p + 1);
  if (end == std::string::npos) end = list.size();
  return list.substr(p + 1, end - p - 1);
}

std::string CapStr(const std::string& syllables, Random& random) {
  if (syllables.empty()) {
    random.next();  // the one draw that lands past the end
    return "";
  }
  bool anyCapital = false;
  for (char c : syllables) anyCapital = anyCapital || isCapital(c);
  if (!anyCapital) return "";
  std::size_t p;
  do {
    p = randomPosition(syllables.size(), random);
  } while (!isCapital(syllables[p]));
  std::size_t end = p + 1;
  while (end < syllables.size() && !isCapital(syllables[end])) ++end;
  return syllables.substr(p, end - p);
}
