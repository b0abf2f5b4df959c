// Runs whose output files and end states are compared byte for byte before
// and after a change that must not change any result
// (scripts/compare-outputs.sh). Each run works in the program folder given
// (the script lays the data tree there) and leaves there the files it wrote,
// "state.hex" (the shared tables and values it ends with, every number as
// the 16 hex digits of its bits) and "messages.txt" (the message boxes it
// showed, answered "No"). The headless runs also write "passes.hex": the
// state vector at every output pass.
//
//   output_runs default <folder>       the model window's default run, 1801
//                                      to 2000, with the orbit records and
//                                      the coordinates written
//   output_runs w<0..3> <folder> [years]  workload W (the Sun and planets by
//                                      JPL0 at J2000, one-hour steps, no step
//                                      reduction), default 100 years: w0
//                                      Newtonian, w1..w3 retardation DX1..DX3
//   output_runs w2-law5 <folder> [years]  workload W with retardation DX2
//                                      under the Л-В law (k1 = k2 = 1, the
//                                      kinematics at every stage), as the
//                                      plans over the model run set it;
//                                      default 10 years
//   output_runs observation <folder>   the observation window over the Mars
//                                      file (tests/fixtures/observations), the
//                                      trace, kept and rejected records and
//                                      the statistics written
//   output_runs eclipse-theory <folder>, eclipse-de405 <folder>
//                                      a day of the eclipse window from its
//                                      defaults at a one-minute step, the
//                                      contact and equinox reports written
//   output_runs twobody <folder>       the two-body right-hand side with the
//                                      finite-speed interval open, 20 000 steps
//   output_runs orbitcheck <folder>    the start-up window's orbit check of
//                                      Mercury, 200 passes
#include <QApplication>
#include <QTimer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "bench/EclipseDayRun.h"
#include "core/runtime/MessageBoxRecorder.h"
#include "core/runtime/ProgramFolder.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "model/Form2.h"
#include "observations/Form10.h"
#include "setup/Form1.h"
#include "tests/science/engine/SolarSystemSetup.h"
#include "tools/Form16.h"
#include "science/twobody/TwoBody.h"
#include "ui/Forms.h"
#include "ui/Runtime.h"
#include "ui/UserActions.h"

namespace {

namespace fs = std::filesystem;

fs::path fixturesFolder() { return CELVAN_FIXTURES_DIR; }

// An input file of the tests laid into the program folder with the time of
// its source, so that it does not count among the files the run wrote.
void copyInput(const fs::path& fixture, const fs::path& target) {
  const fs::path source = fixturesFolder() / fixture;
  fs::copy_file(source, target, fs::copy_options::overwrite_existing);
  fs::last_write_time(target, fs::last_write_time(source));
}

// Lines of names and the bits of the numbers they hold.
class HexWriter {
 public:
  explicit HexWriter(const fs::path& file) : out_(file, std::ios::binary) {}

  // Any table of doubles or a double: its bytes as 64-bit words.
  template <class T>
  void add(const char* name, const T& value) {
    static_assert(sizeof(T) % sizeof(double) == 0);
    out_ << name << ':';
    words(reinterpret_cast<const unsigned char*>(&value), sizeof(T) / sizeof(double));
    out_ << '\n';
  }
  void add(const char* name, int64_t value) { out_ << name << ": " << value << '\n'; }

  void line(const double* values, int count) {
    words(reinterpret_cast<const unsigned char*>(values), count);
    out_ << '\n';
  }

 private:
  void words(const unsigned char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      uint64_t bits;
      std::memcpy(&bits, bytes + i * sizeof(double), sizeof bits);
      char text[20];
      std::snprintf(text, sizeof text, " %016llx", static_cast<unsigned long long>(bits));
      out_ << text;
    }
  }
  std::ofstream out_;
};

// The shared values a run ends with.
void writeSharedState(const fs::path& folder) {
  HexWriter hex(folder / "state.hex");
  hex.add("X", Main.X);
  hex.add("Y", Main.Y);
  hex.add("Z", Main.Z);
  hex.add("VX", Main.VX);
  hex.add("VY", Main.VY);
  hex.add("VZ", Main.VZ);
  hex.add("X0", Main.X0);
  hex.add("Y0", Main.Y0);
  hex.add("Z0", Main.Z0);
  hex.add("VX0", Main.VX0);
  hex.add("VY0", Main.VY0);
  hex.add("VZ0", Main.VZ0);
  hex.add("StateVector", Main.StateVector);
  hex.add("StateDerivative", Main.StateDerivative);
  hex.add("LonL", Main.LonL);
  hex.add("LatB", Main.LatB);
  hex.add("RadiusVector", Main.RadiusVector);
  hex.add("AlfaP", Main.AlfaP);
  hex.add("AlfaU", Main.AlfaU);
  hex.add("AlfaL", Main.AlfaL);
  hex.add("Betta", Main.Betta);
  hex.add("Eks", Main.Eks);
  hex.add("Rsr", Main.Rsr);
  hex.add("Mass", Main.Mass);
  hex.add("PrecessionMatrix", Main.PrecessionMatrix);
  hex.add("JD", Main.JD);
  hex.add("JDut", Main.JDut);
  hex.add("ModelTime", Main.ModelTime);
  hex.add("ElapsedTime", Main.ElapsedTime);
  hex.add("TheoryT", Main.TheoryT);
  hex.add("GeneralPrecession", Main.GeneralPrecession);
  hex.add("AlfaPCurrent", Main.AlfaPCurrent);
  hex.add("AlfaUCurrent", Main.AlfaUCurrent);
  hex.add("BettaCurrent", Main.BettaCurrent);
  hex.add("EksCurrent", Main.EksCurrent);
  hex.add("Period", Main.Period);
  hex.add("Esys", Main.Esys);
  hex.add("MKDsys", Main.MKDsys);
  hex.add("Vpl", Main.Vpl);
  hex.add("Vsol", Main.Vsol);
  hex.add("HourAngle", Main.HourAngle);
  hex.add("LocalSiderealTime", Main.LocalSiderealTime);
  hex.add("Altitude", Main.Altitude);
  hex.add("RevolutionCount", int64_t{Main.RevolutionCount});
  hex.add("StepCounter", int64_t{Main.StepCounter});
}

void writeMessageBoxes(const fs::path& folder, const MessageBoxRecorder& boxes) {
  std::ofstream out(folder / "messages.txt", std::ios::binary);
  for (const MessageBoxRequest& box : boxes.boxes()) out << box.title << ": " << box.text << '\n';
}

// --- Runs through the windows ---

void defaultModelRun() {
  form1().Show();
  ui::clickAsUser(form1().Command1);
  Form2& form = form2();
  form.Show();
  ui::clickAsUser(form.Check20);
  ui::clickAsUser(form.Check2);
  ui::clickAsUser(form.Command1);
}

void observationRun(const fs::path& folder) {
  startWithStartUpState();
  fillDesignColumns();  // the plan window builds its default plan at its load
  copyInput(fs::path("observations") / "GREN4_G_100.txt", folder / "Obs" / "GREN4_G_100.txt");
  Form10& form = form10();
  form.Show();
  ui::clickAsUser(form.Option2);
  ui::typeAsUser(form.Text1, "4");
  ui::clickAsUser(form.Option9[1]);
  ui::typeAsUser(form.Text65, "2004");
  for (ui::CheckBox* box : {&form.Check13, &form.Check21, &form.Check22})
    if (box->Value() != 1) ui::clickAsUser(*box);
  ui::clickAsUser(form.Command1);
  ui::clickAsUser(form.Command15);
}

// A day of the eclipse window at a one-minute step.
void eclipseDay(const fs::path& folder, bool de405) {
  startWithStartUpState();
  copyInput(fs::path("de405-2004-2006") / "JPL" / "ascp2000.405", folder / "JPL" / "ascp2000.405");
  Form16& form = form16();
  form.Show();
  ui::clickAsUser(form.Option9[de405 ? 3 : 2]);
  ui::typeAsUser(form.Text26, "0,000694444444444444");
  for (ui::CheckBox* box : {&form.Check13, &form.Check30})
    if (box->Value() != 1) ui::clickAsUser(*box);
  bench::runForADay(form, [&] { ui::clickAsUser(form.Command1); });
}

// "Проверить параметры орбиты" for Mercury, stopped at its first pass, then
// "сделать NC0 шагов" pass by pass.
void orbitCheck() {
  Form1& form = form1();
  form.Show();
  ui::clickAsUser(form.Option1[1]);
  QTimer::singleShot(0, [&form] { ui::clickAsUser(form.Command5); });
  ui::clickAsUser(form.Command13);
  for (int pass = 0; pass < 200; ++pass) ui::clickAsUser(form.Command7);
}

// --- Runs without a window ---

void workloadW(const fs::path& folder, int retardation, double years, int law = 0) {
  solar::placePlanetsByJPL0();
  Main.StepDivisor = 1;
  if (retardation != 0) {
    Main.FiniteVgrFlag = 1;
    Main.kodDX = static_cast<int16_t>(retardation);
  }
  if (law != 0) {
    Main.kodPgr = static_cast<int16_t>(law);
    Main.kPgr1 = 1;
    Main.kPgr2 = 1;
    Main.EveryStageKinematicsFlag = 1;
  }
  HexWriter passes(folder / "passes.hex");
  solar::Experiment experiment;
  experiment.start();
  experiment.runYears(years, 1000, [&] { passes.line(Main.StateVector.data(), 66); });
}

// A pulsar-like pair on an eccentric orbit with the interval of the finite
// speed of gravity open: drag, the analytical tangential force on both
// bodies and the retardation of the attracting body.
void twoBodyRun(const fs::path& folder) {
  startWithStartUpState();
  Main.gamma = 66.7259e-12;
  Main.Vgr = 299792458;
  Main.FiniteVgrFlag = 1;
  Main.kPgr1 = 1e9;
  Main.SelectedObject = 11;
  Main.SecondObject = 0;
  Main.Mass[11] = 2.8e30;
  Main.Mass[0] = 2.7e30;
  const double state[12] = {-9.6e8, 0, 0, 9.3e8, 0, 0, 0, -2.2e5, 0, 0, 2.27e5, 1e3};
  for (int j = 0; j < 12; ++j) Main.StateVector[j + 1] = state[j];
  const twobody::ForceOptions options{true, twobody::FtMode::Analytically, false, true, 0, 1e-12};
  HexWriter passes(folder / "passes.hex");
  for (int step = 1; step <= 20000; ++step) {
    twobody::rungeKuttaStep(2, options);
    if (step % 100 == 0) passes.line(Main.StateVector.data(), 13);
  }
}

int usage() {
  std::fprintf(stderr,
               "usage: output_runs default|w0|w1|w2|w3|w2-law5|observation|eclipse-theory|eclipse-de405|twobody|orbitcheck "
               "<program folder> [years of a W run]\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) return usage();
  const std::string run = argv[1];
  const fs::path folder = fs::absolute(argv[2]);
  if (std::getenv("DISPLAY") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ui::installRuntime(application);
  ui::endProcessWithLastForm(false);
  MessageBoxRecorder boxes;
  setProgramFolder(folder.string());

  if (run == "default") defaultModelRun();
  else if (run.size() == 2 && run[0] == 'w' && run[1] >= '0' && run[1] <= '3')
    workloadW(folder, run[1] - '0', argc > 3 ? std::atof(argv[3]) : 100);
  else if (run == "w2-law5") workloadW(folder, 2, argc > 3 ? std::atof(argv[3]) : 10, 5);
  else if (run == "observation") observationRun(folder);
  else if (run == "eclipse-theory" || run == "eclipse-de405") eclipseDay(folder, run == "eclipse-de405");
  else if (run == "twobody") twoBodyRun(folder);
  else if (run == "orbitcheck") orbitCheck();
  else return usage();

  writeSharedState(folder);
  writeMessageBoxes(folder, boxes);
  ui::unloadAllForms();
  return 0;
}
