// What a run shows in the model window, and the controls it reads: the
// RunWindow that ModelRun calls at the start, at the passages of the
// followed body and at every output pass.
#include <cmath>
#include <string>

#include "core/runtime/Clock.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "statistics/Form15.h"

namespace {

constexpr double kSideViewOffset = 11;  // side view above the plan view, units
constexpr int32_t kBlack = 0;

// Text of a value truncated to 6 decimals, Fix(v·MK)/MK.
std::string sixDecimals(double value) { return Str(truncateDecimals(value, 6)); }
// Text of a distance in thousands of km, whole metres: Fix(metres)/MK.
std::string thousandKm(double metres) { return Str(Fix(metres) / Main.MK); }

int32_t bodyColour(int body, double factor) {
  return RGB(CInt(Main.ColorR[body] * factor), CInt(Main.ColorG[body] * factor), CInt(Main.ColorB[body] * factor));
}

}  // namespace

RunControls Form2::readControls() {
  RunControls c;
  c.sunAtOrigin = Check17.Value() == 1;
  c.earthAtOrigin = Check19.Value() == 1;
  c.centreOfMassAtOrigin = Check18.Value() == 1;
  c.trackOrbit = Check4.Value() != 0;
  c.gravityTestText = Check21.Value() == 1;
  c.endAtYear = Check14.Value() == 1;
  c.writeCoordinates = Check2.Value() == 1;
  c.energyBalance = Check12.Value() == 1;
  c.writeOrbitRecords = Check20.Value() == 1;
  c.imitatorNew0 = Option5.Value();
  c.imitatorJPL0 = Option9.Value();
  return c;
}

void Form2::rereadRunParameters() {
  Main.P00 = CDbl(Text38.Text());
  Main.NC0 = CInt(Text37.Text());
  Main.StepDivisor = CInt(Text39.Text());
  Main.MdAlfa = CDbl(Text5.Text());
  Main.MT = CDbl(Text9.Text());
  Main.Mx = CDbl(Text21.Text());
  Main.FileNumber = CInt(Text8.Text());
  Main.PlotOffsetY = static_cast<float>(CDbl(Text36.Text()));
  Main.FiniteVgrFlag = Check13.Value() == 1 ? 1 : 0;
}

// The run goes on while this window is loaded and any window is open.
int Form2::letEventsRun() {
  const int open = DoEvents();
  return isLoaded() ? open : 0;
}

// A run draws at most about 30 times a second, and at every pass that may
// be its last: drawing every body and box at every output pass would cost
// as much as the computing, for more pictures than an eye can see.
bool Form2::drawsThisPass(bool mustDraw) { return drawingPace_.drawsThisPass(mustDraw); }

// One body's markers: the plan and side views of Picture1 relative to the
// centre, and the overview.
void Form2::drawBodyMarker(int body, double x, double y, double z, double centreX, double centreY, double centreZ,
                           int32_t colour, double overviewX, double overviewY, double overviewRadius) {
  const double px = (x - centreX) / Main.ImageScale;
  Picture1.setFillColor(colour);
  Picture1.Circle(px, (y - centreY) / Main.ImageScale, 0.06, colour);
  Picture1.Circle(px, (z - centreZ) / Main.ImageScale + kSideViewOffset, 0.06, colour);
  Picture2.setFillColor(colour);
  Picture2.Circle(overviewX / Main.OverviewScale, overviewY / Main.OverviewScale, overviewRadius, colour);
}

void Form2::eraseBodyMarkers() {
  const int c = Main.SecondObject;
  for (int i = 0; i <= Main.LastObjectIndex; ++i)
    drawBodyMarker(i, Main.X[i], Main.Y[i], Main.Z[i], Main.X[c], Main.Y[c], Main.Z[c], kBlack, Main.X[i], Main.Y[i],
                   0.04);
}

void Form2::showHistoryLength() {
  Picture1.setForeColor(RGB(250, 250, 250));
  Picture1.setCurrentX(-9.5);
  Picture1.setCurrentY(1.5);
  Picture1.Print("массив для DX3= " + Str(Main.HistoryPoints));
}

void Form2::showStartEnergy() {
  Picture1.setForeColor(RGB(250, 250, 250));
  const struct {
    double x, y;
    std::string text;
  } lines[] = {
      {-9.5, -7.5, "потенциальная энергия измеряется от нулевого уровня и в начале равна нулю"},
      {1.5, -8, "для имитаторов, как и для моделей,"},
      {-9, -8.5, "E0sys (Дж)=              " + Str(Main.E0sys) + "      X0i и VX0i заданны на форме 1, а"},
      {-9, -9, "M0sys (кг*м^2/с) =   " + Str(Main.M0sys) + "      массы планет заданы здесь опять"},
  };
  for (const auto& line : lines) {
    Main.ScratchText2 = line.text;
    Picture1.setCurrentX(line.x);
    Picture1.setCurrentY(line.y);
    Picture1.Print(Main.ScratchText2);
  }
}

// The model time is that of the state the run has reached.
void Form2::showProgress() {
  Text1.setText(Str(truncateDecimals(Main.ModelTime / Main.sekG, 2)));
  Text50.setText(Str(truncateDecimals((static_cast<float>(Timer()) - Main.StartTimer) / 3600, 3)));
  Text44.setText(Str(Main.CalendarYear));
  Text43.setText(Str(Main.CalendarMonth));
  Text42.setText(Str(Main.CalendarDay));
  Text14.setText(Str(Main.JD));
  Text2.setText(Str(truncateDecimals(Main.RelativeLongitude[Main.SelectedObject], 3)));
}

// "Анимация": the bodies move on both views; without "Траектории " their
// previous markers are erased first. A body below the ecliptic is drawn at
// half brightness.
void Form2::animateBodies() {
  if (Check3.Value() != 1) return;
  const int c = Main.SecondObject;
  if (Check1.Value() != 1)
    for (int i = 0; i <= Main.LastObjectIndex; ++i)
      drawBodyMarker(i, Main.Xsled[i], Main.Ysled[i], Main.Zsled[i], Main.Xsled[c], Main.Ysled[c], Main.Zsled[c],
                     kBlack, Main.Xsled[i], Main.Ysled[i], 0.05);
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    Main.Xsled[i] = Main.X[i];
    Main.Ysled[i] = Main.Y[i];
    Main.Zsled[i] = Main.Z[i];
    Main.ColorFactor = Main.Z[i] < 0 ? 0.5f : 1.0f;
    drawBodyMarker(i, Main.X[i], Main.Y[i], Main.Z[i], Main.X[c], Main.Y[c], Main.Z[c], bodyColour(i, Main.ColorFactor),
                   Main.X[i] - Main.X[0], Main.Y[i] - Main.Y[0], 0.05);
  }
}

// x of the graphs: the model time in units of MT years, from −10.
double Form2::graphTime() const { return Main.ModelTime / Main.sekG / Main.MT - 10; }

// X, Y, Z in thousands of km into their boxes, and points on the graphs of
// the ticked ones.
void Form2::plotCoordinates(double x, double y, double z) {
  const double values[3] = {x / Main.MK, y / Main.MK, z / Main.MK};
  ui::TextBox* boxes[3] = {&Text11, &Text12, &Text30};
  ui::CheckBox* plots[3] = {&Check5, &Check6, &Check7};
  const int32_t colours[3] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 250, 0)};
  for (int k = 0; k < 3; ++k) {
    boxes[k]->setText(Str(values[k]));
    if (plots[k]->Value() == 1) Picture1.PSet(graphTime(), values[k] / Main.Mx + Main.PlotOffsetY, colours[k]);
  }
}

void Form2::showFollowedCoordinates() {
  const int s = Main.SelectedObject, c = Main.SecondObject;
  plotCoordinates(Main.X[s] - Main.X[c], Main.Y[s] - Main.Y[c], Main.Z[s] - Main.Z[c]);
}

void Form2::showCentreOfMass() { plotCoordinates(Main.X[14], Main.Y[14], Main.Z[14]); }

void Form2::showEnergyBalance() {
  const double energy = (Main.Esys - Main.E0sys) * 100 / Main.E0sys;
  const double momentum = (Main.MKDsys - Main.M0sys) * 100 / Main.M0sys;
  Picture1.setFillColor(RGB(255, 0, 0));
  Picture1.Circle(graphTime(), energy / Main.Mx + Main.PlotOffsetY, 0.02, RGB(255, 0, 0));
  Picture1.setFillColor(RGB(0, 0, 255));
  Picture1.Circle(graphTime(), momentum / Main.Mx + Main.PlotOffsetY, 0.02, RGB(0, 0, 255));
  Text19.setText(Str(energy));
  Text41.setText(Str(momentum));
}

void Form2::showNode(bool ascending) {
  Text24.setText(sixDecimals(Main.AlfaUCurrent));
  Text23.setText(sixDecimals((Main.AlfaUCurrent - Main.AlfaUPrevious) * 3600));
  if (!ascending) return;
  Text33.setText(Str(Main.CalendarYear));
  Text32.setText(Str(Main.CalendarMonth));
  Text31.setText(Str(Main.CalendarDay));
}

void Form2::showReferencePeriod() { Text48.setText(sixDecimals(Main.Period)); }

void Form2::showFirstPerihelion() {
  Text3.setText(sixDecimals(Main.AlfaPCurrent));
  Text4.setText(sixDecimals(Main.AlfaPCurrent));
}

// The elements of a passage: the references while the first revolution
// ends, the current values and their drifts, and the drifts on the graphs.
void Form2::showPassage() {
  const int s = Main.SelectedObject;
  if (Main.RevolutionCount == 1) {
    Text7.setText(sixDecimals(Main.AlfaUPrevious));
    Text6.setText(sixDecimals(Main.BettaPrevious * Main.kUgol));
    Text20.setText(sixDecimals(Main.EksPrevious));
    Text46.setText(thousandKm(Main.RefRadius));
  }
  const double drifts[6] = {(Main.AlfaPCurrent - Main.AlfaPPrevious) * 3600,
                            (Main.AlfaUCurrent - Main.AlfaUPrevious) * 3600,
                            (Main.BettaCurrent - Main.BettaPrevious) * Main.kUgol * 3600,
                            Main.EksCurrent - Main.EksPrevious,
                            Main.RadiusVector[s] - Main.RefRadius,
                            Main.Period - Main.PrevPeriod};
  Text4.setText(sixDecimals(Main.AlfaPCurrent));
  Text25.setText(sixDecimals(drifts[0]));
  Text22.setText(sixDecimals(Main.BettaCurrent * Main.kUgol));
  Text16.setText(sixDecimals(drifts[2]));
  Text18.setText(sixDecimals(Main.EksCurrent));
  Text29.setText(sixDecimals(drifts[3]));
  Text47.setText(thousandKm(Main.RadiusVector[s]));
  Text10.setText(thousandKm(drifts[4]));
  Text49.setText(sixDecimals(Main.Period));
  Text15.setText(sixDecimals(drifts[5]));

  const double plotted[6] = {drifts[0] / Main.MdAlfa, drifts[1] / Main.MdAlfa, drifts[2] / Main.MdAlfa,
                             drifts[3] * Main.Mx,     drifts[4] / Main.MK / Main.Mx, drifts[5]};
  ui::CheckBox* boxes[6] = {&Check8, &Check9, &Check10, &Check11, &Check15, &Check16};
  for (int k = 0; k < 6; ++k)
    if (boxes[k]->Value() == 1) Picture1.PSet(graphTime(), plotted[k] + Main.PlotOffsetY, bodyColour(s, 1.0));
}

void Form2::showPerihelionCount() {
  Text34.setText(Str(Main.RevolutionCount));
  Text28.setText(Str(Main.CalendarYear));
  Text27.setText(Str(Main.CalendarMonth));
  Text26.setText(Str(Main.CalendarDay));
}

// The plan window takes the next experiment when a run of a plan ends: its
// trigger box is written with the time of day, and the next run starts
// nested inside that write.
void Form2::handOverToPlan() { form15().Text3.setText(Str(Timer())); }
