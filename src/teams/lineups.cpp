#include "app/form1.h"

std::string Form1::RandomName() { return ""; }
void Form1::PrepareLineups() {}
void Form1::SetupPlayers() {}
