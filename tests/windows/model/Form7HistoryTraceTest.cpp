// The trace of a body found in the model's position history (retardation
// variant DX3): a body moving on a known circle leaves its records at
// unevenly spaced times, and the trace for a delay T must lie on the circle
// at t − T within the error of linear interpolation between the records,
// h²·max|x''|/8 (h the spacing of the bracketing records), or, beyond the
// oldest record, within the remainder T³·max|x'''|/6 of the second-order
// extrapolation.
// Reference: the error of linear interpolation and Taylor's remainder, e.g.
//   Burden & Faires, Numerical Analysis, 9th ed., Theorem 3.3 and 1.14.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "model/Form7HistoryTrace.h"
#include "tests/windows/model/Form7Fixture.h"

using namespace bench_test;

namespace {

// Mercury-like circular motion in the XY plane.
constexpr double kRadius = 5.79e10;                                   // m
constexpr double kAngularSpeed = 2 * std::numbers::pi / (88 * 86400.0);  // rad/s
constexpr double kNow = 1e7;             // model time of the present positions, s
constexpr double kNewestAge = 1200;      // age of record 0, s
// Spacing of the records, newest first, s.
const std::vector<double> kSpacing = {3600, 3600, 1800, 3600, 500, 3600, 3600, 2900, 3600, 3600};
constexpr int kBody = 1;

Vector onCircle(double t) {
  return {kRadius * std::cos(kAngularSpeed * t), kRadius * std::sin(kAngularSpeed * t), 0};
}
Vector velocityOnCircle(double t) {
  return {-kRadius * kAngularSpeed * std::sin(kAngularSpeed * t), kRadius * kAngularSpeed * std::cos(kAngularSpeed * t),
          0};
}
Vector accelerationOnCircle(double t) {
  const Vector r = onCircle(t);
  return {-kAngularSpeed * kAngularSpeed * r[0], -kAngularSpeed * kAngularSpeed * r[1], 0};
}

double recordTime(int record) {
  double t = kNow - kNewestAge;
  for (int j = 0; j < record; ++j) t -= kSpacing[j];
  return t;
}
int lastRecord() { return static_cast<int>(kSpacing.size()); }

// The history as a model run leaves it: body kBody on the circle, the other
// bodies at fixed places apart; the present state at the model time kNow.
void recordCircularHistory() {
  const int m = lastRecord();
  Main.HistoryPoints = static_cast<int16_t>(m);
  for (auto* table : {&Main.HistorySnapshotX, &Main.HistorySnapshotY, &Main.HistorySnapshotZ}) table->redim(10, m);
  Main.HistorySnapshotTime.redim(m);
  for (int j = 0; j <= m; ++j) {
    Main.HistorySnapshotTime[j] = recordTime(j);
    for (int b = 0; b <= 10; ++b) {
      const Vector r = b == kBody ? onCircle(recordTime(j)) : Vector{(b + 1) * 9.1e10, -(b + 3) * 4.3e10, b * 2.2e9};
      Main.HistorySnapshotX(b, j) = r[0];
      Main.HistorySnapshotY(b, j) = r[1];
      Main.HistorySnapshotZ(b, j) = r[2];
    }
  }
  Main.TestBenchSnapshotTime = kNow;  // the bodies' snapshot is taken now
}

void placeBodyNow() {
  const Vector r = onCircle(kNow), v = velocityOnCircle(kNow), a = accelerationOnCircle(kNow);
  Main.X[kBody] = r[0];
  Main.Y[kBody] = r[1];
  Main.Z[kBody] = r[2];
  Main.VX[kBody] = v[0];
  Main.VY[kBody] = v[1];
  Main.VZ[kBody] = v[2];
  Main.AccelerationX[kBody] = a[0];
  Main.AccelerationY[kBody] = a[1];
  Main.AccelerationZ[kBody] = a[2];
}

double interpolationBound(double spacing) {
  return spacing * spacing * kAngularSpeed * kAngularSpeed * kRadius / 8 * (1 + 1e-9) + 1e-3;
}

Vector traceOf(const bench::HistoryTrace& t) { return {t.x, t.y, t.z}; }

}  // namespace

TEST(Form7HistoryTrace, TraceLiesOnTheKnownPathWithinTheInterpolationError) {
  recordCircularHistory();
  placeBodyNow();
  const double oldestAge = kNow - recordTime(lastRecord());
  struct Case {
    const char* name;
    double delay;
    bench::HistoryTraceSource source;
    int newerRecord;
    double bound;
  };
  using S = bench::HistoryTraceSource;
  const Case cases[] = {
      {"newer than record 0", 600, S::Present, -1, interpolationBound(kNewestAge)},
      {"just past record 0", kNewestAge + 1, S::Records, 0, interpolationBound(3600)},
      {"between 2 and 3", kNow - recordTime(2) + 900, S::Records, 2, interpolationBound(1800)},
      {"inside the short interval", kNow - recordTime(4) + 250, S::Records, 4, interpolationBound(500)},
      {"just before the oldest", oldestAge - 1, S::Records, lastRecord() - 1, interpolationBound(3600)},
      {"beyond the oldest", oldestAge + 5000, S::Extrapolated, -1,
       std::pow((oldestAge + 5000) * kAngularSpeed, 3) * kRadius / 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const bench::HistoryTrace t = bench::traceFromHistorySnapshot(kBody, c.delay);
    EXPECT_EQ(t.source, c.source);
    EXPECT_EQ(t.newerRecord, c.newerRecord);
    EXPECT_LE(length(minus(traceOf(t), onCircle(kNow - c.delay))), c.bound);
  }
}

// A delay newer than record 0 lies on the straight line from the present
// position to record 0, at the fraction T / Tr of the way; a delay equal to
// the age of a record gives that record itself, the oldest one included.
TEST(Form7HistoryTrace, DelaysOnTheRecordsGiveTheRecordsThemselves) {
  recordCircularHistory();
  placeBodyNow();
  EXPECT_EQ(bench::newestRecordAge(), kNewestAge);
  const bench::HistoryTrace quarter = bench::traceFromHistorySnapshot(kBody, kNewestAge / 4);
  const Vector now = onCircle(kNow), newest = onCircle(recordTime(0));
  for (int d = 0; d < 3; ++d) EXPECT_NEAR(traceOf(quarter)[d], now[d] + (newest[d] - now[d]) / 4, 1e-3);
  for (const int record : {0, 1, 3, 5, lastRecord()}) {
    SCOPED_TRACE(record);
    const bench::HistoryTrace t = bench::traceFromHistorySnapshot(kBody, kNow - recordTime(record));
    const Vector expected = {Main.HistorySnapshotX(kBody, record), Main.HistorySnapshotY(kBody, record),
                             Main.HistorySnapshotZ(kBody, record)};
    EXPECT_NEAR(length(minus(traceOf(t), expected)), 0, 1e-3);
  }
}

// On the bench: DX3 presses iterate the delay until the trace found in the
// history satisfies the light-time condition |x_k(t) − x_i(t − T)| = Vgr·T,
// and the trace lies on the body's real past path.
TEST_F(Form7Test, StoredTracesSettleOnTheLightTimeOfTheRecordedPath) {
  Form7& form = openBench();
  recordCircularHistory();
  for (int body = 0; body <= 10; ++body)
    putInModelSnapshot(body, {(body + 1) * 9.1e10, -(body + 3) * 4.3e10, body * 2.2e9}, {0, 0, 0});
  putInModelSnapshot(kBody, onCircle(kNow), velocityOnCircle(kNow), accelerationOnCircle(kNow));
  putInModelSnapshot(2, {-4e10, 9e10, 1e9}, {-30000, -12000, 0});
  Main.Vgr = 0.011 * Main.Vsv;
  Main.kodDX = 3;
  form.Check2.setValue(1);
  click(form.Command1);
  press(form, 30);
  ASSERT_EQ(boxes.count(), 0);

  const double t = Main.PropagationTime(1, 2);
  ASSERT_GT(t, kNewestAge);
  ASSERT_LT(t, kNow - recordTime(lastRecord()));
  EXPECT_NEAR(length(minus(position(2), trace(1))), Main.Vgr * t, 1e-9 * Main.Vgr * t);
  EXPECT_LE(length(minus(trace(1), onCircle(kNow - t))), interpolationBound(3600));
}

// DX3 with no history recorded: the placement goes on without the marks of
// the records, and a press stops with the message.
TEST_F(Form7Test, StoredTracesWithoutAHistoryAreRefused) {
  Form7& form = openBench();
  Main.kodDX = 3;
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0);
  click(form.Command3);
  expectBadDataMessage();
}

// After a model run with stored traces and "текст теста", the bench reads
// the run's own history: the age of its newest record lies within one
// step, and the trace it finds for the settled delay agrees with the
// body's present motion carried back, x − v·T + a·T²/2, within the
// remainder of that extrapolation (|x'''|·T³/6, about ω³·r·T³/6 for a
// near-circular orbit) and the interpolation error of the records.
TEST_F(Form7Test, HistoryOfAModelRunAgreesWithTheBodysPresentMotion) {
  click(form1().Command1);
  Form2& model = form2();
  model.Show();
  type(model.Text40, "1801");  // a run that ends within its start year
  click(model.Check13);
  type(model.Text35, "0,01");
  Main.kodDX = 3;
  click(model.Command1);
  // Two more steps with "текст теста", which leaves the snapshot.
  click(model.Check21);
  click(model.Check14);
  type(model.Text37, "2");
  click(model.Command2);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  ASSERT_TRUE(bench::historyRecorded());

  click(model.Command7);
  Form7& form = form7();
  form.Check2.setValue(1);
  click(form.Command1);
  press(form, 20);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

  const double age = bench::newestRecordAge();
  EXPECT_GE(age, 0);
  EXPECT_LE(age, Main.P00);
  const double t = Main.PropagationTime(1, 2);
  EXPECT_NEAR(length(minus(position(2), trace(1))), Main.Vgr * t, 1e-9 * Main.Vgr * t);
  Vector carriedBack;
  const Vector a = {Main.AccelerationX[1], Main.AccelerationY[1], Main.AccelerationZ[1]};
  for (int d = 0; d < 3; ++d) carriedBack[d] = position(1)[d] - velocity(1)[d] * t + a[d] * t * t / 2;
  // Mercury: ω = 2π / 88 days at r = 0.47 AU at most; ω·r·ω² bounds |x'''|.
  const double omega = 2 * std::numbers::pi / (88 * 86400.0), r = 0.47 * 1.496e11;
  const double bound = std::pow(omega * t, 3) * r / 6 + interpolationBound(Main.P00) * 2;
  EXPECT_LE(length(minus(trace(1), carriedBack)), bound);
}

// A run that goes on without "текст теста" after the snapshot was left adds
// newer records to the history; the bench still measures the ages from the
// snapshot's own time, so its trace stays the body's past, not a point some
// hours off.
TEST_F(Form7Test, HistoryOfARunThatWentOnPastTheSnapshotStillAgreesWithTheSnapshot) {
  click(form1().Command1);
  Form2& model = form2();
  model.Show();
  type(model.Text40, "1801");
  click(model.Check13);
  type(model.Text35, "0,01");
  Main.kodDX = 3;
  click(model.Command1);
  click(model.Check21);
  click(model.Check14);
  type(model.Text37, "2");
  click(model.Command2);  // two steps that leave the snapshot
  click(model.Check21);
  click(model.Command2);  // two more without it
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  ASSERT_TRUE(bench::historyRecorded());
  EXPECT_LT(bench::newestRecordAge(), 0);  // the history runs past the snapshot

  click(model.Command7);
  Form7& form = form7();
  form.Check2.setValue(1);
  click(form.Command1);
  press(form, 20);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

  const double t = Main.PropagationTime(1, 2);
  Vector carriedBack;
  const Vector a = {Main.AccelerationX[1], Main.AccelerationY[1], Main.AccelerationZ[1]};
  for (int d = 0; d < 3; ++d) carriedBack[d] = position(1)[d] - velocity(1)[d] * t + a[d] * t * t / 2;
  const double omega = 2 * std::numbers::pi / (88 * 86400.0), r = 0.47 * 1.496e11;
  const double bound = std::pow(omega * t, 3) * r / 6 + interpolationBound(Main.P00) * 2;
  EXPECT_LE(length(minus(trace(1), carriedBack)), bound);
}
