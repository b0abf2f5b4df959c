#pragma once
// The constants and tables of the shared state that the start-up window sets
// before anything else runs, one procedure per step of its start-up, so that
// the start-up window and the tests of the procedures share one copy.

// MK, the diameters and SunRadius, JD1900, SecondsPerDay, sekG, the system
// velocity (zero), Lae, Pi, JD2000, Vsv, kUgol and ObliquityJ2000.
void setStartUpConstants();
// MonthLength of the Julian/Gregorian calendars (0 and 1) and of the Egyptian
// calendar (2: eleven months of 30 days, a twelfth of 35).
void setMonthLengths();
// ObservedShifts and ModelShifts cleared for planets 1..11 and shifts 1..6.
void clearShiftTables();
// DE405CoefStart, DE405CoefCount and DE405SubDays of items 1..11, and
// DE405BlockSize.
void setDE405RecordLayout();
// SiderealPeriod of objects 0..11, days.
void setSiderealPeriods();

// For tests of the procedures: a fresh shared state with every constant and
// table above, as after the start-up window's load.
void startWithStartUpState();
