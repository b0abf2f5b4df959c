// The grid of Form1 (seven rows, one column per object 0..10) in its two
// modes, orbital elements and initial data, and the conversion of the date
// boxes to a Julian Day and back.
#include <array>
#include <cmath>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "setup/DateBoxes.h"
#include "setup/Form1.h"
#include "setup/Form1Texts.h"

namespace {

// A value shown truncated toward zero to at most six decimals of its unit
// (no fixed decimals, no trailing zeros): Fix(MK · value) / MK.
std::string truncatedText(double value) { return Str(Fix(Main.MK * value) / Main.MK); }

// The mean longitude of object i brought into 0..2pi in the shared table.
void reduceMeanLongitude(int i) {
  double& alfaL = Main.AlfaL[i];
  alfaL = alfaL - 2 * Fix(alfaL / 2 / Main.Pi) * Main.Pi;
  if (alfaL < 0) alfaL = alfaL + 2 * Main.Pi;
}

}  // namespace

// Option2_Click: the grid shows the orbital elements of objects
// 0..LastObjectIndex: degrees, thousands of km, radians per Julian year.
// Writes:   Main.AlfaL (reduced to 0..2pi); the grid
void Form1::Option2_Click() {
  ShowElementCaptions();
  const double kUgol = Main.kUgol;
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    reduceMeanLongitude(i);
    Text1[i].setText(truncatedText(Main.AlfaL[i] * kUgol));
    Text2[i].setText(Str(Fix(Main.Rsr[i]) / Main.MK));
    Text3[i].setText(truncatedText(Main.Wsr[i] * Main.sekG));
    Text4[i].setText(truncatedText(Main.Eks[i]));
    Text5[i].setText(truncatedText(Main.Betta[i] * kUgol));
    Text6[i].setText(truncatedText(Main.AlfaP[i] * kUgol));
    Text7[i].setText(truncatedText(Main.AlfaU[i] * kUgol));
  }
}

// Option3_Click: the grid shows the current coordinates (thousands of km,
// down to millimetres), velocities (m/s) and mass ratios of objects
// 0..LastObjectIndex. After an Earth-Moon split these are the Moon relative
// to the Earth, while the start tables hold the split.
void Form1::Option3_Click() {
  ShowInitialDataCaptions();
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    showInitialDataColumn(i);
    Text7[i].setText(truncatedText(Main.MassRatio[i]));
  }
}

void Form1::showInitialDataColumn(int i) {
  Text1[i].setText(Str(Fix(Main.MK * Main.X[i]) / Main.MK / Main.MK));
  Text2[i].setText(Str(Fix(Main.MK * Main.Y[i]) / Main.MK / Main.MK));
  Text3[i].setText(Str(Fix(Main.MK * Main.Z[i]) / Main.MK / Main.MK));
  Text4[i].setText(truncatedText(Main.VX[i]));
  Text5[i].setText(truncatedText(Main.VY[i]));
  Text6[i].setText(truncatedText(Main.VZ[i]));
}

void Form1::ShowElementCaptions() {
  Label1.setCaption("AlfaL, град");
  Label2.setCaption("R0sr, тыс.км");
  Label3.setCaption("W0sr, рад/год");
  Label4.setCaption("Eks");
  Label5.setCaption("Betta, град");
  Label6.setCaption("AlfaP, град");
  Label7.setCaption("AlfaU, град");
}

void Form1::ShowInitialDataCaptions() {
  Label1.setCaption("X, тыс.км");
  Label2.setCaption("Y, тыс.км ");
  Label3.setCaption("Z, тыс.км");
  Label4.setCaption("VX, м/с");
  Label5.setCaption("VY, м/с");
  Label6.setCaption("VZ, м/с");
  Label7.setCaption("mSol/mPl");
}

// Text28_Change: the trigger of other windows; shows the initial data.
void Form1::Text28_Change() { Option3_Click(); }

void Form1::refreshGrid() {
  if (Option2.Value()) Option2_Click();
  if (Option3.Value()) Option3_Click();
}

// Command17_Click "G->J": the date of the boxes, with a day count beyond
// its month carried into the following months, to its Julian Day.
// Reads:    Text34, Text33, Text32; Main.CalendarMode, Main.DayStartHour
// Writes:   Main.InputYear, InputMonth, InputDay, JD; the date boxes show the
//           carried date and Text24 its Julian Day
// Notes:    A box that is no number: "Задайте правильно данные" (title
//           "Celvan7m"). A date the date procedure refuses shows its message
//           and leaves Text24 as it was.
void Form1::Command17_Click() {
  withErrorTrap(form1text::kBadData, form1text::kTitle7m,
                [&] { showCarriedDateAndJulianDay(Text34, Text33, Text32, Text24); });
}

// Command18_Click "J->G": the Julian Day of Text24 to the calendar date in
// the date boxes.
// Reads:    Text24; Main.CalendarMode, Main.DayStartHour
// Writes:   Main.JD, CalendarYear, CalendarMonth, CalendarDay; the date boxes
// Notes:    A box that is no number: "Задайте правильно данные" (title
//           "Celvan7m"). A Julian Day the date procedure refuses shows its
//           message and leaves the date boxes as they were.
void Form1::Command18_Click() {
  withErrorTrap(form1text::kBadData, form1text::kTitle7m,
                [&] { showDateOfJulianDay(Text24, Text34, Text33, Text32); });
}
