#pragma once

#include <string>

#include "platform/random.h"

// Draws one alternative of an alternatives list: every '*' introduces one
// alternative, the text up to the next '*' or the end. Every separator is
// equally likely; text before the first separator is never drawn. A list
// without a separator yields "".
std::string OneOf(const std::string& list, Random& random);

// Draws one syllable of a syllable string: a capital (a character that
// upper-casing leaves unchanged) and the non-capitals after it. Every capital
// is equally likely; the syllable comes back exactly as written. The empty
// string, or one without a capital, yields "".
std::string CapStr(const std::string& syllables, Random& random);
