#pragma once
// Calendars, Julian Day, ET-UT and sidereal time: procedures of the shared
// module Main. The calendar in force is Main.CalendarMode (0 Julian up to
// 1582-10-04 and Gregorian from 1582-10-15, 1 Julian only, 2 Egyptian era of
// Nabonassar), the hour at which a civil day starts Main.DayStartHour (0 or
// 12). Results go to the shared date variables; each file's header says which
// ones. Only the two date conversions have an error trap of their own (they
// report through Main.DateErrorFlag = 1 and a box titled "Celvan7.0"); a
// run-time error in the others reaches the caller's trap.
#include <cstdint>

// --- Calendar date and Julian Day ---
// JulianDayFromDate.cpp
double JulianDayFromDate(double day, int32_t month, int32_t year);
// DateFromJulianDay.cpp
void DateFromJulianDay(double julianDay);
// NormalizeCalendarDate.cpp
void NormalizeCalendarDate(double day, int32_t month, int32_t year);
// DayFractionToHMS.cpp
void DayFractionToHMS(double day);

// --- Dates a run steps through (RunDates.cpp) ---
// isRunJulianDay: whether a run may stand on the Julian Day (|JD| at most
// timeconst::kLargestRunJulianDay).
bool isRunJulianDay(double julianDay);
// checkedDayStep: a step between the dates of a run, days, as typed.
// Returns:  the step
// Notes:    throws RuntimeError(InvalidCall) unless the step lies from
//           timeconst::kShortestDayStep to kLongestDayStep: a step of zero,
//           backwards, lost in the date or beyond every date (not a number
//           included) is refused before a run is started with it.
double checkedDayStep(double days);

// --- ET-UT, seconds (DeltaT.cpp) ---
double DeltaTParabola();
double DeltaTPiecewise();
double DeltaTForDependency(int16_t kind, double julianDay);
// Sets ET-UT law `kind` (1 or 2) as Form17's "Задать значения" does: the
// coefficients a (s), b (s per century), c (s per century squared) and the
// selector (±1 quadratic, ±2 piecewise, 0 none). The epoch stays in
// Main.ET1Epoch / Main.ET2Epoch.
void setDeltaTLaw(int16_t kind, double a, double b, double c, double selector);

// --- Sidereal time (GreenwichMeanSiderealTime.cpp) ---
double GreenwichMeanSiderealTime(double modifiedJulianDay);
