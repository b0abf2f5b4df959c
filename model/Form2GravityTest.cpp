// "текст теста": on every step of a model run the orbit view is redrawn and
// the gravity test of the pair (N1, N2) is printed over it: the lines that
// the right-hand side left in TextLines and, between them, the pair's
// direction angles, velocity shares, forces and rates of both directions,
// (N1, N2) in the upper half and (N2, N1) in the lower half.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"

namespace {

// Values as the test prints them: angles in degrees, truncated to 3, 1 or 0
// decimals, or in full.
std::string t3(double value) { return Str(truncateDecimals(value, 3)); }
std::string t1(double value) { return Str(truncateDecimals(value, 1)); }
std::string t0(double value) { return Str(Fix(value)); }
std::string degrees3(double radians) { return t3(radians * Main.kUgol); }
std::string degrees1(double radians) { return t1(radians * Main.kUgol); }
std::string degrees0(double radians) { return t0(radians * Main.kUgol); }

// label value label value ...
std::string joined(std::initializer_list<std::pair<const char*, std::string>> parts) {
  std::string text;
  for (const auto& [label, value] : parts) text += label + value;
  return text;
}

struct TestLine {
  double y;
  std::string text;
};

// The upper half shows the pair (i, k) = (N1, N2) with the labels of body 1
// and body 2 as they are; the lower half the pair (N2, N1) with the labels
// kept on N1 and N2.
std::vector<TestLine> gravityTestLines() {
  const int i = Main.N1, k = Main.N2;
  const std::string n1 = Str(Main.N1), n2 = Str(Main.N2);
  return {
      {11.8, Main.TextLines[1]},
      {11.0, Main.TextLines[2]},
      {10.2, Main.TextLines[3]},
      {9.4, Main.TextLines[4]},
      {8.6, joined({{"Betta12=  ", degrees3(Main.PairLatitude(i, k))},
                    {"               AlfaVX1=  ", degrees0(Main.AlfaVX[i])},
                    {"          AlfaVY1=  ", degrees0(Main.AlfaVY[i])},
                    {"          BettaVZ1=  ", degrees0(Main.BettaVZ[i])}})},
      {7.8, joined({{"Alfa12=   ", degrees3(Main.PairLongitude(i, k))},
                    {"             dAlfaVX1=  ", degrees1(Main.dAlfaVX1(i, k))},
                    {"        dAlfaVY1=  ", degrees1(Main.dAlfaVY1(i, k))},
                    {"        dBettaVZ1=  ", degrees1(Main.dBettaVZ1(i, k))}})},
      {7.0, joined({{"dV1=  ", t1(Main.SourceRadialVelocity(i, k))},
                    {"            dVX1=  ", t1(Main.dVX1(i, k))},
                    {"        dVY1=  ", t1(Main.dVY1(i, k))},
                    {"        dVZ1=  ", t1(Main.dVZ1(i, k))}})},
      {6.2, joined({{"                                dAlfaVX2=  ", degrees1(Main.dAlfaVX2(i, k))},
                    {"        dAlfaVY2=  ", degrees1(Main.dAlfaVY2(i, k))},
                    {"        dBettaVZ2=  ", degrees1(Main.dBettaVZ2(i, k))}})},
      {5.4, joined({{"dV2=  ", t1(Main.TargetRadialVelocity(i, k))},
                    {"              dVX2=  ", t1(Main.dVX2(i, k))},
                    {"        dVY2=  ", t1(Main.dVY2(i, k))},
                    {"        dVZ2=  ", t1(Main.dVZ2(i, k))}})},
      {4.6, joined({{"FX12= ", t0(Main.ForceX(i, k))}, {"     FY= ", t0(Main.ForceY(i, k))},
                    {"     FZ= ", t0(Main.ForceZ(i, k))}})},
      {3.8, joined({{"F12=   ", Str(Main.Force(i, k))},
                    {"   dV2-dV1=    ", Str(Main.TargetRadialVelocity(i, k) - Main.SourceRadialVelocity(i, k))},
                    {"     dR12=    ", Str(Main.RangeRate(i, k))}})},
      {3.0, Main.TextLines[5]},
      {1.8, Main.TextLines[10]},
      {1.0, Main.TextLines[9] + "   N1=  " + n1 + "  N2=  " + n2},
      {-0.5, Main.TextLines[15]},
      {-1.3, joined({{"F21=   ", Str(Main.Force(k, i))},
                     {"   dV1-dV2=    ", Str(Main.TargetRadialVelocity(k, i) - Main.SourceRadialVelocity(k, i))},
                     {"     dR21=    ", Str(Main.RangeRate(k, i))}})},
      {-2.1, joined({{"FX21= ", t0(Main.ForceX(k, i))}, {"     FY= ", t0(Main.ForceY(k, i))},
                     {"     FZ= ", t0(Main.ForceZ(k, i))}})},
      {-2.9, joined({{"dV1=  ", t1(Main.TargetRadialVelocity(k, i))},
                     {"                   dVX1=  ", t1(Main.dVX2(k, i))},
                     {"        dVY1=  ", t1(Main.dVY2(k, i))},
                     {"        dVZ1=  ", t1(Main.dVZ2(k, i))}})},
      {-3.7, joined({{"                                   dAlfaVX1=  ", degrees1(Main.dAlfaVX2(k, i))},
                     {"        dAlfaVY1=  ", degrees1(Main.dAlfaVY2(k, i))},
                     {"        dBettaVZ1=  ", degrees1(Main.dBettaVZ2(k, i))}})},
      {-4.5, joined({{"dV2=  ", t1(Main.SourceRadialVelocity(k, i))},
                     {"                 dVX2=  ", t1(Main.dVX1(k, i))},
                     {"        dVY2=  ", t1(Main.dVY1(k, i))},
                     {"        dVZ2=  ", t1(Main.dVZ1(k, i))}})},
      {-5.3, joined({{"Alfa21=   ", degrees3(Main.PairLongitude(k, i))},
                     {"                 dAlfaVX2=  ", degrees1(Main.dAlfaVX1(k, i))},
                     {"        dAlfaVY2=  ", degrees1(Main.dAlfaVY1(k, i))},
                     {"        dBettaVZ2=  ", degrees1(Main.dBettaVZ1(k, i))}})},
      {-6.1, joined({{"Betta21=  ", degrees3(Main.PairLatitude(k, i))},
                     {"                   AlfaVX2=  ", degrees0(Main.AlfaVX[k])},
                     {"          AlfaVY2=  ", degrees0(Main.AlfaVY[k])},
                     {"          BettaVZ2=  ", degrees0(Main.BettaVZ[k])}})},
      {-6.9, Main.TextLines[14]},
      {-7.7, Main.TextLines[13]},
      {-8.5, Main.TextLines[12]},
      {-9.3, Main.TextLines[11]},
  };
}

}  // namespace

void Form2::showGravityTest() {
  DrawOrbits();
  Picture1.setForeColor(RGB(250, 250, 250));
  for (const TestLine& line : gravityTestLines()) {
    Picture1.setCurrentX(-10);
    Picture1.setCurrentY(line.y);
    Picture1.Print(line.text);
  }
}
