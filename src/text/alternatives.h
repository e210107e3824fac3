#pragma once

#include <string>

#include "platform/random.h"

// Draws one alternative of an alternatives list: every '*' introduces one
// alternative, the text up to the next '*' or the end. Every separator is
// equally likely; text before the first separator is never drawn. A list
// without a separator yields "".
std::string OneOf(const std::string& list, Random& random);

// The program's texts are ASCII, and so is their capitalisation: only 'a' to
// 'z' and 'A' to 'Z' change case, the same in every locale (the C library's
// would follow the locale, where a Turkish 'i' does not rise to 'I').
char upperCase(char c);
std::string upperCase(std::string text);
std::string lowerCase(std::string text);

// Draws one syllable of a syllable string: a capital (a character that
// upper-casing leaves unchanged) and the non-capitals after it. Every capital
// is equally likely; the syllable comes back exactly as written. The empty
// string, or one without a capital, yields "".
std::string CapStr(const std::string& syllables, Random& random);
