#pragma once
// What the files of Form16 share: a time of day as its boxes show it.
#include <string>

// The time of day of a day count (its fraction) as "hh:mm:ss", each field
// cut toward zero; leaves Main.Hours, Main.Minutes, Main.Seconds.
std::string form16TimeOfDay(double day);
