#include "app/form1.h"

void Form1::FullCombos() {}
void Form1::RandCont1() {}
void Form1::RandCont2() {}
void Form1::Combo1_Click(int) {}
void Form1::Command1_Click(int) {}
void Form1::Command4_Click(int) {}
