#pragma once

class Form1;

// Draws one of the announcer's 33 asides and runs it.
void Aside(Form1& f);
