#pragma once

#include <string>

class Form1;
struct Element;

// The name a listener hears for `element`, where its caption would not do:
// the "i." and "&Random" buttons and the syllable lists say whose country
// they concern, the three screens what they are. Empty for every other element.
std::string spokenNameOf(const Form1& form, const Element& element);
