#pragma once
// The shared state of the two shared modules: `Main` (bodies, elements,
// dates, model options, run control, DE405 reader, observer chain, statistics
// sample, the working state of a model run) and `Stat` (the experiment plan
// and its regression). One instance of each for the process; every window
// and procedure reads and writes them directly. Everything starts at zero or
// empty; the start-up window's load handler sets the constants and tables.
// resetSharedState() brings both back to that start, for tests.
#include <cstdint>
#include <string>

#include "core/state/Tables.h"

struct MainModule {

  // --- Object numbering, loop counters and selections ---
  // The object on which the procedures of Main act (their implicit argument: the element
  // theories, PositionFromElements, VelocityFromElements and the coordinate routines read it).
  // The same variable is the loop counter of nearly every loop over objects in every window and
  // in Main and Stat, so it holds a meaningful object only right after it is set; a caller sets
  // it immediately before each call.
  int16_t CurrentObject{};
  // Second loop counter shared by all windows; in the pair loops of the right-hand sides it is
  // the second body k of the pair (CurrentObject, k).
  int16_t LoopIndexK{};
  // Long loop counter shared by all windows (state-vector indices, light-time passes, file
  // rows); also receives single numbers read from files. Nested users must not overlap.
  int32_t LoopIndexJ{};
  // Iteration counter: passes of the retarded-distance iteration, the coefficient count of a
  // DE405 block, row counters of file readers.
  int16_t IterIndex{};
  // Object chosen in a window ("объект №", "планета №"): the followed body of a model run and of
  // the orbit checks, the body of the observation and statistics windows (11 = Moon). While the
  // parameter file is read it receives the object-number column, which is not used further.
  int32_t SelectedObject{};
  // Centre of a pair: the central body of VelocityFromElements (0 = Sun; the procedure resets it
  // to 0); in Form2 the body relative to which the followed orbit is measured (15 = origin of
  // coordinates, the default; 0 = Sun; 3 = Earth).
  int32_t SecondObject{};
  // Object number passed by reference to EvaluateDE405Body; object number inside file names of
  // Form2; loop counter of the DE405 loading
  int32_t BodyNumber{};
  // Number of the last body of the model: 10 (eleven bodies 0..10, 66 equations). Set at start-
  // up; bound of every loop over the bodies of the model.
  int16_t LastObjectIndex{};
  // Last index of the n-body state vector: 6 × LastObjectIndex + 5 = 65. Set at start-up and
  // again by every activation of Form1. Also a curve switch of Form26; Form25's load handler
  // sets it to 0, so it holds 65 only after Form1 has been activated again.
  int16_t LastStateIndex{};
  // 1 when object i is ticked in Form1's check-box array Check2 and takes part in the model,
  // else 0 (objects 0..10 are maintained; 11 and 12 stay 0).
  Table1<int16_t, 12> ObjectIncluded;
  // Element (i, k) = 1 when objects i and k are both ticked, so that they attract each other,
  // else 0; the diagonal (i, i) is 1 for every ticked object; maintained for 0..10.
  Table2<int16_t, 12, 12> PairIncluded;
  // Number of ticked objects among 0..10.
  int16_t IncludedCount{};
  // The two bodies of the pair under test on Form7 and in Form2's gravity-test text (Form2's
  // load sets 1 and 2). Shared scratch elsewhere (curve switches of Form26, numbers typed in
  // Form6, Form13, Form18).
  int32_t N1{};
  int32_t N2{};
  // Shared scratch Long (a curve switch of Form26, numbers read from text boxes in Form6,
  // Form10, Form15, a flag of Form16).
  int32_t LongScratch{};
  // Answer of the Yes/No message boxes of Form6 and Form13 (6 = Yes, 7 = No); a 0/1 flag in
  // Form6 and Form18.
  int16_t MsgBoxAnswer{};
  // Form16's "+обновить" state (1 set, 2 after the first refresh); group index in Form6; scratch
  // in Form10.
  int16_t RefreshFlag{};

  // --- State vector and Runge-Kutta work arrays ---
  // State Y of the integrated equations. In the n-body model (N = LastObjectIndex = 10): X of
  // objects 0..10 at indices 0..10, Y at 11..21, Z at 22..32, VX at 33..43, VY at 44..54, VZ at
  // 55..65 (m, m/s); indices 66..69 are spare. The two-body integrators (orbit checks of Form1
  // and Form20, Form25) use indices 1..12 for the coordinates and velocities of their two bodies
  // (each user states its order).
  Table1<double, 69> StateVector;
  // dY/dt of StateVector, filled by the right-hand sides (Diffur, DiffurOTO, TwoBodyDerivatives,
  // Form25's own); after a Runge-Kutta step Form2's run loop stores the weighted mean of the
  // four stages in elements 33..65 (the accelerations), elements 0..32 keeping the values of the
  // last stage. Scratch of Form13.
  Table1<double, 66> StateDerivative;
  // Copy Y0 of StateVector at the start of a Runge-Kutta step.
  Table1<double, 66> StepStartState;
  // Increments K = h · dY/dt of the four stages (h = current step Step, s). The stages evaluate
  // the right-hand side at Y0, Y0 + K1/2, Y0 + K2/2 and Y0 + K3; the step ends with Y = Y0 + (K1
  // + 2 K2 + 2 K3 + K4)/6.
  Table1<double, 66> RungeKuttaK1;
  Table1<double, 66> RungeKuttaK2;
  Table1<double, 66> RungeKuttaK3;
  Table1<double, 66> RungeKuttaK4;

  // --- Per-object tables ---
  // Current coordinates of each object, m. Slot 12 holds the observer (topocentre) where a
  // window places one, slot 14 the centre of mass (Form1's centre-of-mass tools,), slot 15 the
  // origin of coordinates (Form2 sets it to 0, 0, 0). Also: X(1..k) is the coded plan point that
  // EvaluateRegression reads and Z(run) the model value it writes.
  Table1<double, 38> X;
  Table1<double, 91> Y;
  Table1<double, 91> Z;
  // Current velocity components of each object, m/s; slot 14 = centre of mass.
  Table1<double, 14> VX;
  Table1<double, 14> VY;
  Table1<double, 14> VZ;
  // Start coordinates of each object, m: the initial data from which Form2 builds the state
  // vector. Slot 11 holds the Moon's start data relative to its centre and slot 13 the Earth's
  // offset from the Earth-Moon barycentre while the Earth-Moon split runs. The tool windows
  // (Form11, Form12, Form14, Form20, Form25) keep their own start or saved coordinates in
  // variables of their own and leave these as they found them.
  Table1<double, 13> X0;
  Table1<double, 26> Y0;
  Table1<double, 13> Z0;
  // Start velocity components, m/s (slots as for X0). The model start, Form4 and Form11 add the
  // system velocity to copies of them in VX, VY, VZ; they stay unchanged themselves.
  Table1<double, 13> VX0;
  Table1<double, 13> VY0;
  Table1<double, 13> VZ0;
  // Mass of each object, kg: 0..11 the bodies, 12 the central mass that VelocityFromElements
  // uses, 13 the Earth alone. The mass tables give Mass(i) = Mass(0) / MassRatio(i) for objects
  // 1..10 and derive 13 and 11 from the Earth-Moon pair; the file and screen loads give Mass(i)
  // = mSol / MassRatio(i).
  Table1<double, 13> Mass;
  // Mass of the Sun divided by the mass of the object ("mSol/mPl"); index 3 the Earth-Moon pair
  // (the Earth alone after the split), 11 the Earth/Moon mass ratio (not the Sun/Moon ratio), 13
  // the Earth alone.
  Table1<double, 13> MassRatio;
  // Mass of the Sun, kg ("mSol, кг"); equal to Mass(0) after a theory was loaded.
  double mSol{};
  // Mean orbital speed Wsr × Rsr of objects 1..LastObjectIndex, m/s (object 0 stays 0); set
  // whenever parameters are loaded; the orbit check of Form1 shows 2·pi·Rsr/V0sr under
  // "2*pi*R0sr/V0sr=".
  Table1<double, 13> V0sr;
  // Diameter of each object, m. Set at start-up for 0..4 and 11 (1.392e9, 4.879e6, 1.2104e7,
  // 1.2756e7, 6.794e6; Moon 3.475e6); Form16's load sets the same values and Form17 overwrites
  // those of the Sun, the Earth and the Moon.
  Table1<double, 13> Diameter;
  // Radius of the Sun, m: Diameter(0)/2 = 6.96e8, set at start-up. Scratch in Form14, Form20,
  // Form25.
  double SunRadius{};
  // Sidereal period of objects 0..11 in days, set at start-up (table); the orbit checks show it
  // as a reference, Form2 takes the followed object's value as the expected period.
  Table1<double, 13> SiderealPeriod;
  // Current distance of each object from its central body, m (PositionFromElements leaves r =
  // a(1 - e²)/(1 + e cos v); the integrators update it).
  Table1<double, 13> RadiusVector;
  // Distance of each object from object 0 at the start of a Form2 run, m; Form16 keeps its own
  // body distances in it.
  Table1<double, 13> SunDistance;
  // Trace of each body, m ("Xsled="): the position drawn at the last output pass of Form2's run
  // loop and of the orbit checks, used to draw over it at the next one; remembered drawing
  // positions in other windows.
  Table1<double, 15> Xsled;
  Table1<double, 15> Ysled;
  Table1<double, 15> Zsled;
  // First and second spherical coordinate of each object in degrees: ecliptic longitude and
  // latitude, or right ascension and declination in the equatorial routines; filled by the
  // observation windows, the coordinate converter, the eclipse search and the Moon routines of
  // Main.
  Table1<double, 38> LonL;
  Table1<double, 38> LatB;

  // --- Orbital elements ---
  // Mean longitude. Filled by the element theories, the parameter file and the screen.
  Table1<double, 13> AlfaL;
  // Longitude of perihelion.
  Table1<double, 13> AlfaP;
  // Longitude of the ascending node.
  Table1<double, 13> AlfaU;
  // Inclination of the orbit to the ecliptic.
  Table1<double, 13> Betta;
  // Eccentricity (no unit).
  Table1<double, 13> Eks;
  // Semi-major axis (mean distance), m ("R0sr, тыс.км" on screen in thousands of km).
  Table1<double, 13> Rsr;
  // Semi-major axis in astronomical units as the theories give it; Rsr = RsrAU × Lae after a
  // theory has run. Not set when elements come from a file or the screen.
  Table1<double, 13> RsrAU;
  // Mean motion, rad/s ("W0sr, рад/год" on screen in radians per Julian year).
  Table1<double, 13> Wsr;
  // Mean anomaly M = 2·pi·frac(AlfaL/2pi) - AlfaP (plus 2pi when negative), left by
  // PositionFromElements as the start of its Kepler iteration. Form11 writes the mean longitude
  // reduced to 0..2pi into the slots of the Earth and of its target for display; the next
  // PositionFromElements overwrites them.
  Table1<double, 13> MeanAnomaly;
  // Element 0: the mean motion W of the comparison window Form14, typed in radians per year and
  // kept in radians per day; the other elements are not used.
  Table1<double, 13> AngularSpeed;
  // Reference elements of objects 1..10 at the start of a model run, element (e, object): e = 1
  // AlfaP, 2 AlfaU, 3 Betta, 4 Eks, 5 Rsr (m), 6 Wsr, 7 AlfaL; written by "К моделированию",
  // read by Form2.
  Table2<double, 7, 10> StartElements;
  // Time argument T of the element theories in Julian centuries from the theory's epoch;
  // argument of the precession routines. Holds ET-UT in seconds for a moment while parameters
  // are loaded; time scratch in Form10, Form12, Form16, Form20.
  double TheoryT{};
  // Transverse term sqrt(mu/p)·(1 + e cos v) of the orbital velocity, m/s, left by
  // VelocityFromElements; scratch in Form7 and Form25.
  double TransverseSpeed{};

  // --- Work tables of the procedures of `Main` ---
  // Successive iterates of the eccentric anomaly of the last PositionFromElements call, (0) =
  // the mean anomaly.
  Table1<double, 100> KeplerIterates;
  // Convergence bound of the Kepler iteration, 10^-10, set on every call.
  double KeplerTolerance{};
  // True anomaly v of each object, radians.
  Table1<double, 13> TrueAnomaly;
  // Argument of latitude u = v + AlfaP - AlfaU of each object, radians.
  Table1<double, 13> ArgumentOfLatitude;
  // p = a(1 - e²) of the body last served by VelocityFromElements, m.
  double SemiLatusRectum{};
  // Radial term sqrt(mu/p)·e·sin v of the orbital velocity, m/s, left by VelocityFromElements.
  double RadialSpeed{};
  // Rotation matrix of the last precession built, rows and columns 1 to 3 used.
  Table2<double, 3, 3> PrecessionMatrix;
  // Chebyshev coefficients of the item being evaluated, element (sub-interval, coefficient,
  // component).
  Table3<double, 8, 15, 3> DE405Coefficients;
  // Chebyshev polynomials of the first and of the second kind per sub-interval; index 1 holds
  // degree 0.
  Table2<double, 8, 15> ChebyshevT;
  Table2<double, 8, 15> ChebyshevU;
  // First Julian Day of each sub-interval of the item being evaluated.
  Table1<double, 8> DE405SubStartJD;
  // Normalised time of the evaluation, 2(JD - sub-interval start)/(sub-interval length) - 1.
  double ChebyshevTime{};

  // --- Pair tables and relative positions ---
  // Coordinate differences of a pair, element (from, to) = coordinate of "to" minus coordinate
  // of "from", m; left by RelativeEclipticPosition and by the right-hand sides for every
  // interacting pair.
  Table2<double, 15, 39> PairDX;
  Table2<double, 15, 39> PairDY;
  Table2<double, 15, 39> PairDZ;
  // Distance R of the pair (i, k), m; left by the force routines and the light-time code.
  Table2<double, 15, 16> PairDistance;
  // Projection of the pair distance on the ecliptic plane, m.
  Table2<double, 23, 39> PairDistanceXY;
  // Direction angle in the XY plane of the vector from body i to body k, radians. The right-hand
  // side Diffur leaves atan(DY/DX), or pi/2 or 3pi/2 by the sign of DY when DX = 0, and its
  // force components use its cosine and sine with their signs taken from the coordinate
  // differences; the run loop's per-step pair kinematics leave the full direction 0 to 2pi.
  Table2<double, 13, 13> PairLongitude;
  // Elevation of the vector from i to k above the XY plane, radians: atan(DZ/Rxy).
  Table2<double, 13, 13> PairLatitude;
  // Propagation time of gravity (or light) between objects i and k, s: R/Vgr; Form11 keeps the
  // light time from the Earth to its target in element (3, target).
  Table2<double, 11, 11> PropagationTime;
  // Attraction between bodies i (the source) and k, N: PairIncluded(i, k) gamma m(i)
  // m(k)/R^DistanceExponent (exponent 2 by default) with the (retarded) distance of the chosen
  // retardation variant; some force laws replace it, one of them by a negative scalar.
  Table2<double, 13, 13> Force;
  // Components of Force: F cos(lat) cos(lon), F cos(lat) sin(lon), F sin(lat) with lat =
  // PairLatitude, lon = PairLongitude, signs from the coordinate differences; in the
  // relativistic right-hand side they hold accelerations.
  Table2<double, 13, 13> ForceX;
  Table2<double, 13, 13> ForceY;
  Table2<double, 13, 13> ForceZ;
  // Longitude in degrees 0..360 of object "to" seen from object "from", element [to], left by
  // RelativeEclipticPosition (90 or 270 when DX = 0); the orbit loops keep the followed body's
  // longitude in it.
  Table1<double, 39> RelativeLongitude;
  // Latitude in degrees of "to" seen from "from", left by RelativeEclipticPosition. Shared
  // scratch angle: the obliquity of date in radians in EquatorialToEcliptic and
  // EclipticToEquatorial, an absolute pair latitude in TwoBodyDerivatives, an inclination in
  // Form4.
  double RelativeLatitude{};
  // Distance of the pair last handled by RelativeEclipticPosition or TwoBodyDerivatives, m; in
  // the orbit loops the current distance of the followed body.
  double Rpl{};
  // Rpl at the previous step (extremum detection of the orbit loops). Form16's load puts its own
  // default 0.27 in it.
  double PrevDistance{};
  // Rpl at the start of an orbit loop; the reference distance of Form10, Form11, Form12; a
  // radius in Form14.
  double StartDistance{};

  // --- Dates and times ---
  // Julian Day of the current date: the epoch at which the element theories, DE405 and the
  // coordinate routines are evaluated; set from the date boxes through JulianDayFromDate or
  // advanced by the run loops.
  double JD{};
  // Julian Day in universal time of the Earth-rotation and observation computations.
  double JDut{};
  // Julian Day in ephemeris time by the first ET-UT law (time of the bodies' motion); while
  // parameters are loaded, JD + (ET-UT)/24/3600 with ET-UT from DeltaTParabola.
  double JDet1{};
  // Julian Day in ephemeris time by the second ET-UT law (time of the Earth's rotation); while
  // parameters are loaded, the date's JD without correction. Form6 keeps a time span in days in
  // it.
  double JDet2{};
  // Julian Day of the start of a run or a processing ("JD0"; buttons "JD=JD0" restore the date
  // boxes from it).
  double JD0{};
  // Julian Day of the initial data last loaded on Form1; Form2 shows it as the start of the
  // model.
  double InitialDataJD{};
  // Julian Day T0 of the start of a data series: the Julian Day of the loaded parameters (shown
  // in Form1's Text24); Form6, Form11 and Form13 set it for their series; Form2 reads it.
  double SeriesStartJD{};
  // Constants 2415020.0 and 2451545.0, set at start-up.
  double JD1900{};
  double JD2000{};
  // Julian Day at which EvaluateDE405Body computes positions.
  double EphemerisJD{};
  // Year and month of the start date (Form1's date boxes Text34, Text33; the start of a Form2
  // run and of observation processing).
  int32_t StartYear{};
  int32_t StartMonth{};
  // Day of the month of the start date with its fraction (Form1's Text32, "1,5" at start).
  double StartDay{};
  // Year and month of a date typed by the user, input of the date conversions; also the date
  // read from line 1 of the parameter file.
  int32_t InputYear{};
  int32_t InputMonth{};
  // Day of the month of the typed date with its fraction (thousandths of a day while the
  // parameter file is read).
  double InputDay{};
  // Year and month produced by DateFromJulianDay and NormalizeCalendarDate.
  int32_t CalendarYear{};
  int32_t CalendarMonth{};
  // Day of the month with fraction produced by the same procedures.
  double CalendarDay{};
  // Year and month of the current observation or table date (Form10, Form13, Form16).
  int32_t ObsYear{};
  int32_t ObsMonth{};
  // Whole day count of NormalizeCalendarDate; day number of an observation record.
  int32_t ObsDay{};
  // Day of the month of the current observation with the time of day as fraction.
  double ObsDayWithTime{};
  // Last year of a run or of a processing window.
  int32_t EndYear{};
  // Hours of the day (0..24) split off by NormalizeCalendarDate.
  double DayHours{};
  // Whole hours, minutes and seconds of a day fraction, left by DayFractionToHMS.
  float Hours{};
  float Minutes{};
  float Seconds{};
  // Year + month/100 + day/10000 of the last date tested for the Gregorian switch; scratch in
  // PositionFromElements and Form12.
  double DecimalDate{};
  // Calendar of the date conversions: 0 Julian calendar up to 1582-10-04 and Gregorian from
  // 1582-10-15, 1 Julian only, 2 Egyptian era of Nabonassar; the first index of MonthLength. The
  // activation of Form1 and of several other windows sets it to 0.
  int16_t CalendarMode{};
  // Hour at which the civil day begins, 0 or 12. The activation of Form1 and of several other
  // windows sets it to 0.
  double DayStartHour{};
  // Days per month, element (calendar, month) for calendars 0..2 and months 1..12 (values;
  // February of calendars 0 and 1 is rewritten for the year at hand by NormalizeCalendarDate).
  Table2<int32_t, 3, 13> MonthLength;
  // 1 after a failed date conversion; callers set 0 before they convert. Form10 also uses it as
  // its end-of-data flag.
  int16_t DateErrorFlag{};
  // Epochs (Julian Days) of the two ET-UT laws.
  double ET1Epoch{};
  double ET2Epoch{};
  // Model time of an integration in seconds since its start. DeltaTParabola, DeltaTPiecewise and
  // GreenwichMeanSiderealTime leave a time in Julian centuries in it; Form1's centre-of-mass
  // tools use it as an accumulator.
  double ModelTime{};
  // Time of the current Runge-Kutta stage, s; GreenwichMeanSiderealTime leaves the UT hours in
  // it; accumulator of the centre-of-mass tools.
  double StageTime{};
  // Signed elapsed model time of a Form2 run, s (steps times TimeDirection); accumulator of the
  // centre-of-mass tools; scratch of the refraction routine and Form6.
  double ElapsedTime{};
  // Julian centuries from J2000 left by ReduceMoonElementsToJ2000; time scratch in Form16 and
  // Form25.
  double TCenturies{};
  // Shared scratch for times (ReduceMoonElementsToJ2000, DeltaTPiecewise, Diffur, Form16,
  // Form25).
  double TimeScratch{};
  // Seconds since midnight when Form2 started a run (elapsed real time "dTreal, час"); Form10
  // keeps its pause in milliseconds in it.
  double StartTimer{};
  // ModelTime of the previous revolution of the followed body (0 at the start).
  double PrevRevolutionTime{};
  // 86400, set at start-up.
  double SecondsPerDay{};
  // Seconds per Julian year, 31557600 ("sekG = 31557600 сек"), set at start-up.
  double sekG{};

  // --- Model options ---
  // Equations of motion of Form2: 0 "Классика" (classical with a finite speed of gravity,
  // Diffur), 1 "ОТО" (relativistic, DiffurOTO). Second uses: sign of VY on the graphs of
  // Form25/Form26 (1 or -1); a flag in Form13 and Form10; Form16's load clears it.
  int16_t ForceModel{};
  // 1 = gravity propagates with the finite speed Vgr (Form2's Check13 "Vgr=Vsv *"); the
  // retardation variant kodDX acts only when it is 1. Second use: Form10 and Form16 park
  // CalendarMode in it during a run and restore it afterwards.
  int16_t FiniteVgrFlag{};
  // Speed of light, 299792500 m/s, set at start-up.
  double Vsv{};
  // Propagation speed in use, m/s: the speed of gravity, a multiple of Vsv, in the motion
  // models; light speed over a factor in Form11. Second use: Form10 and Form16 park DayStartHour
  // in it during a run.
  double Vgr{};
  // Retardation variant: 0 none, 1 velocities at the current moment (the default of Form23), 2
  // velocities and accelerations, 3 stored traces of the planets.
  int16_t kodDX{};
  // Force law of gravity pressure: 0 none (the default after Form2 loads), 2 to 7 the laws of
  // Form23; 1 is not used.
  int16_t kodPgr{};
  // Coefficients k1 and k2 of the force law kodPgr (defaults per law). Second uses: drag and
  // resistance coefficients of Form25 and Form26.
  double kPgr1{};
  double kPgr2{};
  // Earth-Moon option: 1 = Form1's Check3 "Земля-Луна и Ксена=Луна" is ticked, the Earth (object
  // 3) and the Moon (object 10) move separately, and VelocityFromElements takes the Earth (mass
  // slot 13) as the central mass of the Moon; 0 = object 3 is the Earth-Moon barycentre. Set
  // while parameters are loaded and initial data computed; Form20 sets 1 for the Moon's initial
  // data.
  int16_t kodMoon{};
  // Central-mass variant of VelocityFromElements: 0 mu = gamma m_c, 1 mu = gamma (m_c + m), 2 mu
  // = gamma m_c³/(m_c + m)² (motion about the barycentre; Form1's Check4 "Bary").
  int16_t kodBary{};
  // Factor of the central body's acceleration in the two-body orbit checks (read by
  // TwoBodyDerivatives,): 1 = the centre (the Sun, or the Earth in the Moon check) is
  // accelerated by the orbiting body; 0 = the centre keeps its velocity. The start-up window's
  // orbit check sets 1, or 0 while its Check5 "при Vsol=const" is ticked; Form20's load sets 1.
  // Second use in Form25/Form26: origin of the delay count (0 from periastron, 1 from the
  // ascending node).
  int16_t VsolConstFlag{};
  // Absolute velocity of the Solar System, km/s; 0 at start-up. Readers multiply by 1000 and add
  // the result to the start velocities (the model start,; the orbit check,). Written by Form4,
  // by Form11 from its own boxes, by Form15's plans (factors), and also by Form7, Form13 and
  // Form25; the Moon check of Form20 stores its typed km/s value times 1000 in VYsys and adds it
  // unscaled, so that afterwards VYsys holds m/s.
  double VXsys{};
  double VYsys{};
  double VZsys{};
  // Sums of the X, Y and Z components of the ticked relative velocities of Form4, km/s; written
  // and read only there.
  double VXsum{};
  double VYsum{};
  double VZsum{};
  // Gravitational constant, m³/(kg s²): 66.7259e-12 for the theories "JPL0 (J2000)", "Ser0
  // (J2000)" and "параметры и данные JPL2 (J2000)", 66.7006e-12 for "New0 (JD)", or as typed in
  // Form1's Text26 or read from the parameter file.
  double gamma{};
  // Reference value of the seventh factor of Form2's test criterion, the Sun over Venus (Form2's
  // load sets MassRatio(2)); scratch of Form25.
  double TestReference{};

  // --- Run control ---
  // Base integration step, s ("P00= "; Form2's Text38 "3600"; the orbit checks and Form25 read
  // their own boxes).
  double P00{};
  // Current step h, s: P00, or P00/StepDivisor near perihelion. Form10 and Form16 keep their
  // own step in days in it; Form11 and Form14 keep theirs apart.
  double Step{};
  // Step of the previous integration step; scratch of Form25.
  double PrevStep{};
  // Divisor N of the step while the followed body is inside the perihelion window (h = P00/N;
  // Form2's Text39 "1000"). Scratch in Form10.
  int16_t StepDivisor{};
  // State of the search for the perihelion and aphelion passages of the followed body: 0 =
  // search armed, 1 = searching with the reduced step while the distance still approaches its
  // extremum, 2 = search done (set by the start of a run and at every passage, kept until the
  // body has left the windows); details Scratch flag or sign in Form10 and Form12.
  int16_t StepReductionState{};
  // Steps per pass of an integration loop (one output, one stop test and one event pass every
  // NC0 steps) and the step count of "сделать NC0 шагов" (Form1's Text29 and Form2's Text37
  // "1000").
  int16_t NC0{};
  // Steps done since the last pass; compared with NC0. Scratch of Form6.
  int16_t StepCounter{};
  // Set to 0 before the first Runge-Kutta stage of every step of Form2's loop; the gravity-
  // pressure stage of the right-hand side adds 1 on each call; iteration counter of Form7 and
  // Form11 ("сделано итераций").
  int16_t StageCounter{};
  // Stop request: 1 = the running loop stops at its next test ("Остановить" buttons; the one-
  // pass buttons; the DE405 reader and evaluator after an error); 0 = run (every start and
  // "Продолжить"). One flag for all loops of all windows. Form4 leaves it at +1 or -1, which it
  // uses as a sign.
  int16_t StopFlag{};
  // Direction of model time: +1 forward, -1 backward; search direction of Form16; Form26 sets -1
  // and Form25's load 1.
  int16_t TimeDirection{};
  // Perihelion passages found in a run ("к-во оборотов",); number of accepted points in Form10;
  // loop index in Form6.
  int32_t RevolutionCount{};
  // Number of the running experiment plan, 0 when none ("План №"); part of the plan folder
  // paths; while it is above 0 the end of a Form2 run notifies Form15; "Остановить" on Form2
  // sets 0.
  int16_t PlanNumber{};

  // --- Orbit tracking of the followed body ---
  // Perihelion longitude as last measured and at the previous passage.
  double AlfaPCurrent{};
  double AlfaPPrevious{};
  // Whole turns (multiples of 360 degrees) of the recorded perihelion longitude, counted when
  // the angle wraps between 300..360 and 0..60 so that the record of the model window stays
  // continuous; holds an energy percentage after a record in some modes; scratch of Form6.
  double AlfaPTurns{};
  // Node longitude as last measured and at the previous passage.
  double AlfaUCurrent{};
  double AlfaUPrevious{};
  // Inclination (radians): in Form2's run the largest absolute latitude of the followed body
  // since the last passage, which is the inclination measured at the passage, and its reference
  // value; with "dEsys, dMsys, %" the record writer reuses BettaCurrent for a percentage.
  double BettaCurrent{};
  double BettaPrevious{};
  // Eccentricity as last measured and at the start of the current interval; Form14 keeps its two
  // eccentricities in them.
  double EksCurrent{};
  double EksPrevious{};
  // Bounds of the window of half-width dAlfa around the perihelion longitude (low bound plus 360
  // when negative, high bound minus 360 when above 360); inside it the step is divided by
  // StepDivisor.
  double PerihelionWindowLow{};
  double PerihelionWindowHigh{};
  // Upper bound of the window around the point opposite the perihelion (Form2). Second use:
  // precession rate in arc seconds per Julian century in Form10 and Form13.
  double AphelionWindowHigh{};
  // Bounds of the window of half-width dAlfa around the node longitude.
  double NodeWindowLow{};
  double NodeWindowHigh{};
  // Half-width of the perihelion and node windows, degrees ("+/-dAlfa, град" on Form1). Form6
  // sets 2.0 as its multiple of the standard deviation.
  double dAlfa{};
  // Z of the followed body minus Z of its centre, m; its change of sign marks a node passage.
  double FollowedRelativeZ{};
  // Longitude of the followed body at the previous step; scratch angle of Form12.
  double PreviousStepLongitude{};
  // Period of the followed body in days, measured revolution by revolution, and its previous
  // value.
  double Period{};
  double PrevPeriod{};
  // Running minimum and maximum (distances in the orbit loops; the criterion in the plan
  // windows).
  double MinValue{};
  double MaxValue{};
  // Running minimum and maximum: the smallest and largest speed in the two-body runs ("Vmin=",
  // "Vmax="); plotted range of Form6.
  double Ymin{};
  double Ymax{};
  // Energy of the system at the start of a run and now, J: E0sys is the kinetic energy of the
  // included bodies in the frame of the initial data, minus the pair potential energies among
  // objects 1..10 when "dEsys, dMsys, %" and the precise energy are both chosen; Esys is
  // recomputed at each output pass with "dEsys, dMsys, %"; "потенциальная энергия измеряется от
  // нулевого уровня и в начале равна нулю".
  double E0sys{};
  double Esys{};
  // Angular momentum of the system at the start and now, kg·m²/s.
  double M0sys{};
  double MKDsys{};
  // Sum of the masses of the included objects, kg (centre-of-mass tools of Form1 and Form2);
  // scratch of Form13.
  double SystemMass{};
  // Speed of the followed body and of object 0 in the two-body checks, m/s; scratch of Form4.
  double Vpl{};
  double Vsol{};
  // Reference radius, m (the Sun's radius in Form1's orbit check; the body's Rsr in Form25).
  double RefRadius{};
  // Deviation of a measured perihelion or node longitude from the given one, reduced to
  // -180..180, and the same projected through the inclination; scratch of Form14.
  double AngleDiff{};
  double AngleDiffProjected{};

  // --- Constants ---
  // 3.14159265359 (this decimal value, not the full-precision pi).
  double Pi{};
  // Degrees per radian, 180/Pi computed with the stored Pi = 57.29577951307855 ("kUgol=180
  // град/pi").
  double kUgol{};
  // 1 000 000: fixed-point factor of the parameter and result files (values written as whole
  // numbers MK·x), metres per thousand km, and a large starting value for minima.
  double MK{};
  // Astronomical unit, 149597870691 m. The element theories set it again on every call; loading
  // from the screen or from the parameter file replaces it.
  double Lae{};
  // Obliquity of the ecliptic at J2000 in radians: 23.43929111/kUgol.
  double ObliquityJ2000{};
  // 1020 (numbers read per DE405 block,).
  int16_t DE405BlockSize{};

  // --- Text buffers and files ---
  // Shared scratch text: message texts, relative file paths before an Open, header and report
  // lines; every window builds its texts in it.
  std::string ScratchText{};
  // Further scratch texts: text printed into pictures, header lines of plan and statistics
  // files, parts of file names, the regression table text of Stat.
  std::string ScratchText2{};
  std::string ScratchText3{};
  std::string ScratchText4{};
  // Shared array of text lines: the gravity-test text of Diffur, header lines read from data
  // files, report lines of Form16, result lines of Stat.
  Table1<std::string, 20> TextLines;
  // Relative paths (appended to the program folder) of the data or result files being opened.
  std::string FilePath{};
  std::string FilePath2{};
  // Name of the source of positions or data of a run or a processing (theory, imitator, ancient
  // table or observatory code); empty when none is chosen; part of file names ( and the
  // observation windows).
  std::string TheoryName{};
  // Kind of observation source: "Tab" (ancient tables) or "Obs" (observatory observations);
  // folder name in paths.
  std::string SourceKind{};
  // Index of the chosen table or observatory in the option arrays of Form10/Form16.
  int16_t SourceIndex{};
  // Number N typed by the user that goes into a file name (Form1's Text23 for the parameter
  // file, Form2's experiment number, Form25); in other windows the file handle of the file being
  // read or written.
  int16_t FileNumber{};
  // Handle of the parameter file while Form1 reads or writes it, of Form2's coordinate file, of
  // Form10's observation file and of Form25's files.
  int16_t DataFileHandle{};

  // --- Drawing ---
  // Scale of the orbit pictures, metres per picture unit. 3e11 at start-up; each window with an
  // orbit picture sets it from its own scroll bar: Form1 value × 1e8, others as their user
  // states.
  double ImageScale{};
  // Red, green and blue (0..255) of the drawing colour of each object, set at start-up for 0..10
  // (table); 11..13 stay 0.
  Table1<int16_t, 13> ColorR;
  Table1<int16_t, 13> ColorG;
  Table1<int16_t, 13> ColorB;
  // Brightness factor of the object colours: 1.0, or 0.5 while the object lies below the
  // ecliptic plane (the Moon check of Form20 uses 0.5 for the Earth and 0.7 for the Moon); R, G
  // and B are multiplied by it.
  float ColorFactor{};
  // Graph scale of time, years per picture unit ("MT, лет/см"). Second uses: a velocity scale in
  // Form7, an output interval in seconds in Form25.
  double MT{};
  // Graph scale of distances, thousands of km per unit ("Mx, тыс.км/см").
  double Mx{};
  // Graph scale of angles, degrees per unit ("MAlfa, град/см").
  double MAlfa{};
  // Graph scale of angle deviations, arc seconds per unit ("MdAlfa, сек/см"); a distance-
  // deviation scale in Form10.
  double MdAlfa{};
  // Graph scale of forces (Form7); other scales in Form10, Form14, Form16.
  double MF{};
  // Vertical offset added to plotted values, picture units.
  float PlotOffsetY{};
  // Height and width of the user scale of the statistics and plan result pictures.
  double PictureHeight{};
  double PictureScaleWidth{};
  // Vertical position of the next text line printed on those pictures.
  double PrintLineY{};
  // Position of the last mouse press on a picture (Form2's overview, Form6's plot).
  float ClickX{};
  float ClickY{};

  // --- Secular shifts ---
  // Element (planet, s): secular shift per century of observed or imitated orbits, s = 1 dAlfaP,
  // 2 dAlfaU, 3 dBetta, 4 dEks, 5 dRsr, 6 dWsr. Cleared for planets 1..11 and s 1..6 at start-
  // up.
  Table2<double, 11, 6> ObservedShifts;
  // Element (planet, s, experiment): the same shifts of the model orbits per plan experiment.
  // Cleared for planets 1..11, s 1..6, experiments 1..91 at start-up. The observation window
  // keeps its per-experiment means and spreads in (1..3, 1..2, experiment).
  Table3<double, 11, 6, 91> ModelShifts;

  // --- Periodic perturbation coefficients ---
  // Coefficients in degrees of the Moon's periodic inequalities (slots 1..16 and 25..28),
  // written by the load handler and editor of Form21, read by MoonPerturbationsDLDB.
  Table1<double, 29> MoonPerturbationCoefficients;
  // Element (p, 10 · planet + term): coefficient of term 1..8 of the longitude perturbation of
  // planet 1..4 by perturbing planet p = 1 or 2 (Form22).
  Table2<double, 2, 48> PlanetPerturbationCoefficients;
  // For planets 1..4, the numbers of the first and of the second perturbing planet (defaults:
  // first 2, 3, 2, 3 for Mercury, Venus, Earth, Mars; second 5 for all four).
  Table1<int32_t, 4> PerturberFirst;
  Table1<int32_t, 4> PerturberSecond;

  // --- DE405 reader state ---
  // 10 while a DE405 file is open on DE405FileHandle. Every exit of Form1, Form2, Form16 and
  // Form24 closes that file when it is 10. Second use: the kind of data loaded in the statistics
  // window.
  int16_t FileState{};
  // File handle of the open DE405 file.
  int16_t DE405FileHandle{};
  // First year of the DE405 file in use (1600 + 20 k up to 2180).
  int32_t DE405FileYear{};
  // Number of the block just read.
  int16_t DE405RecordNumber{};
  // Blocks in the current file (229 or 230,).
  int16_t DE405RecordsInFile{};
  // First and last Julian Day of the block in memory; the statistics window keeps an epoch in
  // the first.
  double DE405BlockStartJD{};
  double DE405BlockEndJD{};
  // The block in memory: (1) start JD, (2) end JD, then the coefficients; scratch of Form6 and
  // Form13.
  DynTable1<double> DE405Buffer;
  // Record layout of items 1..11, set at start-up (values).
  Table1<int16_t, 12> DE405CoefStart;
  Table1<int16_t, 12> DE405CoefCount;
  Table1<int16_t, 12> DE405SubDays;
  // Chebyshev sum of X per item, km; scratch of Form7, Form10, Form17.
  Table1<double, 53> DE405SumX;
  // Chebyshev sums of Y, Z and of the velocity components per item; slot 22 of DE405SumVX is a
  // temporary of the equator-ecliptic rotations.
  Table1<double, 26> DE405SumY;
  Table1<double, 26> DE405SumZ;
  Table1<double, 26> DE405SumVX;
  Table1<double, 26> DE405SumVY;
  Table1<double, 26> DE405SumVZ;

  // --- Observer and coordinate chain ---
  // Observer's geographic longitude (east positive) and latitude (north positive), degrees.
  double ObsL{};
  double ObsB{};
  // Local mean sidereal time in degrees; the topocentre is placed with it as object 12.
  double LocalSiderealTime{};
  // Greenwich mean sidereal time in hours 0..24; scratch of Form10 and Form12.
  double SiderealTimeHours{};
  // Hour angle of the current object, degrees.
  double HourAngle{};
  // Azimuth and height above the horizon, degrees (inputs of HorizontalToEquatorial).
  double Altitude{};
  // Radius for the topocentre, m (6378140 where the windows set it); scratch elsewhere.
  double TopoRadius{};
  // Shared scratch: an Earth radius, a limit, a radius of a drawn ellipse.
  double ScratchRadius{};
  // General precession in longitude between two epochs, radians.
  double GeneralPrecession{};
  // Copy of GeneralPrecession taken before a new epoch is processed.
  double SavedPrecession{};
  // Precession in longitude between the observation epoch and the reference epoch, degrees.
  double PrecessionL{};

  // --- Orbit-parameter sample of the statistics window `Form6` ---
  // Number of records N of the loaded sample (bound of dT, ddT, SampleValues); the expected
  // record count of a Form2 run; a count of the observation window.
  int32_t RecordCount{};
  // RecordCount kept while a point is deleted or added; first point of a fit range.
  int32_t SavedRecordCount{};
  // Element (c, record): loaded sample, c = 1 AlfaP, 2 AlfaU, 3 Betta, 4 Eks, 5 Rsr, 6 W0, 7
  // AlfaL0, 8 and 9 perturbation terms, 10 weight.
  DynTable2<double> SampleValues;
  // Work copy of SampleValues; group values of a fit; bin counts of the observation statistics.
  DynTable1<double> SampleWork;
  // Time of each record after T0 and length of its interval, days.
  DynTable1<double> dT;
  DynTable1<double> ddT;
  // Work copy of ddT.
  DynTable1<double> ddTWork;
  // Least-squares sums of the statistics window; sums of squared deviations and of Julian Days
  // in the observation window.
  double LsqSum1{};
  double LsqSum2{};
  double LsqSum3{};
  double LsqSum4{};

  // --- Mode of the run and options ---
  // 1 = the run integrates the model (Form2's Option3 "модель"), 0 = an imitator supplies the
  // positions.
  int16_t ModelMode{};
  // 1 = the imitator is JPL2 (positions from DE405 read inside the run loop), 0 = New0 or JPL0.
  int16_t DE405ImitatorFlag{};
  // 1 = the plan experiment is run by the test criterion (Form15's Option5 "теста",): the run
  // loop evaluates the criterion instead of integrating; the load of Form2 sets 0.
  int16_t TestMode{};
  // 1 = Diffur recomputes the pair kinematics at every Runge-Kutta stage (Form23's Check2), 0 =
  // the laws use the kinematics that the run loop computes once per step; the load of Form2 sets
  // 1.
  int16_t EveryStageKinematicsFlag{};
  // 1 = the second derivative of the distance and the source acceleration of the Л-В law are
  // extrapolated with rates of accelerations instead of differences of velocities (Form23's
  // Check5).
  int16_t JerkKinematicsFlag{};
  // 1 = the short form of the Л-В law (Form23's Check6).
  int16_t ShortLWFlag{};
  // 1 = the energy of the system also counts the mutual potential energy of the planets and the
  // angular momentum is taken about the centre of mass (Form23's Check1); the load of Form2 sets
  // 1.
  int16_t PreciseEnergyFlag{};
  // 1 = the run shows the coordinates of the centre of mass of the system instead of those of
  // the followed planet (Form23's Check3); the load of Form2 sets 0.
  int16_t CentreOfMassDisplayFlag{};
  // 1 = the run recomputes the position and velocity of the centre of mass (slot 14) from the
  // current state at each output (Form23's Check4); the load of Form2 sets 0.
  int16_t InstantCentreOfMassFlag{};
  // Metres per unit of the overview picture Picture2 of Form2: 1.8e12, set by the load of Form2.
  double OverviewScale{};
  // Reference of the sixth factor of the test criterion: MassRatio(5) (the Sun over Jupiter)
  // taken by the load of Form2.
  double JupiterTestReference{};

  // --- Record file ---
  // Path, relative to the program folder, of the file the run appends its records to: the orbit-
  // parameter series of a model or imitator run, or the test-plan result file in test mode.
  std::string RecordFilePath{};
  // Free file number taken for each append to RecordFilePath.
  int16_t RecordFileHandle{};
  // Continuous node longitude of the followed orbit in degrees (whole turns times 360 plus the
  // measured value), the fourth field of an orbit record; with Check12 "dEsys, dMsys, %" the
  // change of the angular momentum in per cent.
  double AlfaUTurns{};

  // --- Runge-Kutta stages and accelerations ---
  // Time of the current Runge-Kutta stage from the start of the step, s: 0, Step/2, Step/2,
  // Step.
  double StageOffset{};
  // The accelerations (elements 33 to 65 of StateDerivative) of each of the four stages of the
  // last step.
  Table1<double, 66> StageAcceleration1;
  Table1<double, 66> StageAcceleration2;
  Table1<double, 66> StageAcceleration3;
  Table1<double, 66> StageAcceleration4;
  // Acceleration of each body after the last completed step, the weighted mean of the four
  // stages, m/s²; empty (counting as zero) until a step has been completed since the process
  // started.
  Table1<double, 13> AccelerationX;
  Table1<double, 13> AccelerationY;
  Table1<double, 13> AccelerationZ;
  // Each body's acceleration at the end of the previous step.
  Table1<double, 13> SavedAccelerationX;
  Table1<double, 13> SavedAccelerationY;
  Table1<double, 13> SavedAccelerationZ;
  // Change of each body's acceleration over the last step divided by Step.
  Table1<double, 13> JerkX;
  Table1<double, 13> JerkY;
  Table1<double, 13> JerkZ;

  // --- Retardation history ---
  // Position of each body at past moments for the stored-trace retardation, record 0 the newest,
  // records P00 apart; dimensioned and filled by the start, shifted by the run loop, read by
  // Diffur.
  DynTable2<double> PositionHistoryX;
  DynTable2<double> PositionHistoryY;
  DynTable2<double> PositionHistoryZ;
  // ModelTime (s) of the newest record; a new record is pushed when ModelTime reaches
  // LastHistoryTime + P00.
  double LastHistoryTime{};
  // Copy of the history taken after each step when kodDX = 3, read by the test bench Form7.
  DynTable2<double> HistorySnapshotX;
  DynTable2<double> HistorySnapshotY;
  DynTable2<double> HistorySnapshotZ;
  // StageOffset at the moment the snapshot was taken (the full Step), s.
  double HistorySnapshotOffset{};

  // --- Orbit tracking ---
  // 1 = the search window the followed body last entered is the perihelion window, 0 = the
  // aphelion window.
  int16_t InPerihelionWindow{};
  // 1 = the node has been measured since the last perihelion or aphelion passage (no further
  // node measurement and no step reduction in the node windows).
  int16_t NodeMeasuredFlag{};
  // Lower bound in degrees of the aphelion search window.
  double AphelionWindowLow{};
  // Bounds in degrees of the window around the descending node.
  double DescendingNodeWindowLow{};
  double DescendingNodeWindowHigh{};

  // --- Energy balance ---
  // Speed of each body, m/s.
  Table1<double, 13> Speed;
  // Sum of m·v²/2 of the included bodies, J.
  double KineticEnergy{};

  // --- Pair kinematics of the laws of gravity pressure ---
  // Vi', the velocity of source i when the gravity reaching k left it.
  Table2<double, 13, 13> SourceVelocityX;
  Table2<double, 13, 13> SourceVelocityY;
  Table2<double, 13, 13> SourceVelocityZ;
  // Vi and Vk, the velocities of i and k along the unit vector of the pair.
  Table2<double, 13, 13> SourceRadialVelocity;
  Table2<double, 13, 13> TargetRadialVelocity;
  // dR/dt and d²R/dt² of the pair.
  Table2<double, 13, 13> RangeRate;
  Table2<double, 13, 13> RangeAcceleration;
  // Rates of change of Vi and Vk and their rates.
  Table2<double, 13, 13> SourceRadialAcceleration;
  Table2<double, 13, 13> TargetRadialAcceleration;
  Table2<double, 13, 13> SourceRadialJerk;
  Table2<double, 13, 13> TargetRadialJerk;
  // The magnitude of Vi'.
  Table2<double, 13, 13> SourceSpeed;
  // Ai', the source's acceleration used by the Л-В law, and Ai' along the pair.
  Table2<double, 13, 13> SourceAccelerationX;
  Table2<double, 13, 13> SourceAccelerationY;
  Table2<double, 13, 13> SourceAccelerationZ;
  Table2<double, 13, 13> SourceAccelerationAlong;
  // The three shares of SourceAccelerationAlong.
  Table2<double, 13, 13> SourceAccelerationAlongX;
  Table2<double, 13, 13> SourceAccelerationAlongY;
  Table2<double, 13, 13> SourceAccelerationAlongZ;
  // Rf = R − R·Vi / Vgr of the Л-В law.
  Table2<double, 13, 13> Rf;
  // The values of Vi, Vk and Vi' at the start of the step.
  Table2<double, 13, 13> StepStartSourceRadialVelocity;
  Table2<double, 13, 13> StepStartTargetRadialVelocity;
  Table2<double, 13, 13> StepStartSourceVelocityX;
  Table2<double, 13, 13> StepStartSourceVelocityY;
  Table2<double, 13, 13> StepStartSourceVelocityZ;
  // The radial accelerations and Ai' of the previous step.
  Table2<double, 13, 13> SavedSourceRadialAcceleration;
  Table2<double, 13, 13> SavedTargetRadialAcceleration;
  Table2<double, 13, 13> SavedSourceAccelerationX;
  Table2<double, 13, 13> SavedSourceAccelerationY;
  Table2<double, 13, 13> SavedSourceAccelerationZ;
  // Direction angles of each body's velocity components, shown by the gravity-test text.
  Table1<double, 13> AlfaVX;
  Table1<double, 13> AlfaVY;
  Table1<double, 13> BettaVZ;
  // Angles between the velocity components of i (1) or k (2) and the pair's direction.
  Table2<double, 13, 13> dAlfaVX1;
  Table2<double, 13, 13> dAlfaVY1;
  Table2<double, 13, 13> dBettaVZ1;
  Table2<double, 13, 13> dAlfaVX2;
  Table2<double, 13, 13> dAlfaVY2;
  Table2<double, 13, 13> dBettaVZ2;
  // The X, Y and Z shares of Vi (1) and Vk (2).
  Table2<double, 13, 13> dVX1;
  Table2<double, 13, 13> dVY1;
  Table2<double, 13, 13> dVZ1;
  Table2<double, 13, 13> dVX2;
  Table2<double, 13, 13> dVY2;
  Table2<double, 13, 13> dVZ2;

  // --- Element theories, masses, Kepler, Moon (added with their procedures) ---

  // --- Calendars, time scales, rotations, DE405 reader (added with their procedures) ---
  // The two ET-UT laws that Form17's "Задать значения" sets and DeltaTForDependency evaluates,
  // element (kind, term): kind 1 = ET1-UT (time of the bodies' motion), 2 = ET2-UT (time of the
  // Earth's rotation); term 0 = a (s), 1 = b (s per Julian century), 2 = c (s per Julian century
  // squared), 4 = selector (±1: the quadratic law a + b t + c t² times the selector; ±2: the
  // piecewise law times the sign; 0: no law, ET-UT = 0); term 3 is not used. The epochs are
  // ET1Epoch and ET2Epoch. Their own storage, so that building an experiment plan leaves them
  // alone. All 0 at start: no law until Form17 sets them.
  Table2<double, 2, 4> DeltaTLaws;

  // --- Model run (added with the model window) ---
  // Model time (StageTime, s) of the bodies' snapshot that the right-hand side leaves for
  // the test bench with "текст теста" (the positions, velocities and accelerations in
  // DE405SumX..DE405SumVZ): the bench measures the ages of the stored traces from it.
  double TestBenchSnapshotTime{};
  // Exponent p of the distance in the law of attraction F = gamma·m(i)·m(k)/R^p of the classical
  // model (Form2's Text45 "2", read when a run starts).
  double DistanceExponent{};
  // Index of the oldest record of the stored-trace history (records 0..HistoryPoints); its own
  // variable, apart from the plans' CorePoints.
  int16_t HistoryPoints{};
  // ModelTime (s) at which each record of PositionHistoryX/Y/Z was taken (record 0 the newest;
  // the positions are those of the integrated state, not shifted to a drawing origin), and the
  // same for the snapshot HistorySnapshotX/Y/Z.
  DynTable1<double> PositionHistoryTime;
  DynTable1<double> HistorySnapshotTime;

  // --- Start-up window and its additional windows ---

  // --- Optimisation window Form15 and weights window Form19 ---
  // Criterion units per picture unit of the plan pictures' plots ("М, ед/см"): (MaxValue −
  // MinValue) / 10 after the criterion is computed.
  double MP{};
  // x of the first column to the right of the factor columns of the printed plan table
  // (Nf + 2), picture units.
  double PrintColumnX{};
  // Source folder of the observed shifts: "\NEW", "\JPL" or "\Ser".
  std::string ImitatorFolder{};

  // --- Statistics window Form6 ---
  // Column of SampleValues that the statistics window works on: 1 AlfaP .. 7 AlfaL0 as chosen
  // in its group "по параметру", 10 for "Ves"; 7 while a test series is held.
  int16_t SampleParameter{};

  // --- Observatory observation files and perturbation windows Form21, Form22 ---
  // The record line of the observation file read last by the observation reader.
  std::string ObservationLine{};

  // --- Two-body window Form25 and its options window Form26 ---
  // 1 = the two-body run draws the general-relativity (mass) delay of m1's clock (Form26's
  // Check7); the load of Form25 sets 0.
  int16_t GrDelayCurveFlag{};
  // Half-width, degrees, of the window around periastron in which the drag of the two-body run
  // acts (Form26's Text8); the load of Form25 sets 0.
  double DragWindow{};
};

struct StatModule {

  // --- Experiment plan and regression ---
  // Number k of factors of the current plan, 2..6 ("Nf="); the observation window and the
  // statistics window set 3 for their own fits.
  int16_t Nf{};
  // Number of unknowns at the current level of the elimination.
  int16_t CurrentOrder{};
  // 1 orthogonal ("Orto"), 2 rotatable ("Roto"), 3 uniform-rotatable, 4 D-optimal, 5 Box
  // composite.
  int16_t PlanType{};
  // Element (k, i): coded column of factor i of the k-factor central-composite plan as a run of
  // "+1", "-1", "+0" fields; twenty strings for k = 2..6, i = 1..k, written once at start-up (;
  // values).
  Table2<std::string, 6, 6> DesignColumns;
  // Element (term, run): coded model matrix, runs 1..n: terms 1..k the linear terms x_i,
  // k+1..k+InteractionCount the pair products, the next k the squares less MeanX2; term 0 and
  // run 0 are not written by the plans. (The two ET-UT laws, once kept in cells of this
  // table, have their own storage in Main.DeltaTLaws.)
  Table2<double, 27, 91> PlanMatrix;
  // N = 2^k core runs; also the length of the position history of the retardation variant DX3.
  int16_t CorePoints{};
  // 2k star runs.
  int16_t StarPoints{};
  // Number of zero-point runs ("Задать N0=").
  int16_t N0{};
  // k(k - 1)/2 pair terms.
  int16_t InteractionCount{};
  // n = N + 2k + N0 total runs (at most 91).
  int16_t RunCount{};
  // Current run 1..91; also a shared loop counter.
  int16_t RunIndex{};
  // Last experiment of a plan sequence, or the run count read from a file.
  int16_t LastRun{};
  // For plan factor j the number (1..9) of the parameter it stands for.
  Table1<int16_t, 9> FactorIndex;
  // Zero level of each factor in natural units; slot 10 = weight of an observation data point.
  Table1<double, 10> ZeroLevels;
  // Interval of variation of each factor in natural units.
  Table1<double, 9> VariationIntervals;
  // Element (p, run): natural value of parameter p in each run (row 0 = zero levels).
  Table2<double, 9, 91> RunValues;
  // Criterion y of each run; slot 99 = divisor of the plan designer's test functions.
  Table1<double, 99> Criterion;
  // Criterion of each run from the regression equation.
  Table1<double, 91> CriterionCalc;
  // Reference value of the test criteria of the plan windows: the regression evaluation sets it
  // to the number of model coefficients, 6, 10, 15, 21 or 28 for k = 2..6.
  double Yopt{};
  // b0, b1..bk, the pair coefficients, b11..bkk of the quadratic model; the statistics window
  // keeps its trend-fit coefficients here too.
  Table1<double, 27> RegressionCoefficients;
  // Sums over the runs of each model column, of its squares and of its fourth powers.
  Table1<double, 27> EXi;
  Table1<double, 27> EXi2;
  Table1<double, 27> EXi4;
  // Plan moments la2, la4 and la4/la2².
  double la2{};
  double la4{};
  double la4z{};
  // Mean of x_i² of an orthogonal plan, 0 for the other types.
  double MeanX2{};
  // Star arm of the plan ("звездное плечо=").
  double StarArm{};
  // Plan constants k1..k7 of the coefficient formulas.
  double PlanK1{};
  double PlanK2{};
  double PlanK3{};
  double PlanK4{};
  double PlanK5{};
  double PlanK6{};
  double PlanK7{};
  // Second use: the constant A of rotatable plans (first use: an azimuth in degrees, below).
  double Azimuth{};
  // Element (m, i, j): coefficient of unknown j (0 = constant) in equation i of the system of
  // order m during the elimination.
  Table3<double, 6, 6, 6> EquationMatrix;
  // Multiplier of the current elimination step.
  double EliminationFactor{};
  // Optimum of each factor in coded and in natural units.
  Table1<double, 9> Xopt;
  Table1<double, 9> XoptNatural;
  // Sum of the criterion over all runs; running sum of deviations in the observation window.
  double SumY{};
  // Element (factor, run): coded design value taken from DesignColumns while the plan matrix is
  // built, before the star rows are scaled by StarArm.
  Table2<double, 27, 91> DesignTable;
  // Per model column t: sum over all runs, and over the runs after the core (star and zero
  // runs), of PlanMatrix(t, run) × Criterion(run).
  Table1<double, 27> SumXY;
  Table1<double, 27> SumXYOuter;
  // Sum of the criterion over the core runs, and over the star and zero runs.
  double SumYCore{};
  double SumYOuter{};
  // Sum of SumXY over the square columns; sum of the square-term coefficients of an orthogonal
  // plan.
  double SumSquareXY{};
  double SumSquareCoefficients{};

  // --- Plans, regression, optimum (added with their procedures) ---

  // --- Optimisation window Form15 and weights window Form19 ---
  // Element (planet, s): weight in per cent of the shift of orbit parameter s (1 perihelion,
  // 2 node, 3 inclination, 4 eccentricity, 5 semi-major axis, 6 angular velocity) of planet
  // 1..10 in the optimisation criterion. Filled from a plan file or by Form19's save; 0 at start.
  Table2<double, 11, 7> ShiftWeights;
  // Text lines 1, 2 and 10 of the plan file read last (by Form15 or Form19): its title, its
  // plan type and factor count, and the title of the weights. Form19's weight save writes them
  // back unchanged.
  std::string PlanFileTitle{};
  std::string PlanFileKindLine{};
  std::string PlanFileWeightsTitle{};
  // The factor rows of the plan file read or written last, as they were then
  // (zero levels, intervals, coded and natural optima of factors 1..7): the
  // weights save of Form19 writes them back, whatever the plan arrays hold
  // since. PlanFileRowsKnown is 0 until a plan file was read or written.
  Table1<double, 9> PlanFileZeroLevels;
  Table1<double, 9> PlanFileIntervals;
  Table1<double, 9> PlanFileXopt;
  Table1<double, 9> PlanFileXoptNatural;
  int16_t PlanFileRowsKnown{};

};

inline MainModule Main;
inline StatModule Stat;

void resetSharedState();
