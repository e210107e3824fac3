#pragma once

#include <cstdint>
#include <string>

#include "app/elements.h"

class Form1;

// A country is the current texts of its row's three syllable lists: team 0
// reads Combo1(0..2), team 1 Combo1(3..5). Its name is the three run together.
std::string countryName(const Form1& form, int team);

// How many syllables list k of a row holds: its first syllables, middle
// syllables or endings.
int syllableCount(int list);

// A flag colour as the country tables store it (red + 256 x green +
// 65536 x blue), turned into the elements' 0xRRGGBB.
Color flagColor(std::int32_t stored);
