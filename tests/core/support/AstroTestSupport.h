#pragma once
// Test helpers for the calendars, coordinates and DE405 reader: the constants
// and tables that the start-up window sets before any procedure runs, a
// recorder of message boxes, and angle conversions for the textbook rows.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime/MessageBox.h"
#include "core/state/SharedState.h"

namespace astro_test {

// Fresh shared state with the start-up constants the procedures read.
inline void setStartupConstants() {
  resetSharedState();
  Main.Pi = 3.14159265359;
  Main.kUgol = 180.0 / Main.Pi;
  Main.Lae = 149597870691.0;          // astronomical unit of DE405, m
  Main.SecondsPerDay = 86400.0;
  Main.JD1900 = 2415020.0;
  Main.JD2000 = 2451545.0;
  Main.ObliquityJ2000 = 23.43929111 / Main.kUgol;
  Main.DE405BlockSize = 1020;
  // Record layout of DE405 (its header's table): first coefficient, coefficients
  // per component, days per sub-interval, items 1..11.
  const int layout[11][3] = {{3, 14, 8},   {171, 10, 16}, {231, 13, 16}, {309, 11, 32},
                             {342, 8, 32}, {366, 7, 32},  {387, 6, 32},  {405, 6, 32},
                             {423, 6, 32}, {441, 13, 4},  {753, 11, 16}};
  for (int item = 1; item <= 11; ++item) {
    Main.DE405CoefStart[item] = static_cast<int16_t>(layout[item - 1][0]);
    Main.DE405CoefCount[item] = static_cast<int16_t>(layout[item - 1][1]);
    Main.DE405SubDays[item] = static_cast<int16_t>(layout[item - 1][2]);
  }
  // Days per month: Julian/Gregorian calendars 0 and 1, Egyptian calendar 2
  // (twelve months of 30 days, the five extra days counted in month 12).
  const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    Main.MonthLength(0, month) = days[month - 1];
    Main.MonthLength(1, month) = days[month - 1];
    Main.MonthLength(2, month) = month == 12 ? 35 : 30;
  }
}

// Installs a responder that records every message box and answers OK; the
// previous handler comes back when the recorder goes.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder()
      : previous_(setMessageBoxHandler([this](const MessageBoxRequest& request) {
          boxes_.push_back(request);
          return MsgBoxResult::Ok;
        })) {}
  ~MessageBoxRecorder() { setMessageBoxHandler(std::move(previous_)); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  const std::vector<MessageBoxRequest>& boxes() const { return boxes_; }

 private:
  std::vector<MessageBoxRequest> boxes_;
  MessageBoxHandler previous_;
};

inline double hoursToDegrees(double hours, double minutes, double seconds) {
  return 15.0 * (hours + minutes / 60.0 + seconds / 3600.0);
}
inline double dmsToDegrees(double degrees, double minutes, double seconds) {
  const double sign = degrees < 0.0 ? -1.0 : 1.0;
  return sign * (std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0);
}
// Angle reduced to [0, 360).
inline double reduceDegrees(double degrees) {
  const double r = std::fmod(degrees, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}
// Julian centuries from J2000 of a Julian Day.
inline double centuriesFromJ2000(double julianDay) { return (julianDay - 2451545.0) / 36525.0; }

}  // namespace astro_test
