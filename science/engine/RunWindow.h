#pragma once
// What the run loop of the model window needs of its window: the controls
// that steer the computation, the displays at the passages and the output
// passes, and the event pump. The model window implements it on its
// controls; the benchmarks and the physics tests use a headless one.
//
// The loop reads the controls at its entry and again right after every
// event pump: only there can a handler have changed them.

struct RunControls {
  bool sunAtOrigin = true;            // Check17 "Xsol=0"
  bool earthAtOrigin = false;         // Check19 "Xzem=0"
  bool centreOfMassAtOrigin = false;  // Check18 "Хцм=0"
  bool trackOrbit = true;             // Check4 "Найти показатели планеты №"
  bool gravityTestText = false;       // Check21 "текст теста"
  bool endAtYear = true;              // Check14 "эксперимент закончить в"
  bool writeCoordinates = false;      // Check2 "Записать координаты  X, Y, Z"
  bool energyBalance = false;         // Check12 "dEsys, dMsys, %"
  bool writeOrbitRecords = false;     // Check20 "Записать параметры орбиты в файл"
  bool imitatorNew0 = false;          // Option5 "New0" of the imitators
  bool imitatorJPL0 = true;           // Option9 "JPL0" of the imitators
};

class RunWindow {
 public:
  virtual ~RunWindow() = default;

  virtual RunControls readControls() = 0;
  // Rereads the step, the output rhythm, the scales, the experiment number
  // and the finite speed of gravity from the window into P00, NC0,
  // StepDivisor, MdAlfa, MT, Mx, FileNumber, PlotOffsetY and FiniteVgrFlag;
  // a box that holds no number throws a RuntimeError.
  virtual void rereadRunParameters() {}
  // Lets pending window events run; returns the number of open windows.
  virtual int letEventsRun() = 0;

  // Start of a run: the markers of the bodies at their present positions
  // are erased before the bodies move back to their initial data, and the
  // length of the stored-trace history is shown.
  virtual void eraseBodyMarkers() {}
  virtual void showHistoryLength() {}
  virtual void showStartEnergy() {}

  // Whether this output pass draws (shows the progress, the bodies, the
  // coordinates and the balance); `mustDraw` when it may be the run's last.
  // A window may draw less often than the passes come; the headless one
  // draws at every pass.
  virtual bool drawsThisPass(bool mustDraw) { return true; }
  // Output pass: model and real time, date, Julian Day and longitude; the
  // moving bodies; the coordinates of the followed body (or of the centre
  // of mass); the energy and angular-momentum balance.
  virtual void showProgress() {}
  virtual void animateBodies() {}
  virtual void showFollowedCoordinates() {}
  virtual void showCentreOfMass() {}
  virtual void showEnergyBalance() {}

  // Orbit tracking: a node measured (its date is in CalendarDay, CalendarMonth,
  // CalendarYear for an ascending node), the period of the second revolution,
  // the first perihelion passage, the elements and drifts of a passage, and
  // the perihelion passages counted (with the passage date).
  virtual void showNode(bool ascending) {}
  virtual void showReferencePeriod() {}
  virtual void showFirstPerihelion() {}
  virtual void showPassage() {}
  virtual void showPerihelionCount() {}

  // "текст теста": redraw the orbit view and print the gravity-test text.
  virtual void showGravityTest() {}

  // End of a run while a plan runs: hand the next experiment to the plan
  // window (it starts nested inside this call).
  virtual void handOverToPlan() {}
};
