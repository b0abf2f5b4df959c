#pragma once
// Clock and system services used by the procedures and windows.
#include <functional>
#include <string>

double Timer();            // seconds since midnight, with fraction
std::string TimeText();    // time of day "hh:mm:ss"
std::string DateText();    // short date "dd.mm.yyyy"
double Rnd();              // uniform in [0, 1)
void Randomize(unsigned seed);
// A pause in milliseconds. Tests replace it so that no test waits.
void Sleep(int milliseconds);
std::function<void(int)> setSleepHandler(std::function<void(int)> handler);
